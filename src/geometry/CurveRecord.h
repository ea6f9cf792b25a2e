#ifndef Q5X_GEOMETRY_CURVERECORD_H
#define Q5X_GEOMETRY_CURVERECORD_H

#include "CompanionRecords.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A curve as the engine keeps it: its control points, whether it closes on itself, and named
// values per point (none from this exporter; the engine's tools add them).
struct CubicSpline {
    struct Channel {
        std::string name;
        std::vector<float> values;  // one per control point
    };
    bool closed = false;
    std::vector<std::array<float, 3>> points;
    std::vector<Channel> channels;
};

// A kind-2 record of the companion shapes file. False, with `error` saying why, when a count or
// the name does not fit the format's 32-bit fields.
bool serializeCurveRecord(const std::string& name, std::uint32_t shapeId, const CubicSpline& spline, CompanionRecord& record,
                          std::string& error);

#endif
