#ifndef MAYA_MTRANSFORMATIONMATRIX_H
#define MAYA_MTRANSFORMATIONMATRIX_H

#include <maya/MEulerRotation.h>
#include <maya/MMatrix.h>
#include <maya/MPoint.h>
#include <maya/MQuaternion.h>
#include <maya/MStatus.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

// A transform as its components: M = [Sp]^-1 [S] [Sh] [Sp] [St] [Rp]^-1 [Ra] [R] [Rp] [Rt] [T].
class MTransformationMatrix {
public:
    enum RotationOrder { kInvalid, kXYZ, kYZX, kZXY, kXZY, kYXZ, kZYX, kLast };

    MTransformationMatrix();
    MTransformationMatrix(const MMatrix& matrix);

    MMatrix asMatrix() const;
    MMatrix asMatrixInverse() const;
    MMatrix asRotateMatrix() const;

    MVector getTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setTranslation(const MVector& vector, MSpace::Space space);
    MStatus getScale(double scale[3], MSpace::Space space) const;
    MStatus setScale(const double scale[3], MSpace::Space space);
    MStatus getShear(double shear[3], MSpace::Space space) const;
    MStatus setShear(const double shear[3], MSpace::Space space);
    MEulerRotation eulerRotation() const;
    MQuaternion rotation() const;
    MTransformationMatrix& rotateTo(const MEulerRotation& rotation);
    MTransformationMatrix& rotateTo(const MQuaternion& rotation);
    RotationOrder rotationOrder(MStatus* ReturnStatus = NULL) const;
    MQuaternion rotationOrientation() const;
    MTransformationMatrix& setRotationOrientation(const MQuaternion& orientation);
    MPoint scalePivot(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setScalePivot(const MPoint& pivot, MSpace::Space space, bool balance);
    MVector scalePivotTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setScalePivotTranslation(const MVector& vector, MSpace::Space space);
    MPoint rotatePivot(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setRotatePivot(const MPoint& pivot, MSpace::Space space, bool balance);
    MVector rotatePivotTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setRotatePivotTranslation(const MVector& vector, MSpace::Space space);
    bool isEquivalent(const MTransformationMatrix& other, double tolerance = 1.0e-10) const;

    static const MTransformationMatrix identity;

private:
    MVector translation_;
    MEulerRotation rotation_;
    double scale_[3];
    double shear_[3];
    MQuaternion rotateAxis_;
    MPoint scalePivot_;
    MVector scalePivotTranslation_;
    MPoint rotatePivot_;
    MVector rotatePivotTranslation_;
};

#endif
