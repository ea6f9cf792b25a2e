#ifndef MAYA_MFNNONEXTENDEDLIGHT_H
#define MAYA_MFNNONEXTENDEDLIGHT_H

#include <maya/MFnNonAmbientLight.h>

class MFnNonExtendedLight : public MFnNonAmbientLight {
public:
    MFnNonExtendedLight();
    MFnNonExtendedLight(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnNonExtendedLight(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    bool useDepthMapShadows(MStatus* ReturnStatus = NULL) const;
    float depthMapBias(MStatus* ReturnStatus = NULL) const;
    short depthMapResolution(MStatus* ReturnStatus = NULL) const;
};

#endif
