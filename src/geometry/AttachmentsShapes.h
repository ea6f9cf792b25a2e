#ifndef Q5X_GEOMETRY_ATTACHMENTSSHAPES_H
#define Q5X_GEOMETRY_ATTACHMENTSSHAPES_H

#include "CompanionRecords.h"

#include "model/ExportModel.h"
#include "model/ExportOptions.h"
#include "saveutil/XmlWriter.h"

// The attachments of one split shape as one shape ("<owner>AttachmentsShape"): a subset per
// attachment, each with its placement, bounding sphere and the face of the owner's boundary
// representation it sits on; its generic stream holds each vertex's height above its attachment
// (0.01 per unit, clamped to -1..1). Nothing is written when the owner was not written as a split
// shape or an attachment has no triangles. An IndexedTriangleSet element with an Attachments list,
// or a kind-5 record. False when the record cannot be written.
bool writeAttachmentsShape(const ShapeExportOptions& options, const AttachmentsRecord& record, Q5XSaveUtil::XmlWriter& xml,
                           CompanionRecordList& records);

// Where a point lies nearest on a triangle, as the squared distance to it.
float pointTriangleDistanceSquared(const float (&point)[3], const float (&a)[3], const float (&b)[3], const float (&c)[3]);

#endif
