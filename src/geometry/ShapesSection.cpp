#include "ShapesSection.h"

#include "MergedShapes.h"
#include "MeshShapes.h"
#include "NurbsCurveShapes.h"


namespace {

using ShapeWriter = bool (*)(const ShapeExportOptions&, const ExportModel&, const ShapeRecord&, Q5XSaveUtil::XmlWriter&,
                             CompanionRecordList&);

struct ShapeWriterRow {
    ShapeKind kind;
    ShapeWriter write;
};

const ShapeWriterRow kShapeWriters[] = {
    {ShapeKind::Mesh, writeMeshShape},
    {ShapeKind::NurbsCurve, writeNurbsCurveShape},
};

ShapeWriter writerFor(ShapeKind kind) {
    for (const ShapeWriterRow& row : kShapeWriters) {
        if (row.kind == kind) return row.write;
    }
    return writeMeshShape;  // every kind has its row; meshes are the rest
}

}  // namespace

bool writeShapes(const ShapeExportOptions& options, const ExportModel& model, Q5XSaveUtil::XmlWriter& xml,
                 CompanionRecordList& records) {
    for (const auto& entry : model.shapes) {
        const ShapeRecord& record = entry.second;
        if (!writerFor(record.kind)(options, model, record, xml, records)) return false;
    }
    // Merge groups in group order, then merged children in document order.
    for (const auto& group : model.mergeGroups) {
        if (!writeMergedShape(options, model, group.second, xml, records)) return false;
    }
    for (const MergeRecord& children : model.mergedChildren) {
        if (!writeMergedShape(options, model, children, xml, records)) return false;
    }
    return true;
}
