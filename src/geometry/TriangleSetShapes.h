#ifndef Q5X_GEOMETRY_TRIANGLESETSHAPES_H
#define Q5X_GEOMETRY_TRIANGLESETSHAPES_H

#include "BoundingSphere.h"
#include "CompanionRecords.h"
#include "IndexedTriangleSet.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"
#include "saveutil/XmlWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// The collision entry a shape of the binary file carries: none, or the one cooking of its kind.
enum class CollisionRequest { None, TriangleMesh, ConvexHull };

// A shape's name in the document and the name its bounding volume is requested by.
struct ShapeNames {
    std::string xmlName;
    std::string lookupName;
};

// A shape's bounding sphere: of the mesh standing for its bounding volume (requested by
// `lookupName`), else `given` when there is one, else of the set's positions.
BoundingSphere shapeBoundingSphere(const ShapeExportOptions& options, const ExportModel& model, const std::string& lookupName,
                                   const IndexedTriangleSet& set, const BoundingSphere* given);

// The last steps of every triangle-set shape: vertex cache order, the bounding sphere (of the mesh
// standing for the shape's bounding volume, else `given` when there is one, else of the set's
// positions), then an IndexedTriangleSet element or, with binary files, a kind-1 record with the
// collision entry `collision` asks for (a cooking that refuses or fails leaves the shape without
// one, with a warning naming it). False, with a message naming the shape, when the record cannot
// be written.
bool writeTriangleSetShape(const ShapeExportOptions& options, const ExportModel& model, IndexedTriangleSet& set,
                           const ShapeNames& names, std::uint32_t shapeId, const BoundingSphere* given,
                           const std::vector<std::string>& slotNames, CollisionRequest collision, Q5XSaveUtil::XmlWriter& xml,
                           CompanionRecordList& records);

#endif
