#include "ShapeRecords.h"

#include "AttributeReaders.h"
#include "SteeringAttributeNames.h"
#include "Classification.h"

#include "lookup/SkinClusters.h"

#include "saveutil/TextUtils.h"

#include <maya/MFnMesh.h>
#include <maya/MGlobal.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <algorithm>

RigidBodyFlags readRigidBodyFlags(const MFnDependencyNode& transform) {
    RigidBodyFlags flags;
    flags.isStatic = readAttribute<bool>(transform, "q5X_static", true);
    flags.kinematic = readAttribute<bool>(transform, kKinematicAttribute, false);
    flags.dynamic = readAttribute<bool>(transform, kDynamicAttribute, false);
    flags.compoundChild = readAttribute<bool>(transform, "q5X_compoundChild", false);
    return flags;
}


std::vector<std::uint32_t> collectMaterialIds(const MeshShading& shading, MaterialTable& materials) {
    std::vector<std::uint32_t> ids;
    for (std::size_t g = 0; g < shading.usedGroups; ++g) {
        const MeshShading::Group& group = shading.groups[g];
        if (group.link == MeshShading::Link::NoSurfaceShader) {
            MGlobal::displayWarning(MString("q5xExport: ShadingGroup surfaceShader attribute not found (") + group.name.c_str() + ")");
        } else if (group.link == MeshShading::Link::NothingConnected) {
            MGlobal::displayWarning(MString("q5xExport: ShadingGroup surfaceShader attribute source plug not found (") +
                                    group.name.c_str() + ")");
        } else {
            ids.push_back(materials.insert(MFnDependencyNode(group.material).name().asChar()));
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
