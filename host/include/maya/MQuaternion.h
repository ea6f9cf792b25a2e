#ifndef MAYA_MQUATERNION_H
#define MAYA_MQUATERNION_H

#include <maya/MStatus.h>

class MEulerRotation;
class MMatrix;
class MVector;

// A rotation as a unit quaternion (x, y, z imaginary, w real).
class MQuaternion {
public:
    MQuaternion() : x(0.0), y(0.0), z(0.0), w(1.0) {}
    MQuaternion(double xx, double yy, double zz, double ww) : x(xx), y(yy), z(zz), w(ww) {}
    MQuaternion(double angle, const MVector& axis);

    // The rotation of `left` followed by `right` (row-vector order, as the matrices compose).
    MQuaternion operator*(const MQuaternion& right) const;
    bool operator==(const MQuaternion& other) const { return x == other.x && y == other.y && z == other.z && w == other.w; }
    MQuaternion conjugate() const { return MQuaternion(-x, -y, -z, w); }
    MQuaternion inverse() const;
    MQuaternion normal() const;
    MMatrix asMatrix() const;
    MEulerRotation asEulerRotation() const;
    MQuaternion& operator=(const MMatrix& rotation);
    bool isEquivalent(const MQuaternion& other, double tolerance = 1.0e-10) const;
    MStatus get(double d[4]) const {
        d[0] = x;
        d[1] = y;
        d[2] = z;
        d[3] = w;
        return MStatus::kSuccess;
    }

    static const MQuaternion identity;

    double x, y, z, w;
};

#endif
