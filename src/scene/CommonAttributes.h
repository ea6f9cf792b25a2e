#ifndef Q5X_SCENE_COMMONATTRIBUTES_H
#define Q5X_SCENE_COMMONATTRIBUTES_H

#include "NodeElements.h"

struct TransformSwitches {
    bool visibility;
    bool levelOfDetail;
    bool transform;
    bool lockedGroup;
};

// Shapes of every kind: visibility, transform and locked group, no level of detail.
constexpr TransformSwitches kShapeSwitches = {true, false, true, true};

// name, lockedgroup, translation, rotation, scale, visibility and lodDistance, as the switches ask;
// `name` (when given) replaces the node's own name.
void writeTransformAttributes(const NodeWriteContext& node, const TransformSwitches& switches,
                              Q5XSaveUtil::XmlWriter& out, const char* name = nullptr);
// objectMask, clipDistance, nodeId and the visibility conditions that close a start tag.
void writeClosingAttributes(const NodeWriteContext& node, Q5XSaveUtil::XmlWriter& out);

#endif
