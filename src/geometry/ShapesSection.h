#ifndef Q5X_GEOMETRY_SHAPESSECTION_H
#define Q5X_GEOMETRY_SHAPESSECTION_H

#include "CompanionRecords.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"
#include "saveutil/XmlWriter.h"

#include <cstddef>
#include <functional>

// The shapes of the shape table, in key order, each by the writer of its kind (a new kind is a
// writer and a row of the dispatch table), then the attachments shapes, the merge groups and the
// merged children. `progress` hears of each shape written (done, total). False when a shape
// cannot be written whole (the run then fails).
bool writeShapes(const ShapeExportOptions& options, const ExportModel& model, Q5XSaveUtil::XmlWriter& xml,
                 CompanionRecordList& records, const std::function<void(std::size_t, std::size_t)>& progress);

#endif
