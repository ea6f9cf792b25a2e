#ifndef MAYA_MFLOATVECTOR_H
#define MAYA_MFLOATVECTOR_H

// A vector in single precision.
class MFloatVector {
public:
    MFloatVector() : x(0.0f), y(0.0f), z(0.0f) {}
    MFloatVector(float xx, float yy, float zz) : x(xx), y(yy), z(zz) {}

    float x, y, z;
};

#endif
