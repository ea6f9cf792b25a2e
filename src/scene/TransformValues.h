#ifndef Q5X_SCENE_TRANSFORMVALUES_H
#define Q5X_SCENE_TRANSFORMVALUES_H

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

#include <maya/MDagPath.h>

#include <string>

// Degrees in a radian, for every angle the document carries.
constexpr double kRadiansToDegrees = 57.29577951308232;

// The translation, rotation and scale a node element carries, and the rotations the node table
// keeps for animation. Joints use their bind pose unless bind poses are ignored; pivots are
// folded into the translation so that the three reproduce the node's local matrix.
TransformValues readTransformValues(const ExportContext& context, const MDagPath& transform,
                                    const std::string& pathName, NodeRecord& record);

#endif
