#ifndef MAYA_MFNATTRIBUTE_H
#define MAYA_MFNATTRIBUTE_H

#include <maya/MFnBase.h>
#include <maya/MString.h>

class MFnAttribute : public MFnBase {
public:
    MFnAttribute();
    MFnAttribute(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MString name(MStatus* ReturnStatus = NULL) const;
    MString shortName(MStatus* ReturnStatus = NULL) const;
    bool isArray(MStatus* ReturnStatus = NULL) const;
    bool isDynamic(MStatus* ReturnStatus = NULL) const;
    bool isReadable(MStatus* ReturnStatus = NULL) const;
    bool isWritable(MStatus* ReturnStatus = NULL) const;
    bool isKeyable(MStatus* ReturnStatus = NULL) const;
    MObject parent(MStatus* ReturnStatus = NULL) const;
};

#endif
