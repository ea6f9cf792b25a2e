#ifndef MAYA_MFNLAMBERTSHADER_H
#define MAYA_MFNLAMBERTSHADER_H

#include <maya/MColor.h>
#include <maya/MFnDependencyNode.h>

class MFnLambertShader : public MFnDependencyNode {
public:
    MFnLambertShader();
    MFnLambertShader(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MColor color(MStatus* ReturnStatus = NULL) const;
    MColor transparency(MStatus* ReturnStatus = NULL) const;
    MColor ambientColor(MStatus* ReturnStatus = NULL) const;
    MColor incandescence(MStatus* ReturnStatus = NULL) const;
    float diffuseCoeff(MStatus* ReturnStatus = NULL) const;
    float glowIntensity(MStatus* ReturnStatus = NULL) const;
    float translucenceCoeff(MStatus* ReturnStatus = NULL) const;
    float refractiveIndex(MStatus* ReturnStatus = NULL) const;

protected:
    // The colour of a compound of three numbers on the shader (inputs followed).
    MColor colorOf(const char* attributeName, MStatus* ReturnStatus) const;
    float numberOf(const char* attributeName, MStatus* ReturnStatus) const;
};

#endif
