#ifndef MAYA_MMATRIX_H
#define MAYA_MMATRIX_H

#include <maya/MStatus.h>

// A 4x4 double matrix for row vectors: points transform as p * M, the translation is row 3.
class MMatrix {
public:
    MMatrix();
    explicit MMatrix(const double m[4][4]);
    explicit MMatrix(const float m[4][4]);

    MMatrix operator*(const MMatrix& right) const;
    MMatrix& operator*=(const MMatrix& right);
    bool operator==(const MMatrix& other) const;
    bool operator!=(const MMatrix& other) const { return !(*this == other); }
    double operator()(unsigned int row, unsigned int col) const { return matrix[row][col]; }
    double& operator()(unsigned int row, unsigned int col) { return matrix[row][col]; }
    const double* operator[](unsigned int row) const { return matrix[row]; }
    double* operator[](unsigned int row) { return matrix[row]; }

    MMatrix transpose() const;
    MMatrix inverse() const;
    double det4x4() const;
    double det3x3() const;
    bool isEquivalent(const MMatrix& other, double tolerance = 1.0e-10) const;
    MStatus get(double dest[4][4]) const;
    MStatus get(float dest[4][4]) const;
    MMatrix& setToIdentity();

    static const MMatrix identity;

    double matrix[4][4];
};

#endif
