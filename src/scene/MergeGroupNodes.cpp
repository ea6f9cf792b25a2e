// Merge-group nodes and merged-children transforms as the walk records them.
#include "AttributeReaders.h"
#include "SteeringAttributeNames.h"
#include "NodeKinds.h"
#include "ShapeRecords.h"

#include "lookup/MeshShading.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MTransformationMatrix.h>

namespace {

using Role = SceneNode::MergeRole;

void addMember(MergeRecord& record, const MDagPath& transform, const MObject& mesh, MaterialTable& materials, bool atFront) {
    const auto at = [&](auto& list) { return atFront ? list.begin() : list.end(); };
    const MeshShading shading = lookUpShading(mesh);
    record.memberMaterialIds.insert(at(record.memberMaterialIds), collectMaterialIds(shading, materials));
    record.memberShadings.insert(at(record.memberShadings), shading);
    record.memberMeshes.insert(at(record.memberMeshes), mesh);
    record.memberTransforms.insert(at(record.memberTransforms), transform);
}

// A child's transform as the freeze switches leave it: each part kept or made the identity.
struct FreezeSwitches {
    bool translation = true, rotation = true, scale = true;
};

MFloatMatrix frozenMatrix(const MDagPath& child, const FreezeSwitches& keep, double unitScale) {
    MTransformationMatrix matrix = MFnTransform(child).transformation();
    if (!keep.translation) matrix.setTranslation(MVector(0.0, 0.0, 0.0), MSpace::kTransform);
    if (!keep.rotation) matrix.rotateTo(MEulerRotation(0.0, 0.0, 0.0));
    if (!keep.scale) {
        const double one[3] = {1.0, 1.0, 1.0};
        matrix.setScale(one, MSpace::kTransform);
    }
    MMatrix local = matrix.asMatrix();
    for (int c = 0; c < 3; ++c) local[3][c] *= unitScale;
    double values[4][4];
    local.get(values);
    return MFloatMatrix(values);
}

// The first mesh of a child transform that is no intermediate object.
MObject memberMesh(const MFnDagNode& child) {
    for (unsigned i = 0; i < child.childCount(); ++i) {
        const MObject candidate = child.child(i);
        if (candidate.hasFn(MFn::kMesh) && !MFnDagNode(candidate).isIntermediateObject()) return candidate;
    }
    return MObject::kNullObj;
}

void warnConflict(const MDagPath& child, const char* attribute) {
    MGlobal::displayWarning(MString("q5xExport: Merge children transform (") + child.partialPathName() + ")  attribute (" +
                            attribute + ") is conflicting with first child attribute. Using attribute from first child\n");
}

}  // namespace

bool recordMergeGroupNode(NodeRecording& recording, SceneNode& node) {
    const NodeClassification& classification = recording.classification();
    const MDagPath& transform = recording.transform();
    const MFnDagNode dagNode(transform);
    const bool isRoot = readAttribute<bool>(dagNode, kMergeGroupRootAttribute, false);
    const MObject mesh = classification.hasDecidingChild ? dagNode.child(classification.childIndex) : MObject::kNullObj;
    const bool hasMesh = !mesh.isNull() && mesh.hasFn(MFn::kMesh);
    const auto found = recording.model().mergeGroups.try_emplace(std::uint32_t(classification.mergeGroupId));
    MergeRecord& record = found.first->second;
    const bool created = found.second;
    if (created) {
        record.groupNumber = std::uint32_t(classification.mergeGroupId);
        record.shapeId = recording.takeShapeId();
    }
    if (hasMesh && record.memberMeshes.empty()) {
        record.cpuMesh = classification.cpuMesh;
        record.occluder = classification.occluder;
    }
    node.merge = &record;
    if (hasMesh) node.decidingChild = mesh;
    if (isRoot && !record.rootWritten) {
        // The first node marked as root carries the group's Shape and is its first member.
        record.rootWritten = true;
        record.rootHasNoMesh = !hasMesh;
        record.root = transform;
        node.mergeRole = created && !hasMesh ? Role::FirstNodeRoot : Role::Root;
        if (hasMesh) addMember(record, transform, mesh, recording.model().materials, true);
        return true;
    }
    node.mergeRole = created ? Role::FirstNode : Role::Member;
    if (hasMesh) addMember(record, transform, mesh, recording.model().materials, false);
    return true;
}

bool recordMergedChildrenNode(NodeRecording& recording, SceneNode& node) {
    MergeRecord& record = recording.model().mergedChildren.emplace_back();
    record.groupNumber = kMergedChildrenGroup;
    record.mergedChildren = true;
    record.rootWritten = true;
    record.root = recording.transform();
    record.shapeId = recording.takeShapeId();
    node.merge = &record;

    static const char* const kSwitchNames[] = {"q5X_mergeChildrenFreezeTrans", "q5X_mergeChildrenFreezeRot",
                                               "q5X_mergeChildrenFreezeScale"};
    FreezeSwitches first;
    const MFnDagNode root(recording.transform());
    for (unsigned i = 0; i < root.childCount(); ++i) {
        const MObject childObject = root.child(i);
        if (!childObject.hasFn(MFn::kTransform)) continue;
        MDagPath child = recording.transform();
        child.push(childObject);
        const MFnDagNode childNode(child);
        const MObject mesh = memberMesh(childNode);
        if (mesh.isNull()) continue;
        const bool kept[3] = {readAttribute<bool>(childNode, kSwitchNames[0], true), readAttribute<bool>(childNode, kSwitchNames[1], true),
                              readAttribute<bool>(childNode, kSwitchNames[2], true)};
        const bool cpuMesh = readAttribute<bool>(childNode, kCpuMeshAttribute, false);
        if (record.memberMeshes.empty()) {
            first = {kept[0], kept[1], kept[2]};
            record.occluder = readAttribute<bool>(childNode, kOccluderAttribute, false);
        } else {
            const bool firstKept[3] = {first.translation, first.rotation, first.scale};
            for (int s = 0; s < 3; ++s) {
                if (kept[s] != firstKept[s]) warnConflict(child, kSwitchNames[s]);
            }
            if (record.cpuMesh && !cpuMesh) {
                MGlobal::displayWarning(MString("q5xExport: Merge children transform (") + child.partialPathName() +
                                        ")  is not marked as CPU mesh, but the first child is. Assuming CPU mesh should be used\n");
            }
        }
        record.cpuMesh = record.cpuMesh || cpuMesh;
        record.memberToRoot.push_back(frozenMatrix(child, first, recording.context().unitScale));
        record.memberValues.push_back(std::uint32_t(record.memberMeshes.size()));
        addMember(record, child, mesh, recording.model().materials, false);
    }
    return true;
}
