#include <maya/MTime.h>

#include "HostState.h"

namespace {

// Length of one unit in seconds.
double secondsPer(MTime::Unit unit) {
    switch (unit) {
        case MTime::kHours: return 3600.0;
        case MTime::kMinutes: return 60.0;
        case MTime::kSeconds: return 1.0;
        case MTime::kMilliseconds: return 0.001;
        case MTime::kGames: return 1.0 / 15.0;
        case MTime::kFilm: return 1.0 / 24.0;
        case MTime::kPALFrame: return 1.0 / 25.0;
        case MTime::kNTSCFrame: return 1.0 / 30.0;
        case MTime::kShowScan: return 1.0 / 48.0;
        case MTime::kPALField: return 1.0 / 50.0;
        case MTime::kNTSCField: return 1.0 / 60.0;
        case MTime::k2FPS: return 1.0 / 2.0;
        case MTime::k3FPS: return 1.0 / 3.0;
        case MTime::k4FPS: return 1.0 / 4.0;
        case MTime::k5FPS: return 1.0 / 5.0;
        case MTime::k6FPS: return 1.0 / 6.0;
        case MTime::k8FPS: return 1.0 / 8.0;
        case MTime::k10FPS: return 1.0 / 10.0;
        case MTime::k12FPS: return 1.0 / 12.0;
        case MTime::k16FPS: return 1.0 / 16.0;
        case MTime::k20FPS: return 1.0 / 20.0;
        case MTime::k40FPS: return 1.0 / 40.0;
        case MTime::k75FPS: return 1.0 / 75.0;
        case MTime::k80FPS: return 1.0 / 80.0;
        case MTime::k100FPS: return 1.0 / 100.0;
        case MTime::k120FPS: return 1.0 / 120.0;
        case MTime::k125FPS: return 1.0 / 125.0;
        case MTime::k150FPS: return 1.0 / 150.0;
        case MTime::k200FPS: return 1.0 / 200.0;
        case MTime::k240FPS: return 1.0 / 240.0;
        case MTime::k250FPS: return 1.0 / 250.0;
        case MTime::k300FPS: return 1.0 / 300.0;
        case MTime::k375FPS: return 1.0 / 375.0;
        case MTime::k400FPS: return 1.0 / 400.0;
        case MTime::k500FPS: return 1.0 / 500.0;
        case MTime::k600FPS: return 1.0 / 600.0;
        case MTime::k750FPS: return 1.0 / 750.0;
        case MTime::k1200FPS: return 1.0 / 1200.0;
        case MTime::k1500FPS: return 1.0 / 1500.0;
        case MTime::k2000FPS: return 1.0 / 2000.0;
        case MTime::k3000FPS: return 1.0 / 3000.0;
        case MTime::k6000FPS: return 1.0 / 6000.0;
        case MTime::k23_976FPS: return 1001.0 / 24000.0;
        case MTime::k29_97FPS: return 1001.0 / 30000.0;
        case MTime::k29_97DF: return 1001.0 / 30000.0;
        case MTime::k47_952FPS: return 1001.0 / 48000.0;
        case MTime::k59_94FPS: return 1001.0 / 60000.0;
        case MTime::k44100FPS: return 1.0 / 44100.0;
        case MTime::k48000FPS: return 1.0 / 48000.0;
        case MTime::k90FPS: return 1.0 / 90.0;
        default: return 0.0;
    }
}

bool isValid(MTime::Unit unit) {
    return unit > MTime::kInvalid && unit < MTime::kLast;
}

}  // namespace

MTime::MTime() : value_(0.0), unit_(uiUnit()) {}
MTime::MTime(double time, Unit unitSystem) : value_(time), unit_(unitSystem) {}

MTime::Unit MTime::unit() const { return unit_; }
double MTime::value() const { return value_; }

MStatus MTime::setUnit(Unit newUnit) {
    if (!isValid(newUnit)) return MStatus::kInvalidParameter;
    unit_ = newUnit;
    return MStatus::kSuccess;
}

MStatus MTime::setValue(double newTime) {
    value_ = newTime;
    return MStatus::kSuccess;
}

double MTime::as(Unit unitSystem) const {
    if (!isValid(unitSystem) || !isValid(unit_)) return 0.0;
    return value_ * secondsPer(unit_) / secondsPer(unitSystem);
}

MTime::Unit MTime::uiUnit() { return mayahost::sceneState().timeUnit; }

MStatus MTime::setUIUnit(Unit newUnit) {
    if (!isValid(newUnit)) return MStatus::kInvalidParameter;
    mayahost::sceneState().timeUnit = newUnit;
    return MStatus::kSuccess;
}
