#ifndef MAYA_MFNSPOTLIGHT_H
#define MAYA_MFNSPOTLIGHT_H

#include <maya/MFnNonExtendedLight.h>

class MFnSpotLight : public MFnNonExtendedLight {
public:
    MFnSpotLight();
    MFnSpotLight(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnSpotLight(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    // Radians.
    double coneAngle(MStatus* ReturnStatus = NULL) const;
    double penumbraAngle(MStatus* ReturnStatus = NULL) const;
    double dropOff(MStatus* ReturnStatus = NULL) const;
};

#endif
