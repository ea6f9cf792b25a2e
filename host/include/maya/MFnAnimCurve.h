#ifndef MAYA_MFNANIMCURVE_H
#define MAYA_MFNANIMCURVE_H

#include <maya/MFnDependencyNode.h>
#include <maya/MTime.h>

class MFnAnimCurve : public MFnDependencyNode {
public:
    enum TangentType {
        kTangentGlobal = 0,
        kTangentFixed,
        kTangentLinear,
        kTangentFlat,
        kTangentSmooth,
        kTangentStep,
        kTangentSlow,
        kTangentFast,
        kTangentClamped,
        kTangentPlateau,
        kTangentStepNext,
        kTangentAuto
    };

    MFnAnimCurve();
    MFnAnimCurve(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    unsigned int numKeys(MStatus* ReturnStatus = NULL) const;
    // Keys in time order: the key's time (in the scene's time unit), its value (internal units).
    MTime time(unsigned int index, MStatus* ReturnStatus = NULL) const;
    double value(unsigned int index, MStatus* ReturnStatus = NULL) const;
    TangentType inTangentType(unsigned int index, MStatus* ReturnStatus = NULL) const;
    TangentType outTangentType(unsigned int index, MStatus* ReturnStatus = NULL) const;
    bool isWeighted(MStatus* ReturnStatus = NULL) const;
    // The key's in or out tangent as a direction: x in seconds, y in internal units.
    MStatus getTangent(unsigned int index, float& x, float& y, bool isInTangent) const;
    // The curve's value at a time, between and outside its keys as Maya interpolates it.
    MStatus evaluate(const MTime& atTime, double& value) const;
};

#endif
