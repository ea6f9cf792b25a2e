#ifndef Q5X_GEOMETRY_MESHSHAPES_H
#define Q5X_GEOMETRY_MESHSHAPES_H

#include "CompanionRecords.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"
#include "saveutil/XmlWriter.h"

// One mesh of the shape table, extracted, welded, checked and written as an IndexedTriangleSet
// element, or with binary files as a record of the companion file. False, with a message naming
// the shape, when it cannot be written whole (the run then fails).
bool writeMeshShape(const ShapeExportOptions& options, const ExportModel& model, const ShapeRecord& record,
                    Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records);

#endif
