#ifndef MAYA_MVECTOR_H
#define MAYA_MVECTOR_H

#include <maya/MStatus.h>

class MMatrix;

class MVector {
public:
    MVector() : x(0.0), y(0.0), z(0.0) {}
    MVector(double xx, double yy, double zz = 0.0) : x(xx), y(yy), z(zz) {}
    explicit MVector(const double d[3]) : x(d[0]), y(d[1]), z(d[2]) {}

    MVector operator+(const MVector& other) const { return MVector(x + other.x, y + other.y, z + other.z); }
    MVector operator-(const MVector& other) const { return MVector(x - other.x, y - other.y, z - other.z); }
    MVector operator-() const { return MVector(-x, -y, -z); }
    MVector operator*(double scale) const { return MVector(x * scale, y * scale, z * scale); }
    double operator*(const MVector& other) const { return x * other.x + y * other.y + z * other.z; }
    MVector operator^(const MVector& other) const {
        return MVector(y * other.z - z * other.y, z * other.x - x * other.z, x * other.y - y * other.x);
    }
    // Row vector times matrix: the vector is rotated and scaled, not translated.
    MVector operator*(const MMatrix& matrix) const;
    bool operator==(const MVector& other) const { return x == other.x && y == other.y && z == other.z; }
    double operator[](unsigned int i) const { return i == 0 ? x : i == 1 ? y : z; }
    double length() const;
    MVector normal() const;
    MStatus get(double d[3]) const {
        d[0] = x;
        d[1] = y;
        d[2] = z;
        return MStatus::kSuccess;
    }
    bool isEquivalent(const MVector& other, double tolerance = 1.0e-10) const;

    static const MVector zero;
    static const MVector xAxis;
    static const MVector yAxis;
    static const MVector zAxis;

    double x, y, z;
};

#endif
