#ifndef Q5X_GEOMETRY_SHAPERECORDS_H
#define Q5X_GEOMETRY_SHAPERECORDS_H

#include <cstdint>
#include <vector>

// Record kinds of the companion shapes file.
enum ShapeRecordKind : std::uint32_t {
    kShapeRecordTriangleSet = 1,
    kShapeRecordNurbsCurve = 2,
    kShapeRecordSplitShape = 4,
    kShapeRecordAttachments = 5,
};

// One binary shape produced during the run, written to the companion file at the end.
struct ShapeRecord {
    std::uint32_t kind;
    std::vector<std::uint8_t> bytes;
};

using ShapeRecordList = std::vector<ShapeRecord>;

#endif
