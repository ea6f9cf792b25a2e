#ifndef MAYA_MPOINT_H
#define MAYA_MPOINT_H

#include <maya/MStatus.h>
#include <maya/MVector.h>

class MMatrix;

// A point in homogeneous coordinates.
class MPoint {
public:
    MPoint() : x(0.0), y(0.0), z(0.0), w(1.0) {}
    MPoint(double xx, double yy, double zz = 0.0, double ww = 1.0) : x(xx), y(yy), z(zz), w(ww) {}
    MPoint(const MVector& v) : x(v.x), y(v.y), z(v.z), w(1.0) {}

    MPoint operator+(const MVector& v) const { return MPoint(x + v.x, y + v.y, z + v.z, w); }
    MVector operator-(const MPoint& other) const { return MVector(x - other.x, y - other.y, z - other.z); }
    MPoint operator*(const MMatrix& matrix) const;
    bool operator==(const MPoint& other) const { return x == other.x && y == other.y && z == other.z && w == other.w; }
    double distanceTo(const MPoint& other) const;
    MStatus get(double d[4]) const {
        d[0] = x;
        d[1] = y;
        d[2] = z;
        d[3] = w;
        return MStatus::kSuccess;
    }
    bool isEquivalent(const MPoint& other, double tolerance = 1.0e-10) const;

    static const MPoint origin;

    double x, y, z, w;
};

#endif
