#ifndef MAYA_MFNNUMERICATTRIBUTE_H
#define MAYA_MFNNUMERICATTRIBUTE_H

#include <maya/MFnAttribute.h>
#include <maya/MFnNumericData.h>

class MFnNumericAttribute : public MFnAttribute {
public:
    MFnNumericAttribute();
    MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;
    MFnNumericData::Type unitType(MStatus* ReturnStatus = NULL) const;
    MStatus getDefault(double& value) const;
    MStatus getDefault(int& value) const;
    MStatus getDefault(bool& value) const;
    MStatus getMin(double& value) const;
    MStatus getMax(double& value) const;
    bool hasMin(MStatus* ReturnStatus = NULL) const;
    bool hasMax(MStatus* ReturnStatus = NULL) const;
};

#endif
