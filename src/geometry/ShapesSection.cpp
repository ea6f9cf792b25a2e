#include "ShapesSection.h"

#include "MeshShapes.h"
#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>

namespace {

using ShapeWriter = bool (*)(const ShapeExportOptions&, const ExportModel&, const ShapeRecord&, Q5XSaveUtil::XmlWriter&,
                             CompanionRecordList&);

struct ShapeWriterRow {
    ShapeKind kind;
    ShapeWriter write;
};

// Curves come with their writer.
const ShapeWriterRow kShapeWriters[] = {
    {ShapeKind::Mesh, writeMeshShape},
};

ShapeWriter writerFor(ShapeKind kind) {
    for (const ShapeWriterRow& row : kShapeWriters) {
        if (row.kind == kind) return row.write;
    }
    return nullptr;
}

}  // namespace

bool writeShapes(const ShapeExportOptions& options, const ExportModel& model, Q5XSaveUtil::XmlWriter& xml,
                 CompanionRecordList& records) {
    for (const auto& entry : model.shapes) {
        const ShapeRecord& record = entry.second;
        const ShapeWriter write = writerFor(record.kind);
        if (!write) {
            MGlobal::displayWarning(MString("q5xExport: NURBS curve shapes are not exported yet; left out (") +
                                    MFnDagNode(record.shape).partialPathName() + ")");
            continue;
        }
        if (!write(options, model, record, xml, records)) return false;
    }
    return true;
}
