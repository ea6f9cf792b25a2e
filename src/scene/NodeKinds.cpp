#include "NodeKinds.h"

#include "saveutil/TextUtils.h"

#include <maya/MFnDagNode.h>

namespace {

bool recordGroup(NodeRecording&, SceneNode&) {
    return true;
}

// Cameras are written for the camera shape that decided their kind.
bool recordCamera(NodeRecording& recording, SceneNode& node) {
    node.decidingChild = MFnDagNode(recording.transform()).child(recording.classification().childIndex);
    return true;
}

// A shape node is written for the child that decided its kind, with that child's shape record.
bool recordShapeNode(NodeRecording& recording, SceneNode& node) {
    node.decidingChild = MFnDagNode(recording.transform()).child(recording.classification().childIndex);
    node.shape = recording.recordShape(node.decidingChild);
    return true;
}

// Indexed by NodeKind.
const NodeKindHandler kHandlers[kNodeKindCount] = {
    {NodeKind::TransformGroup, recordGroup, ChildWalk::TransformChildren, &transformGroupElement()},
    {NodeKind::Shape, recordShapeNode, ChildWalk::TransformChildren, &meshShapeElement()},
    // A merge group's nodes are TransformGroups until the group is resolved (resolveMergeGroups).
    {NodeKind::MergeGroup, recordMergeGroupNode, ChildWalk::TransformChildren, &transformGroupElement()},
    {NodeKind::MergeChildren, recordMergedChildrenNode, ChildWalk::None, &mergedChildrenElement()},
    {NodeKind::SplitShape, recordSplitShape, ChildWalk::TransformChildren, &meshShapeElement()},
    {NodeKind::Emitter, recordEmitter, ChildWalk::TransformChildren, &dynamicElement()},
    {NodeKind::Camera, recordCamera, ChildWalk::TransformChildren, &cameraElement()},
    {NodeKind::NurbsCurve, recordShapeNode, ChildWalk::TransformChildren, &curveShapeElement()},
    {NodeKind::Light, recordLight, ChildWalk::TransformChildren, &lightElement()},
};

}  // namespace

bool recordSplitShape(NodeRecording& recording, SceneNode& node) {
    recordShapeNode(recording, node);
    const MFnDagNode transform(recording.transform());
    for (const std::uint32_t index : recording.classification().transformChildren) {
        MDagPath child = recording.transform();
        child.push(transform.child(index));
        if (!Q5XSaveUtil::equalsIgnoringCase(MFnDagNode(child).name().asChar(), "collisions")) continue;
        const NodeClassification kind = classifyTransform(recording.context().options, recording.selection(), child);
        if (kind.exportNode && kind.kind == NodeKind::TransformGroup) recording.passOverChild(index);
    }
    return true;
}

const NodeKindHandler& handlerFor(NodeKind kind) {
    return kHandlers[static_cast<unsigned>(kind)];
}
