#ifndef MAYA_MFNTYPEDATTRIBUTE_H
#define MAYA_MFNTYPEDATTRIBUTE_H

#include <maya/MFnAttribute.h>
#include <maya/MFnData.h>

class MFnTypedAttribute : public MFnAttribute {
public:
    MFnTypedAttribute();
    MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;
    MFnData::Type attrType(MStatus* ReturnStatus = NULL) const;
};

#endif
