#ifndef MAYA_MFNTRANSFORM_H
#define MAYA_MFNTRANSFORM_H

#include <maya/MEulerRotation.h>
#include <maya/MFnDagNode.h>
#include <maya/MPoint.h>
#include <maya/MQuaternion.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MTypes.h>
#include <maya/MVector.h>

class MFnTransform : public MFnDagNode {
public:
    enum LimitType {
        kScaleMinX, kScaleMaxX, kScaleMinY, kScaleMaxY, kScaleMinZ, kScaleMaxZ,
        kShearMinXY, kShearMaxXY, kShearMinXZ, kShearMaxXZ, kShearMinYZ, kShearMaxYZ,
        kRotateMinX, kRotateMaxX, kRotateMinY, kRotateMaxY, kRotateMinZ, kRotateMaxZ,
        kTranslateMinX, kTranslateMaxX, kTranslateMinY, kTranslateMaxY, kTranslateMinZ, kTranslateMaxZ
    };

    MFnTransform();
    MFnTransform(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnTransform(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MTransformationMatrix transformation(MStatus* ReturnStatus = NULL) const;
    MStatus set(const MTransformationMatrix& transform);
    MVector getTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MStatus setTranslation(const MVector& vector, MSpace::Space space);
    MStatus getRotation(MEulerRotation& rotation) const;
    MStatus getRotation(MQuaternion& rotation, MSpace::Space space = MSpace::kTransform) const;
    MStatus setRotation(const MEulerRotation& rotation);
    MStatus getScale(double scale[3]) const;
    MStatus setScale(const double scale[3]);
    MStatus getShear(double shear[3]) const;
    MQuaternion rotateOrientation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MPoint rotatePivot(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MPoint scalePivot(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MVector rotatePivotTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MVector scalePivotTranslation(MSpace::Space space, MStatus* ReturnStatus = NULL) const;
    MTransformationMatrix::RotationOrder rotationOrder(MStatus* ReturnStatus = NULL) const;

    bool isLimited(LimitType type, MStatus* ReturnStatus = NULL) const;
    double limitValue(LimitType type, MStatus* ReturnStatus = NULL) const;

    MTransformationMatrix restPosition(MStatus* ReturnStatus = NULL) const;
    MStatus setRestPosition(const MTransformationMatrix& matrix);
    MStatus resetFromRestPosition();
};

#endif
