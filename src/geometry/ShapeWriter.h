#ifndef Q5X_GEOMETRY_SHAPEWRITER_H
#define Q5X_GEOMETRY_SHAPEWRITER_H

#include "BoundingSphere.h"
#include "CompanionRecords.h"
#include "IndexedTriangleSet.h"

#include "saveutil/LittleEndianBytes.h"
#include "saveutil/XmlWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// Everything of an IndexedTriangleSet element but its end tag.
void writeIndexedTriangleSetXml(const IndexedTriangleSet& set, const std::string& xmlName, std::uint32_t shapeId,
                                const BoundingSphere& sphere, bool isAttachment,
                                const std::vector<std::string>& slotNames, Q5XSaveUtil::XmlWriter& out);

// The triangle-set body of a record: header, subsets with their slot names, indices, streams.
void appendTriangleSetBody(const IndexedTriangleSet& set, const std::vector<std::string>& slotNames, Q5XSaveUtil::LittleEndianBytes& out);

// One cooked collision blob of a shape (CollisionCooking).
struct CollisionEntry {
    std::uint32_t kind;
    std::vector<std::uint8_t> bytes;
};

// A kind-1 record of the companion shapes file, with the shape's collision entries. False, with
// `error` saying why, when a count of the set or the record's size does not fit the format's
// 32-bit fields.
bool serializeShapeRecord(const std::string& xmlName, std::uint32_t shapeId, const BoundingSphere& sphere,
                          const IndexedTriangleSet& set, const std::vector<std::string>& slotNames,
                          const std::vector<CollisionEntry>& collisions, CompanionRecord& record, std::string& error);

// Records above 14336 KB are too large for consoles; the warning says so (the record is kept).
void checkConsoleShapeSize(const std::string& xmlName, std::uint64_t byteCount);

#endif
