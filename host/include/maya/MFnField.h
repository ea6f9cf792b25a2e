#ifndef MAYA_MFNFIELD_H
#define MAYA_MFNFIELD_H

#include <maya/MFnDagNode.h>

class MFnField : public MFnDagNode {
public:
    MFnField();
    MFnField(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnField(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    double magnitude(MStatus* ReturnStatus = NULL) const;
};

#endif
