#include "SceneWalk.h"

#include "AttributeReaders.h"
#include "NodeWriter.h"

#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>
#include <maya/MSelectionList.h>

#include <sstream>

namespace {

// A selected node brings its ancestors, not its descendants.
void collectSelection(ExportSettings& settings) {
    MSelectionList active;
    MGlobal::getActiveSelectionList(active);
    for (unsigned i = 0; i < active.length(); ++i) {
        MObject node;
        active.getDependNode(i, node);
        if (!node.hasFn(MFn::kDagNode)) continue;
        MDagPath path;
        if (!active.getDagPath(i, path)) continue;
        for (; path.length() > 0; path.pop()) settings.selection.add(path, MObject::kNullObj, true);
    }
}

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

bool isDefaultCameraName(const std::string& name) {
    return name == "persp" || name == "top" || name == "side" || name == "front";
}

// The mesh child of a transform, or the bounding volume it asks for instead.
bool classifyMesh(const ExportSettings& settings, const MDagPath& transform, const MFnDagNode& parent,
                  const MObject& child, NodeClassification& result, SceneCollections& collections) {
    const MFnDagNode mesh(child);
    if (!settings.shapes || mesh.isIntermediateObject() || contains(parent.name().asChar(), "shaderBallGeom1")) return false;
    const std::string target = readText(parent, "q5X_boundingVolume");
    if (!target.empty()) {
        collections.boundingVolumeRequests.emplace(target, BoundingVolumeRequest{transform.node(), child});
        return false;
    }
    result.mergeGroupId = settings.mergeGroups ? readAttribute<int>(parent, "q5X_mergeGroup", 0) : 0;
    result.cpuMesh = readAttribute<bool>(parent, "q5X_cpuMesh", false);
    result.occluder = readAttribute<bool>(parent, "q5X_oc", false);
    const int splitType = readAttribute<int>(parent, "q5X_splitType", 0);
    result.kind = result.mergeGroupId >= 1 ? NodeKind::MergeGroup : splitType >= 1 ? NodeKind::SplitShape : NodeKind::Shape;
    return true;
}

bool classifyLight(const ExportSettings& settings, const MFnDagNode& parent, const MObject& child) {
    if (!settings.lights) return false;
    if (child.hasFn(MFn::kAreaLight) && contains(parent.name().asChar(), "MayaMtlView_")) {
        MGlobal::displayWarning(MString("q5xExport: Skipping area light ") + std::string(parent.name().asChar()).substr(0, 255).c_str());
        return false;
    }
    return true;
}

bool classifyCamera(const ExportSettings& settings, const MFnDagNode& parent) {
    if (!settings.cameras) return false;
    const std::string name = parent.name().asChar();
    if (!settings.defaultCameras && isDefaultCameraName(name)) return false;
    if (contains(name, "shaderBallCamera1")) {
        MGlobal::displayWarning("q5xExport: Skipping shaderBallCamera1");
        return false;
    }
    return true;
}

}  // namespace

NodeClassification classifyTransform(const ExportSettings& settings, const MDagPath& transform,
                                     SceneCollections& collections) {
    NodeClassification result;
    const MFnDagNode node(transform);
    if (settings.selectionOnly && !settings.selection.hasItem(transform)) return result;
    if (transform.hasFn(MFn::kManipulator3D)) return result;
    if (!settings.ikHandles && (transform.hasFn(MFn::kIkHandle) || transform.hasFn(MFn::kIkEffector))) return result;
    if (node.inUnderWorld() || node.isDefaultNode()) return result;
    if (readAttribute<bool>(node, "q5X_mergeChildren", false)) {
        result.kind = NodeKind::MergeChildren;
        result.exportNode = true;
        return result;
    }

    result.exportNode = node.childCount() == 0;
    for (unsigned i = 0; i < node.childCount(); ++i) {
        const MObject child = node.child(i);
        bool matches = false;
        NodeKind kind = result.kind;
        if (child.hasFn(MFn::kEmitter)) {
            matches = true;
            kind = NodeKind::Emitter;
        } else if (child.hasFn(MFn::kMesh)) {
            NodeClassification mesh = result;
            matches = classifyMesh(settings, transform, node, child, mesh, collections);
            if (matches) result = mesh;
            kind = result.kind;
        } else if (child.hasFn(MFn::kNurbsCurve)) {
            matches = settings.shapes && settings.nurbsCurves;
            kind = NodeKind::NurbsCurve;
        } else if (child.hasFn(MFn::kLight)) {
            matches = classifyLight(settings, node, child);
            kind = NodeKind::Light;
        } else if (child.hasFn(MFn::kCamera)) {
            matches = classifyCamera(settings, node);
            kind = NodeKind::Camera;
        } else if (child.hasFn(MFn::kTransform)) {
            // A child transform counts as a match, so that groups of groups are kept.
            result.transformChildren.push_back(i);
            matches = true;
            kind = result.kind;
        }
        if (!matches) continue;
        result.exportNode = true;
        if (!child.hasFn(MFn::kTransform)) {
            result.kind = kind;
            result.childIndex = i;
        }
    }
    if (result.kind == NodeKind::TransformGroup && settings.mergeGroups && settings.shapes) {
        const int group = readAttribute<int>(node, "q5X_mergeGroup", 0);
        if (group >= 1 && readAttribute<bool>(node, "q5X_mergeGroupRoot", false)) {
            result.kind = NodeKind::MergeGroup;
            result.mergeGroupId = group;
        }
    }
    return result;
}

void visitTransform(ExportSettings& settings, const MDagPath& transform, unsigned depth, bool inCompound,
                    SceneCollections& collections, std::ostream& out) {
    const NodeClassification classification = classifyTransform(settings, transform, collections);
    if (!classification.exportNode) return;
    writeNode(settings, transform, classification, depth, inCompound, collections, out);
}

void writeNodeId(ExportSettings& settings, const MDagPath& transform, NodeTable& nodes, std::ostream& out) {
    NodeRecord& record = nodes[transform.partialPathName().asChar()];
    record.nodeId = settings.nextNodeId;
    out << " nodeId=\"" << settings.nextNodeId++ << "\"";
}

MStatus writeScene(ExportSettings& settings, SceneCollections& collections, std::ostream& out) {
    MStatus status;
    MItDag dag(MItDag::kDepthFirst, MFn::kInvalid, &status);
    if (!status) return status;
    out << "  <Scene>\n";
    if (settings.selectionOnly) collectSelection(settings);
    MDagPath world;
    dag.getPath(world);
    // Skinned shapes need the identifiers of nodes written after them: their placeholders are
    // replaced once the walk is done, the only time the text is rewritten.
    std::ostringstream skinned;
    skinned.imbue(out.getloc());
    std::ostream* nodes = &out;
    if (settings.skinWeights) nodes = &skinned;
    for (unsigned i = 0; i < world.childCount(); ++i) {
        const MObject child = world.child(i);
        if (!child.hasFn(MFn::kTransform)) continue;
        MDagPath path = world;
        path.push(child);
        visitTransform(settings, path, 0, false, collections, *nodes);
    }
    if (settings.skinWeights) out << replaceSkinPlaceholders(skinned.str(), collections);
    out << "  </Scene>\n";
    return MStatus::kSuccess;
}
