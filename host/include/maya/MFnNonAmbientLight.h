#ifndef MAYA_MFNNONAMBIENTLIGHT_H
#define MAYA_MFNNONAMBIENTLIGHT_H

#include <maya/MFnLight.h>

class MFnNonAmbientLight : public MFnLight {
public:
    MFnNonAmbientLight();
    MFnNonAmbientLight(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnNonAmbientLight(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    short decayRate(MStatus* ReturnStatus = NULL) const;
};

#endif
