#ifndef MAYA_MTIME_H
#define MAYA_MTIME_H

#include <maya/MStatus.h>

// A point in time with its unit. The UI unit is the scene's current time unit.
class MTime {
public:
    enum Unit {
        kInvalid,
        kHours,
        kMinutes,
        kSeconds,
        kMilliseconds,
        kGames,
        kFilm,
        kPALFrame,
        kNTSCFrame,
        kShowScan,
        kPALField,
        kNTSCField,
        k2FPS,
        k3FPS,
        k4FPS,
        k5FPS,
        k6FPS,
        k8FPS,
        k10FPS,
        k12FPS,
        k16FPS,
        k20FPS,
        k40FPS,
        k75FPS,
        k80FPS,
        k100FPS,
        k120FPS,
        k125FPS,
        k150FPS,
        k200FPS,
        k240FPS,
        k250FPS,
        k300FPS,
        k375FPS,
        k400FPS,
        k500FPS,
        k600FPS,
        k750FPS,
        k1200FPS,
        k1500FPS,
        k2000FPS,
        k3000FPS,
        k6000FPS,
        k23_976FPS,
        k29_97FPS,
        k29_97DF,
        k47_952FPS,
        k59_94FPS,
        k44100FPS,
        k48000FPS,
        k90FPS,
        kLast
    };

    MTime();
    MTime(double time, Unit unitSystem = uiUnit());

    Unit unit() const;
    double value() const;
    MStatus setUnit(Unit newUnit);
    MStatus setValue(double newTime);
    double as(Unit unitSystem) const;

    static Unit uiUnit();
    static MStatus setUIUnit(Unit newUnit);

private:
    double value_;
    Unit unit_;
};

#endif
