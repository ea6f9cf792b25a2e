#ifndef MAYA_MFNENUMATTRIBUTE_H
#define MAYA_MFNENUMATTRIBUTE_H

#include <maya/MFnAttribute.h>

class MFnEnumAttribute : public MFnAttribute {
public:
    MFnEnumAttribute();
    MFnEnumAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;
    MString fieldName(short index, MStatus* ReturnStatus = NULL) const;
    short fieldIndex(const MString& fieldName, MStatus* ReturnStatus = NULL) const;
    MStatus getMin(short& minValue) const;
    MStatus getMax(short& maxValue) const;
    MStatus getDefault(short& value) const;
};

#endif
