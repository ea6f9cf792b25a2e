// The surface shader function sets: the lambert family's values, read through the same plug
// evaluation as any attribute, so a connected input gives its source's value.
#include "ApiAccess.h"

#include <maya/MFnBlinnShader.h>
#include <maya/MFnPhongShader.h>

#include <algorithm>
#include <cmath>

using namespace mayahost;

MStatus MColor::get(MColorType colorModel, float& c1, float& c2, float& c3) const {
    switch (colorModel) {
    case kRGB:
        c1 = r, c2 = g, c3 = b;
        return MStatus::kSuccess;
    case kCMY:
        c1 = 1.0f - r, c2 = 1.0f - g, c3 = 1.0f - b;
        return MStatus::kSuccess;
    case kHSV: {
        const float largest = std::max({r, g, b});
        const float range = largest - std::min({r, g, b});
        float hue = 0.0f;
        if (range > 0.0f) {
            if (largest == r) hue = std::fmod((g - b) / range + 6.0f, 6.0f);
            else if (largest == g) hue = (b - r) / range + 2.0f;
            else hue = (r - g) / range + 4.0f;
        }
        c1 = hue * 60.0f;
        c2 = largest > 0.0f ? range / largest : 0.0f;
        c3 = largest;
        return MStatus::kSuccess;
    }
    }
    return MStatus::kInvalidParameter;
}

MFnLambertShader::MFnLambertShader() = default;

MFnLambertShader::MFnLambertShader(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnLambertShader::type() const { return MFn::kLambert; }

MColor MFnLambertShader::colorOf(const char* attributeName, MStatus* ReturnStatus) const {
    double values[3];
    const bool found = tripleNamed(object_, attributeName, values);
    if (ReturnStatus) *ReturnStatus = found ? MStatus::kSuccess : MStatus::kFailure;
    return MColor(float(values[0]), float(values[1]), float(values[2]));
}

float MFnLambertShader::numberOf(const char* attributeName, MStatus* ReturnStatus) const {
    double value = 0.0;
    const bool found = numberNamed(object_, attributeName, value);
    if (ReturnStatus) *ReturnStatus = found ? MStatus::kSuccess : MStatus::kFailure;
    return float(value);
}

MColor MFnLambertShader::color(MStatus* ReturnStatus) const { return colorOf("color", ReturnStatus); }
MColor MFnLambertShader::transparency(MStatus* ReturnStatus) const { return colorOf("transparency", ReturnStatus); }
MColor MFnLambertShader::ambientColor(MStatus* ReturnStatus) const { return colorOf("ambientColor", ReturnStatus); }
MColor MFnLambertShader::incandescence(MStatus* ReturnStatus) const { return colorOf("incandescence", ReturnStatus); }
float MFnLambertShader::diffuseCoeff(MStatus* ReturnStatus) const { return numberOf("diffuse", ReturnStatus); }
float MFnLambertShader::glowIntensity(MStatus* ReturnStatus) const { return numberOf("glowIntensity", ReturnStatus); }
float MFnLambertShader::translucenceCoeff(MStatus* ReturnStatus) const { return numberOf("translucence", ReturnStatus); }
float MFnLambertShader::refractiveIndex(MStatus* ReturnStatus) const { return numberOf("refractiveIndex", ReturnStatus); }

MFnReflectShader::MFnReflectShader() = default;

MFnReflectShader::MFnReflectShader(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnReflectShader::type() const { return MFn::kReflect; }

MColor MFnReflectShader::specularColor(MStatus* ReturnStatus) const { return colorOf("specularColor", ReturnStatus); }
MColor MFnReflectShader::reflectedColor(MStatus* ReturnStatus) const { return colorOf("reflectedColor", ReturnStatus); }
float MFnReflectShader::reflectivity(MStatus* ReturnStatus) const { return numberOf("reflectivity", ReturnStatus); }

MFnPhongShader::MFnPhongShader() = default;

MFnPhongShader::MFnPhongShader(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnPhongShader::type() const { return MFn::kPhong; }

float MFnPhongShader::cosPower(MStatus* ReturnStatus) const { return numberOf("cosinePower", ReturnStatus); }

MFnBlinnShader::MFnBlinnShader() = default;

MFnBlinnShader::MFnBlinnShader(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnBlinnShader::type() const { return MFn::kBlinn; }

float MFnBlinnShader::eccentricity(MStatus* ReturnStatus) const { return numberOf("eccentricity", ReturnStatus); }
float MFnBlinnShader::specularRollOff(MStatus* ReturnStatus) const { return numberOf("specularRollOff", ReturnStatus); }
