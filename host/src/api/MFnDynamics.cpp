// The particle and field function sets over their nodes' attributes (inputs followed, like any plug).
#include "ApiAccess.h"

#include <maya/MFnAirField.h>
#include <maya/MFnGravityField.h>
#include <maya/MFnParticleSystem.h>

using namespace mayahost;

namespace {

MVector directionOf(const MObject& object, MStatus* ReturnStatus) {
    double values[3] = {0.0, 0.0, 0.0};
    const bool found = tripleNamed(object, "direction", values);
    if (ReturnStatus) *ReturnStatus = found ? MStatus::kSuccess : MStatus::kFailure;
    return MVector(values[0], values[1], values[2]);
}

}  // namespace

MFnParticleSystem::MFnParticleSystem() = default;
MFnParticleSystem::MFnParticleSystem(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnParticleSystem::MFnParticleSystem(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnParticleSystem::type() const { return MFn::kParticle; }

// The node's "particleRenderType" numbers the kinds in another order than the function set.
MFnParticleSystem::RenderType MFnParticleSystem::renderType(MStatus* ReturnStatus) const {
    static const RenderType kByAttribute[] = {kMultiPoint, kMultiStreak, kNumeric, kPoints, kSpheres,
                                              kSprites,    kStreak,      kBlobby,  kCloud,  kTube};
    const double value = numberWithStatus(object_, "particleRenderType", ReturnStatus);
    const int index = value >= 0.0 && value < 10.0 ? int(value) : 3;
    return kByAttribute[index];
}

MFnField::MFnField() = default;
MFnField::MFnField(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnField::MFnField(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnField::type() const { return MFn::kField; }
double MFnField::magnitude(MStatus* ReturnStatus) const { return numberWithStatus(object_, "magnitude", ReturnStatus); }

MFnGravityField::MFnGravityField() = default;
MFnGravityField::MFnGravityField(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnGravityField::MFnGravityField(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnGravityField::type() const { return MFn::kGravity; }
MVector MFnGravityField::direction(MStatus* ReturnStatus) const { return directionOf(object_, ReturnStatus); }

MFnAirField::MFnAirField() = default;
MFnAirField::MFnAirField(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnAirField::MFnAirField(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnAirField::type() const { return MFn::kAir; }
MVector MFnAirField::direction(MStatus* ReturnStatus) const { return directionOf(object_, ReturnStatus); }
double MFnAirField::speed(MStatus* ReturnStatus) const { return numberWithStatus(object_, "speed", ReturnStatus); }
