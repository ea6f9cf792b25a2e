#ifndef MAYA_MFNPHONGSHADER_H
#define MAYA_MFNPHONGSHADER_H

#include <maya/MFnReflectShader.h>

class MFnPhongShader : public MFnReflectShader {
public:
    MFnPhongShader();
    MFnPhongShader(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    float cosPower(MStatus* ReturnStatus = NULL) const;
};

#endif
