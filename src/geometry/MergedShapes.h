#ifndef Q5X_GEOMETRY_MERGEDSHAPES_H
#define Q5X_GEOMETRY_MERGEDSHAPES_H

#include "CompanionRecords.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"
#include "saveutil/XmlWriter.h"

// The one shape of a merge record. A merge group's members keep their own object space and bind
// every vertex of member k to blend index k with a single weight ("MergedMesh<group>"); merged
// children are baked into their root's space, each child's vertices carrying k / 32767 in the
// generic stream ("MergedChildren<shapeId>"). Members that cannot be read are left out with their
// message; false when the shape cannot be written.
bool writeMergedShape(const ShapeExportOptions& options, const ExportModel& model, const MergeRecord& record,
                      Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records);

#endif
