// The light and camera function sets over their shapes' attributes (inputs followed, like any plug).
#include "ApiAccess.h"

#include <maya/MFnCamera.h>
#include <maya/MFnSpotLight.h>

#include <cmath>

using namespace mayahost;

namespace {

// The angle the film back sees through the lens: the aperture is in inches, the focal length in
// millimetres. Film fit and overscan shape a viewport's view, not the camera's.
double fieldOfView(double apertureInches, double focalLengthMillimetres) {
    return 2.0 * std::atan(0.5 * apertureInches * 25.4 / focalLengthMillimetres);
}

}  // namespace

MFnLight::MFnLight() = default;
MFnLight::MFnLight(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnLight::MFnLight(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnLight::type() const { return MFn::kLight; }

MColor MFnLight::color(MStatus* ReturnStatus) const {
    double values[3];
    const bool found = tripleNamed(object_, "color", values);
    if (ReturnStatus) *ReturnStatus = found ? MStatus::kSuccess : MStatus::kFailure;
    return MColor(float(values[0]), float(values[1]), float(values[2]));
}

float MFnLight::intensity(MStatus* ReturnStatus) const { return float(numberWithStatus(object_, "intensity", ReturnStatus)); }
bool MFnLight::lightDiffuse(MStatus* ReturnStatus) const { return numberWithStatus(object_, "emitDiffuse", ReturnStatus) != 0.0; }
bool MFnLight::lightSpecular(MStatus* ReturnStatus) const { return numberWithStatus(object_, "emitSpecular", ReturnStatus) != 0.0; }

MFnNonAmbientLight::MFnNonAmbientLight() = default;
MFnNonAmbientLight::MFnNonAmbientLight(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnNonAmbientLight::MFnNonAmbientLight(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnNonAmbientLight::type() const { return MFn::kNonAmbientLight; }
short MFnNonAmbientLight::decayRate(MStatus* ReturnStatus) const { return short(numberWithStatus(object_, "decayRate", ReturnStatus)); }

MFnNonExtendedLight::MFnNonExtendedLight() = default;
MFnNonExtendedLight::MFnNonExtendedLight(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnNonExtendedLight::MFnNonExtendedLight(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnNonExtendedLight::type() const { return MFn::kNonExtendedLight; }

bool MFnNonExtendedLight::useDepthMapShadows(MStatus* ReturnStatus) const {
    return numberWithStatus(object_, "useDepthMapShadows", ReturnStatus) != 0.0;
}
float MFnNonExtendedLight::depthMapBias(MStatus* ReturnStatus) const { return float(numberWithStatus(object_, "dmapBias", ReturnStatus)); }
short MFnNonExtendedLight::depthMapResolution(MStatus* ReturnStatus) const {
    return short(numberWithStatus(object_, "dmapResolution", ReturnStatus));
}

MFnSpotLight::MFnSpotLight() = default;
MFnSpotLight::MFnSpotLight(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnSpotLight::MFnSpotLight(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnSpotLight::type() const { return MFn::kSpotLight; }
double MFnSpotLight::coneAngle(MStatus* ReturnStatus) const { return numberWithStatus(object_, "coneAngle", ReturnStatus); }
double MFnSpotLight::penumbraAngle(MStatus* ReturnStatus) const { return numberWithStatus(object_, "penumbraAngle", ReturnStatus); }
double MFnSpotLight::dropOff(MStatus* ReturnStatus) const { return numberWithStatus(object_, "dropoff", ReturnStatus); }

MFnCamera::MFnCamera() = default;
MFnCamera::MFnCamera(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnCamera::MFnCamera(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnCamera::type() const { return MFn::kCamera; }

double MFnCamera::horizontalFieldOfView(MStatus* ReturnStatus) const {
    return fieldOfView(horizontalFilmAperture(ReturnStatus), focalLength(ReturnStatus));
}
double MFnCamera::verticalFieldOfView(MStatus* ReturnStatus) const {
    return fieldOfView(verticalFilmAperture(ReturnStatus), focalLength(ReturnStatus));
}
double MFnCamera::focalLength(MStatus* ReturnStatus) const { return numberWithStatus(object_, "focalLength", ReturnStatus); }
double MFnCamera::horizontalFilmAperture(MStatus* ReturnStatus) const {
    return numberWithStatus(object_, "horizontalFilmAperture", ReturnStatus);
}
double MFnCamera::verticalFilmAperture(MStatus* ReturnStatus) const { return numberWithStatus(object_, "verticalFilmAperture", ReturnStatus); }
double MFnCamera::nearClippingPlane(MStatus* ReturnStatus) const { return numberWithStatus(object_, "nearClipPlane", ReturnStatus); }
double MFnCamera::farClippingPlane(MStatus* ReturnStatus) const { return numberWithStatus(object_, "farClipPlane", ReturnStatus); }
double MFnCamera::orthoWidth(MStatus* ReturnStatus) const { return numberWithStatus(object_, "orthographicWidth", ReturnStatus); }
bool MFnCamera::isOrtho(MStatus* ReturnStatus) const { return numberWithStatus(object_, "orthographic", ReturnStatus) != 0.0; }
