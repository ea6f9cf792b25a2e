#include "AttachmentNodes.h"

#include "AttributeReaders.h"
#include "SteeringAttributeNames.h"
#include "ShapeRecords.h"

#include "lookup/MeshShading.h"
#include "saveutil/TextUtils.h"

#include <maya/MFnDagNode.h>

AttachmentRole recordAttachment(ExportModel& model, SplitShapeChildren& state, const SceneNode& owner, const MDagPath& child,
                                const NodeClassification& classification, std::uint32_t& nextShapeId) {
    const bool first = state.first;
    state.first = false;
    const bool candidate = classification.kind == NodeKind::Shape && classification.mergeGroupId == 0 &&
                           classification.transformChildren.empty() && (first || state.record);
    if (!candidate) return AttachmentRole::None;
    const MObject mesh = MFnDagNode(child).child(classification.childIndex);
    const std::vector<std::uint32_t> materials = collectMaterialIds(lookUpShading(mesh), model.materials);
    if (materials.size() != 1) return AttachmentRole::None;
    if (!state.record) {
        AttachmentsRecord& record = model.attachments.emplace_back();
        record.ownerMesh = owner.decidingChild;
        MDagPath::getAPathTo(owner.transform, record.ownerTransform);
        record.materialId = materials.front();
        record.shapeId = nextShapeId++;
        const std::string range = readText(MFnDependencyNode(owner.transform), kVertexCompressionRangeAttribute);
        if (!range.empty()) Q5XSaveUtil::parseFloat(range.c_str(), record.vertexCompressionRange);
        state.record = &record;
    } else if (state.record->materialId != materials.front()) {
        return AttachmentRole::None;
    }
    state.record->meshes.push_back(mesh);
    state.record->transforms.push_back(child);
    return first ? AttachmentRole::AttachmentsNode : AttachmentRole::Joined;
}
