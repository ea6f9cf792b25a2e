#include "ShapesSection.h"

#include "AttachmentsShapes.h"
#include "MergedShapes.h"
#include "MeshShapes.h"
#include "NurbsCurveShapes.h"
#include "SplitShapes.h"


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

bool writeShapes(const ShapeExportOptions& shapeOptions, const ExportModel& model, Q5XSaveUtil::XmlWriter& xml,
                 CompanionRecordList& records, const std::function<void(std::size_t, std::size_t)>& progress) {
    // Split shapes leave their boundary representations here for their attachments.
    SplitShapeMap splitShapes;
    ShapeExportOptions options = shapeOptions;
    options.splitShapes = &splitShapes;
    const std::size_t total = model.shapes.size() + model.attachments.size() + model.mergeGroups.size() + model.mergedChildren.size();
    std::size_t done = 0;
    const auto written = [&](bool ok) {
        if (ok) progress(++done, total);
        return ok;
    };
    for (const auto& entry : model.shapes) {
        const ShapeRecord& record = entry.second;
        if (!written(writerFor(record.kind)(options, model, record, xml, records))) return false;
    }
    for (const AttachmentsRecord& attachments : model.attachments) {
        if (!written(writeAttachmentsShape(options, attachments, xml, records))) return false;
    }
    // Merge groups in group order, then merged children in document order.
    for (const auto& group : model.mergeGroups) {
        if (!written(writeMergedShape(options, model, group.second, xml, records))) return false;
    }
    for (const MergeRecord& children : model.mergedChildren) {
        if (!written(writeMergedShape(options, model, children, xml, records))) return false;
    }
    return true;
}
