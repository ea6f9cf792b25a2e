#ifndef Q5X_GEOMETRY_SPLITSHAPERECORD_H
#define Q5X_GEOMETRY_SPLITSHAPERECORD_H

#include "BoundingSphere.h"
#include "Brep.h"
#include "CompanionRecords.h"
#include "IndexedTriangleSet.h"

#include <memory>
#include <string>
#include <vector>

// A kind-4 record: the kind-1 layout of the render set (no slot names, no collision entries), then
// its boundary representation and the boundary representation of each physics hull. False, with
// `error` saying why, when a table does not fit its 16-bit count.
bool serializeSplitShapeRecord(const std::string& xmlName, std::uint32_t shapeId, const BoundingSphere& sphere,
                               const IndexedTriangleSet& set, const Brep& brep, const std::vector<std::unique_ptr<Brep>>& hulls,
                               CompanionRecord& record, std::string& error);

#endif
