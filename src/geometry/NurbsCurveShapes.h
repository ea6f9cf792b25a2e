#ifndef Q5X_GEOMETRY_NURBSCURVESHAPES_H
#define Q5X_GEOMETRY_NURBSCURVESHAPES_H

#include "CompanionRecords.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"
#include "saveutil/XmlWriter.h"

// A NURBS curve of the shape table as a NurbsCurve element (degree, open or closed, its control
// vertices without the ones a closed or periodic curve repeats), or with binary files as a kind-2
// record. False, with a message naming the curve, when its control vertices cannot be had.
bool writeNurbsCurveShape(const ShapeExportOptions& options, const ExportModel& model, const ShapeRecord& record,
                          Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records);

#endif
