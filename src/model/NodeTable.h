#ifndef Q5X_MODEL_NODETABLE_H
#define Q5X_MODEL_NODETABLE_H

#include <maya/MEulerRotation.h>
#include <maya/MQuaternion.h>

#include <cstdint>
#include <string>
#include <unordered_map>

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

// A rotation as the document carries it: the node's rotation (in its own order) with the rotate
// axis before it and the joint orientation after it, as angles in XYZ order.
inline MEulerRotation documentRotation(MEulerRotation rotation, const NodeRecord& record) {
    if (record.hasRotateAxis || record.hasJointOrientation) {
        MQuaternion q = rotation.asQuaternion();
        if (record.hasRotateAxis) q = record.rotateAxis * q;
        if (record.hasJointOrientation) q = q * record.jointOrientation;
        rotation = q.asEulerRotation();
    }
    rotation.reorderIt(MEulerRotation::kXYZ);
    return rotation;
}

// Partial DAG path name of every exported transform to its record.
using NodeTable = std::unordered_map<std::string, NodeRecord>;

#endif
