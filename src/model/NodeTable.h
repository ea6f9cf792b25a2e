#ifndef Q5X_MODEL_NODETABLE_H
#define Q5X_MODEL_NODETABLE_H

#include <maya/MEulerRotation.h>
#include <maya/MQuaternion.h>

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

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

// Partial DAG path name of every exported transform to its record. A level holds a million of
// them, nearly all without a rotate axis or joint orientation: those rotations are kept apart,
// the names are the model's own, and the look-up index is made at once when first asked for,
// after the scene walk has added every node.
class NodeTable {
public:
    // `pathName` must live as long as the table (the model's nodes hold it); a name added again
    // takes the later record.
    void add(std::string_view pathName, const NodeRecord& record);
    // The record of the node with this partial path name; false (and a default record) for none.
    bool find(std::string_view pathName, NodeRecord& record) const;
    // 0 for a name no exported node has.
    std::uint32_t nodeIdOf(std::string_view pathName) const;

private:
    struct Entry {
        std::string_view pathName;
        std::uint32_t nodeId;
        std::int32_t rotations;  // index into rotations_, -1 for none
        MEulerRotation::RotationOrder rotationOrder;
    };
    struct Rotations {
        bool hasRotateAxis;
        MQuaternion rotateAxis;
        bool hasJointOrientation;
        MQuaternion jointOrientation;
    };

    const Entry* entryOf(std::string_view pathName) const;

    std::vector<Entry> entries_;
    std::vector<Rotations> rotations_;
    mutable std::unordered_map<std::string_view, std::uint32_t> index_;  // into entries_
};

#endif
