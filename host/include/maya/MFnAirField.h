#ifndef MAYA_MFNAIRFIELD_H
#define MAYA_MFNAIRFIELD_H

#include <maya/MFnField.h>
#include <maya/MVector.h>

class MFnAirField : public MFnField {
public:
    MFnAirField();
    MFnAirField(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnAirField(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MVector direction(MStatus* ReturnStatus = NULL) const;
    double speed(MStatus* ReturnStatus = NULL) const;
};

#endif
