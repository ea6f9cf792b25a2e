#ifndef Q5X_SCENE_TRANSFORMATTRIBUTES_H
#define Q5X_SCENE_TRANSFORMATTRIBUTES_H

#include "SceneCollections.h"

#include "plugin/ExportSettings.h"

#include <maya/MDagPath.h>

#include <ostream>
#include <string>

struct TransformSwitches {
    bool visibility;
    bool levelOfDetail;
    bool transform;
    bool lockedGroup;
};

// name, lockedgroup, translation, rotation (XYZ degrees, joints at their bind pose), scale,
// visibility and lodDistance, as the switches ask; fills the node table's rotations.
void writeTransformAttributes(const ExportSettings& settings, const MDagPath& transform, const TransformSwitches& switches,
                              NodeTable& nodes, std::ostream& out, const std::string& replacementName = std::string());
// objectMask, clipDistance, nodeId and the visibility conditions that close a start tag.
void writeClosingAttributes(ExportSettings& settings, const MDagPath& transform, NodeTable& nodes, std::ostream& out);
// A float in the fixed format: six decimals at most, no trailing zeros, "-0" as "0".
std::string fixedText(float value);

#endif
