#ifndef MAYA_MFLOATMATRIX_H
#define MAYA_MFLOATMATRIX_H

#include <maya/MStatus.h>

// A 4x4 float matrix for row vectors.
class MFloatMatrix {
public:
    MFloatMatrix();
    explicit MFloatMatrix(const float m[4][4]);
    explicit MFloatMatrix(const double m[4][4]);

    MFloatMatrix operator*(const MFloatMatrix& right) const;
    float operator()(unsigned int row, unsigned int col) const { return matrix[row][col]; }
    float& operator()(unsigned int row, unsigned int col) { return matrix[row][col]; }
    const float* operator[](unsigned int row) const { return matrix[row]; }
    float* operator[](unsigned int row) { return matrix[row]; }
    MFloatMatrix inverse() const;
    MFloatMatrix transpose() const;
    MStatus get(float dest[4][4]) const;
    MFloatMatrix& setToIdentity();

    float matrix[4][4];
};

#endif
