#ifndef MAYA_MFNIKJOINT_H
#define MAYA_MFNIKJOINT_H

#include <maya/MFnTransform.h>

// A joint: its matrix is [S] [RA] [R] [JO] [IS] [T] (joint orientation, inverse parent scale).
class MFnIkJoint : public MFnTransform {
public:
    MFnIkJoint();
    MFnIkJoint(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnIkJoint(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MStatus getOrientation(MQuaternion& quaternion) const;
    MStatus getOrientation(MEulerRotation& rotation) const;
    MStatus getScaleOrientation(MQuaternion& quaternion) const;
    MStatus getSegmentScale(double scale[3]) const;
};

#endif
