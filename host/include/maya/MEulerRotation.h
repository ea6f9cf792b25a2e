#ifndef MAYA_MEULERROTATION_H
#define MAYA_MEULERROTATION_H

#include <maya/MStatus.h>

class MMatrix;
class MQuaternion;

// Three rotations in radians, applied in the given order.
class MEulerRotation {
public:
    enum RotationOrder { kXYZ, kYZX, kZXY, kXZY, kYXZ, kZYX };

    MEulerRotation() : x(0.0), y(0.0), z(0.0), order(kXYZ) {}
    MEulerRotation(double xx, double yy, double zz, RotationOrder ord = kXYZ) : x(xx), y(yy), z(zz), order(ord) {}

    MMatrix asMatrix() const;
    MQuaternion asQuaternion() const;
    // Same orientation expressed in another order.
    MEulerRotation reorder(RotationOrder newOrder) const;
    MEulerRotation& reorderIt(RotationOrder newOrder);
    bool isEquivalent(const MEulerRotation& other, double tolerance = 1.0e-10) const;
    bool operator==(const MEulerRotation& other) const { return x == other.x && y == other.y && z == other.z && order == other.order; }

    // The rotation of a pure rotation matrix, in the given order.
    static MEulerRotation decompose(const MMatrix& matrix, RotationOrder ord);

    double x, y, z;
    RotationOrder order;
};

#endif
