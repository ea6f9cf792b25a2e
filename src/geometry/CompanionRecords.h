#ifndef Q5X_GEOMETRY_COMPANIONRECORDS_H
#define Q5X_GEOMETRY_COMPANIONRECORDS_H

#include <cstdint>
#include <vector>

// Record kinds of the companion shapes file.
enum CompanionRecordKind : std::uint32_t {
    kCompanionRecordTriangleSet = 1,
    kCompanionRecordNurbsCurve = 2,
    kCompanionRecordSplitShape = 4,
    kCompanionRecordAttachments = 5,
};

// One binary shape produced during the run, written to the companion file at the end.
struct CompanionRecord {
    std::uint32_t kind;
    std::vector<std::uint8_t> bytes;
};

using CompanionRecordList = std::vector<CompanionRecord>;

#endif
