#ifndef MAYA_MFNUNITATTRIBUTE_H
#define MAYA_MFNUNITATTRIBUTE_H

#include <maya/MFnAttribute.h>

class MFnUnitAttribute : public MFnAttribute {
public:
    enum Type { kInvalid, kAngle, kDistance, kTime, kLast };

    MFnUnitAttribute();
    MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;
    Type unitType(MStatus* ReturnStatus = NULL) const;
};

#endif
