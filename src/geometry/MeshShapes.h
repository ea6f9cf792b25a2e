#ifndef Q5X_GEOMETRY_MESHSHAPES_H
#define Q5X_GEOMETRY_MESHSHAPES_H

#include "CompanionRecords.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"
#include "saveutil/XmlWriter.h"

// The meshes of the shape table, in key order: each extracted, welded, checked and written as an
// IndexedTriangleSet element, or with binary files as a record of the companion file. False, with
// a message naming the shape, when a shape cannot be written whole (the run then fails).
bool writeMeshShapes(const ShapeExportOptions& options, const ExportModel& model, Q5XSaveUtil::XmlWriter& xml,
                     CompanionRecordList& records);

#endif
