#ifndef MAYA_MFNBASE_H
#define MAYA_MFNBASE_H

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// Base of the function sets: an object the set operates on, when it is compatible.
class MFnBase {
public:
    MFnBase();
    virtual ~MFnBase();
    virtual MFn::Type type() const;
    bool hasObj(MFn::Type type) const;
    bool hasObj(const MObject& object) const;
    MObject object(MStatus* ReturnStatus = NULL) const;
    virtual MStatus setObject(MObject& object);
    virtual MStatus setObject(const MObject& object);

protected:
    MObject object_;
};

#endif
