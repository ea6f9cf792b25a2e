#ifndef MAYA_MFNGRAVITYFIELD_H
#define MAYA_MFNGRAVITYFIELD_H

#include <maya/MFnField.h>
#include <maya/MVector.h>

class MFnGravityField : public MFnField {
public:
    MFnGravityField();
    MFnGravityField(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnGravityField(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MVector direction(MStatus* ReturnStatus = NULL) const;
};

#endif
