#include "NodeKinds.h"

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
    {NodeKind::SplitShape, recordShapeNode, ChildWalk::TransformChildren, &meshShapeElement()},
    {NodeKind::Emitter, recordEmitter, ChildWalk::TransformChildren, &dynamicElement()},
    {NodeKind::Camera, recordCamera, ChildWalk::TransformChildren, &cameraElement()},
    {NodeKind::NurbsCurve, recordShapeNode, ChildWalk::TransformChildren, &curveShapeElement()},
    {NodeKind::Light, recordLight, ChildWalk::TransformChildren, &lightElement()},
};

}  // namespace

const NodeKindHandler& handlerFor(NodeKind kind) {
    return kHandlers[static_cast<unsigned>(kind)];
}
