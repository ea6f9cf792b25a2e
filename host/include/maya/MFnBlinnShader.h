#ifndef MAYA_MFNBLINNSHADER_H
#define MAYA_MFNBLINNSHADER_H

#include <maya/MFnReflectShader.h>

class MFnBlinnShader : public MFnReflectShader {
public:
    MFnBlinnShader();
    MFnBlinnShader(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    float eccentricity(MStatus* ReturnStatus = NULL) const;
    float specularRollOff(MStatus* ReturnStatus = NULL) const;
};

#endif
