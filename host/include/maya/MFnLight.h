#ifndef MAYA_MFNLIGHT_H
#define MAYA_MFNLIGHT_H

#include <maya/MColor.h>
#include <maya/MFnDagNode.h>

class MFnLight : public MFnDagNode {
public:
    MFnLight();
    MFnLight(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnLight(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MColor color(MStatus* ReturnStatus = NULL) const;
    float intensity(MStatus* ReturnStatus = NULL) const;
    bool lightDiffuse(MStatus* ReturnStatus = NULL) const;
    bool lightSpecular(MStatus* ReturnStatus = NULL) const;
};

#endif
