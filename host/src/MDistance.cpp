#include <maya/MDistance.h>

#include "HostState.h"

namespace {

// Centimetres per unit, indexed by MDistance::Unit.
double centimetresPer(MDistance::Unit unit) {
    switch (unit) {
        case MDistance::kInches: return 2.54;
        case MDistance::kFeet: return 30.48;
        case MDistance::kYards: return 91.44;
        case MDistance::kMiles: return 160934.4;
        case MDistance::kMillimeters: return 0.1;
        case MDistance::kCentimeters: return 1.0;
        case MDistance::kKilometers: return 100000.0;
        case MDistance::kMeters: return 100.0;
        default: return 0.0;
    }
}

bool isValid(MDistance::Unit unit) {
    return unit > MDistance::kInvalid && unit < MDistance::kLast;
}

}  // namespace

MDistance::MDistance() : value_(0.0), unit_(kCentimeters) {}
MDistance::MDistance(double value, Unit unitSystem) : value_(value), unit_(unitSystem) {}

MDistance::Unit MDistance::unit() const { return unit_; }
double MDistance::value() const { return value_; }

MStatus MDistance::setUnit(Unit newUnit) {
    if (!isValid(newUnit)) return MStatus::kInvalidParameter;
    unit_ = newUnit;
    return MStatus::kSuccess;
}

MStatus MDistance::setValue(double newValue) {
    value_ = newValue;
    return MStatus::kSuccess;
}

double MDistance::as(Unit unitSystem, MStatus* ReturnStatus) const {
    const bool valid = isValid(unitSystem) && isValid(unit_);
    if (ReturnStatus) *ReturnStatus = valid ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return valid ? value_ * centimetresPer(unit_) / centimetresPer(unitSystem) : 0.0;
}

MDistance::Unit MDistance::uiUnit() { return mayahost::sceneState().linearUnit; }

MStatus MDistance::setUIUnit(Unit newUnit) {
    if (!isValid(newUnit)) return MStatus::kInvalidParameter;
    mayahost::sceneState().linearUnit = newUnit;
    return MStatus::kSuccess;
}

MDistance::Unit MDistance::internalUnit() { return kCentimeters; }

double MDistance::uiToInternal(double value) { return value * centimetresPer(uiUnit()); }

double MDistance::internalToUI(double value) { return value / centimetresPer(uiUnit()); }
