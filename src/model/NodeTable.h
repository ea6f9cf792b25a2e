#ifndef Q5X_MODEL_NODETABLE_H
#define Q5X_MODEL_NODETABLE_H

#include <maya/MEulerRotation.h>
#include <maya/MQuaternion.h>

#include <cstdint>
#include <map>
#include <string>

// What later sections need to know of a node written to the Scene section: its identifier and
// the rotations that animated rotations must be combined with the same way.
struct NodeRecord {
    std::uint32_t nodeId = 0;
    bool hasRotateAxis = false;
    MQuaternion rotateAxis;
    bool hasJointOrientation = false;
    MQuaternion jointOrientation;
    MEulerRotation::RotationOrder rotationOrder = MEulerRotation::kXYZ;
};

// Partial DAG path name of every exported transform to its record.
using NodeTable = std::map<std::string, NodeRecord>;

#endif
