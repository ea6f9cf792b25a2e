#ifndef MAYA_MFNCOMPOUNDATTRIBUTE_H
#define MAYA_MFNCOMPOUNDATTRIBUTE_H

#include <maya/MFnAttribute.h>

class MFnCompoundAttribute : public MFnAttribute {
public:
    MFnCompoundAttribute();
    MFnCompoundAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;
    unsigned int numChildren(MStatus* ReturnStatus = NULL) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = NULL) const;
};

#endif
