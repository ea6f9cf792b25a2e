#include "ShapeRecords.h"

#include "AttributeReaders.h"
#include "Classification.h"

#include "geometry/MeshExtraction.h"

#include "saveutil/TextUtils.h"

#include <maya/MFnMesh.h>
#include <maya/MGlobal.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>

#include <algorithm>

RigidBodyFlags readRigidBodyFlags(const MFnDependencyNode& transform) {
    RigidBodyFlags flags;
    flags.isStatic = readAttribute<bool>(transform, "q5X_static", true);
    flags.kinematic = readAttribute<bool>(transform, "q5X_kinematic", false);
    flags.dynamic = readAttribute<bool>(transform, "q5X_dynamic", false);
    flags.compoundChild = readAttribute<bool>(transform, "q5X_compoundChild", false);
    return flags;
}


std::vector<std::uint32_t> collectMaterialIds(const MObject& mesh, MaterialTable& materials) {
    MObjectArray groups;
    MIntArray indices;
    MFnMesh(mesh).getConnectedShaders(0, groups, indices);
    int highest = -1;
    for (unsigned i = 0; i < indices.length(); ++i) highest = std::max(highest, indices[i]);
    std::vector<std::uint32_t> ids;
    for (int g = 0; g <= highest && g < int(groups.length()); ++g) {
        const MFnDependencyNode group(groups[unsigned(g)]);
        MStatus status;
        const MPlug surfaceShader = group.findPlug("surfaceShader", true, &status);
        MPlugArray sources;
        if (!status) {
            MGlobal::displayWarning(MString("q5xExport: ShadingGroup surfaceShader attribute not found (") + group.name() + ")");
        } else if (!surfaceShader.connectedTo(sources, true, false) || sources.length() == 0) {
            MGlobal::displayWarning(MString("q5xExport: ShadingGroup surfaceShader attribute source plug not found (") +
                                    group.name() + ")");
        } else {
            ids.push_back(materials.insert(MFnDependencyNode(sources[0].node()).name().asChar()));
        }
    }
    if (ids.empty()) ids.push_back(materials.insert("lambert1"));
    return ids;
}

bool findSkinBinding(const MObject& mesh, SkinBinding& binding) {
    if (!findSkinCluster(mesh, binding.skinCluster)) return false;
    MStatus status;
    const MPlug matrices = MFnDependencyNode(binding.skinCluster).findPlug("matrix", true, &status);
    if (!status) return true;
    for (unsigned i = 0; i < matrices.numElements(); ++i) {
        MPlugArray sources;
        const MPlug element = matrices.elementByPhysicalIndex(i);
        element.connectedTo(sources, true, false);
        binding.elements.push_back(element.logicalIndex());
        MDagPath influence;
        if (sources.length() == 1 && MDagPath::getAPathTo(sources[0].node(), influence)) {
            binding.influences.emplace_back(influence.partialPathName().asChar());
        } else {
            binding.influences.emplace_back();
        }
    }
    return true;
}

void collectCollisionMeshes(const ExportOptions& options, const MSelectionList& selection, const MDagPath& transform,
                            ShapeRecord& record) {
    const MFnDagNode node(transform);
    for (unsigned i = 0; i < node.childCount(); ++i) {
        if (!node.child(i).hasFn(MFn::kTransform)) continue;
        MDagPath group = transform;
        group.push(node.child(i));
        if (!Q5XSaveUtil::equalsIgnoringCase(MFnDagNode(group).name().asChar(), "collisions")) return;
        const NodeClassification groupKind = classifyTransform(options, selection, group);
        if (!groupKind.exportNode || groupKind.kind != NodeKind::TransformGroup) return;
        for (std::uint32_t index : groupKind.transformChildren) {
            MDagPath member = group;
            member.push(group.child(index));
            const NodeClassification memberKind = classifyTransform(options, selection, member);
            if (memberKind.exportNode && memberKind.kind == NodeKind::Shape) {
                record.collisionMeshes.emplace_back(member.child(memberKind.childIndex), member.node());
            }
        }
        return;
    }
}
