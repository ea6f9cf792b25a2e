#include "NodeElements.h"

namespace {

const NodeElement kTransformGroup{"TransformGroup", writeTransformGroupAttributes, true};
const NodeElement kMeshShape{"Shape", writeMeshShapeAttributes, true};
const NodeElement kCurveShape{"Shape", writeCurveShapeAttributes, true};
const NodeElement kReferenceNode{"ReferenceNode", writeReferenceNodeAttributes, false};

// Indexed by NodeKind. Merge groups, merged children, emitters, cameras and lights come with
// their own writers.
const NodeElement* const kElementByKind[kNodeKindCount] = {
    &kTransformGroup,  // TransformGroup
    &kMeshShape,       // Shape
    nullptr,           // MergeGroup
    nullptr,           // MergeChildren
    &kMeshShape,       // SplitShape
    nullptr,           // Emitter
    nullptr,           // Camera
    &kCurveShape,      // NurbsCurve
    nullptr,           // Light
};

}  // namespace

const NodeElement* nodeElementFor(NodeKind kind) {
    const auto index = static_cast<unsigned>(kind);
    return index < kNodeKindCount ? kElementByKind[index] : nullptr;
}

bool hasNodeElement(NodeKind kind) {
    return nodeElementFor(kind) != nullptr;
}

const NodeElement& referenceNodeElement() {
    return kReferenceNode;
}
