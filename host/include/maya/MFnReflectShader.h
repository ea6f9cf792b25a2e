#ifndef MAYA_MFNREFLECTSHADER_H
#define MAYA_MFNREFLECTSHADER_H

#include <maya/MFnLambertShader.h>

class MFnReflectShader : public MFnLambertShader {
public:
    MFnReflectShader();
    MFnReflectShader(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MColor specularColor(MStatus* ReturnStatus = NULL) const;
    MColor reflectedColor(MStatus* ReturnStatus = NULL) const;
    float reflectivity(MStatus* ReturnStatus = NULL) const;
};

#endif
