#ifndef MAYA_MDISTANCE_H
#define MAYA_MDISTANCE_H

#include <maya/MStatus.h>

// A length with its unit. The internal unit is the centimetre; the UI unit is the scene's.
class MDistance {
public:
    enum Unit {
        kInvalid,
        kInches,
        kFeet,
        kYards,
        kMiles,
        kMillimeters,
        kCentimeters,
        kKilometers,
        kMeters,
        kLast
    };

    MDistance();
    MDistance(double value, Unit unitSystem = kCentimeters);

    Unit unit() const;
    double value() const;
    MStatus setUnit(Unit newUnit);
    MStatus setValue(double newValue);
    double as(Unit unitSystem, MStatus* ReturnStatus = NULL) const;

    static Unit uiUnit();
    static MStatus setUIUnit(Unit newUnit);
    static Unit internalUnit();
    static double uiToInternal(double value);
    static double internalToUI(double value);

private:
    double value_;
    Unit unit_;
};

#endif
