#include "Classification.h"

#include "AttributeReaders.h"
#include "SteeringAttributeNames.h"

#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>

namespace {

bool contains(const MString& text, const char* part) {
    return std::string_view(text.asChar(), text.length()).find(part) != std::string_view::npos;
}

bool isDefaultCameraName(const MString& name) {
    return name == "persp" || name == "top" || name == "side" || name == "front";
}

// The mesh child of a transform, or the bounding volume it asks for instead.
bool classifyMesh(const ExportOptions& options, const MFnDagNode& parent, const MObject& child,
                  NodeClassification& result) {
    const MFnDagNode mesh(child);
    if (!options.shapes || mesh.isIntermediateObject() || contains(parent.name(), "shaderBallGeom1")) return false;
    const std::string target = readText(parent, kBoundingVolumeAttribute);
    if (!target.empty()) {
        if (result.boundingVolumeTarget.empty()) {
            result.boundingVolumeTarget = target;
            result.boundingVolumeMesh = child;
        }
        return false;
    }
    result.mergeGroupId = options.mergeGroups ? readAttribute<int>(parent, kMergeGroupAttribute, 0) : 0;
    result.cpuMesh = readAttribute<bool>(parent, kCpuMeshAttribute, false);
    result.occluder = readAttribute<bool>(parent, kOccluderAttribute, false);
    const int splitType = readAttribute<int>(parent, kSplitTypeAttribute, 0);
    result.kind = result.mergeGroupId >= 1 ? NodeKind::MergeGroup
                  : splitType >= 1         ? NodeKind::SplitShape
                                           : NodeKind::Shape;
    return true;
}

bool classifyLight(const ExportOptions& options, const MFnDagNode& parent, const MObject& child) {
    if (!options.lights) return false;
    if (child.hasFn(MFn::kAreaLight) && contains(parent.name(), "MayaMtlView_")) {
        const std::string name(parent.name().asChar());
        MGlobal::displayWarning(MString("q5xExport: Skipping area light ") + name.substr(0, 255).c_str());
        return false;
    }
    return true;
}

bool classifyCamera(const ExportOptions& options, const MFnDagNode& parent) {
    if (!options.cameras) return false;
    if (!options.defaultCameras && isDefaultCameraName(parent.name())) return false;
    if (contains(parent.name(), "shaderBallCamera1")) {
        MGlobal::displayWarning("q5xExport: Skipping shaderBallCamera1");
        return false;
    }
    return true;
}

// The kind a non-transform child gives its parent, or false when it does not match.
bool classifyChild(const ExportOptions& options, const MFnDagNode& parent, const MObject& child,
                   NodeClassification& result, NodeKind& kind) {
    if (child.hasFn(MFn::kEmitter)) {
        kind = NodeKind::Emitter;
        return true;
    }
    if (child.hasFn(MFn::kMesh)) {
        if (!classifyMesh(options, parent, child, result)) return false;
        kind = result.kind;
        return true;
    }
    if (child.hasFn(MFn::kNurbsCurve)) {
        kind = NodeKind::NurbsCurve;
        return options.shapes && options.nurbsCurves;
    }
    if (child.hasFn(MFn::kLight)) {
        kind = NodeKind::Light;
        return classifyLight(options, parent, child);
    }
    if (child.hasFn(MFn::kCamera)) {
        kind = NodeKind::Camera;
        return classifyCamera(options, parent);
    }
    return false;
}

}  // namespace

NodeClassification classifyTransform(const ExportOptions& options, const MSelectionList& selection,
                                     const MDagPath& transform) {
    NodeClassification result;
    if (options.selectionOnly && !selection.hasItem(transform)) return result;
    if (transform.hasFn(MFn::kManipulator3D)) return result;
    if (!options.ikHandles && (transform.hasFn(MFn::kIkHandle) || transform.hasFn(MFn::kIkEffector))) return result;
    const MFnDagNode node(transform);
    if (node.inUnderWorld() || node.isDefaultNode()) return result;
    if (readAttribute<bool>(node, kMergeChildrenAttribute, false)) {
        result.kind = NodeKind::MergeChildren;
        result.exportNode = true;
        return result;
    }

    const unsigned childCount = node.childCount();
    result.exportNode = childCount == 0;
    bool decided = false;
    for (unsigned i = 0; i < childCount; ++i) {
        const MObject child = node.child(i);
        // Emitters are transforms too: one below a transform makes it a Dynamic, not a group.
        if (child.hasFn(MFn::kTransform) && !child.hasFn(MFn::kEmitter)) {
            // A child transform counts as a match, so that groups of groups are kept.
            result.transformChildren.push_back(i);
            result.exportNode = true;
            continue;
        }
        NodeKind kind = result.kind;
        if (!classifyChild(options, node, child, result, kind)) continue;
        if (decided) result.overriddenChildren.push_back(result.childIndex);
        result.exportNode = true;
        result.kind = kind;
        result.childIndex = i;
        result.hasDecidingChild = true;
        decided = true;
    }
    if (result.kind == NodeKind::TransformGroup && options.mergeGroups && options.shapes) {
        const int group = readAttribute<int>(node, kMergeGroupAttribute, 0);
        if (group >= 1 && readAttribute<bool>(node, kMergeGroupRootAttribute, false)) {
            result.kind = NodeKind::MergeGroup;
            result.mergeGroupId = group;
        }
    }
    return result;
}
