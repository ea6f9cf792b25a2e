#include "SplitShapes.h"

#include "MeshExtraction.h"
#include "ShapeWriter.h"
#include "SplitShapeBuilder.h"
#include "SplitShapeRecord.h"
#include "TriangleSetShapes.h"
#include "VertexCache.h"

#include "lookup/MeshShading.h"

#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>

namespace {

// A collision mesh's positions in the split shape's space: its transform's own matrix, the
// translation in the document's unit.
std::unique_ptr<IndexedTriangleSet> physicsMeshOf(const ShapeExportOptions& options, const MObject& mesh, const MObject& transform) {
    MMatrix local = MFnDagNode(transform).transformationMatrix();
    for (int c = 0; c < 3; ++c) local[3][c] *= options.unitScale;
    for (int r = 0; r < 3; ++r) local[r][3] = 0.0;
    local[3][3] = 1.0;
    double values[4][4];
    local.get(values);
    const MFloatMatrix matrix(values);
    ExtractionFlags flags = extractionFlagsFor(options, false);
    flags.normals = flags.textureCoords = flags.colors = flags.skinWeights = false;
    return buildTriangleSet(MFnMesh(mesh), nullptr, &matrix, flags);
}

}  // namespace

bool writeSplitShape(const ShapeExportOptions& options, const ExportModel& model, const ShapeRecord& record, IndexedTriangleSet& set,
                     const std::string& xmlName, Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records) {
    std::vector<std::unique_ptr<IndexedTriangleSet>> physics;
    std::vector<const IndexedTriangleSet*> physicsMeshes;
    for (const auto& collision : record.collisionMeshes) {
        if (auto mesh = physicsMeshOf(options, collision.first, collision.second)) {
            physicsMeshes.push_back(mesh.get());
            physics.push_back(std::move(mesh));
        }
    }
    optimizeVertexCache(set);
    std::unique_ptr<Brep> brep;
    std::vector<std::unique_ptr<Brep>> hulls;
    if (!options.splitter || !options.splitter->createSplittableMesh(xmlName, set, physicsMeshes, brep, hulls)) {
        MGlobal::displayWarning(MString("q5xExport: Failed to export split shape (") + xmlName.c_str() + ")");
        // Written as an ordinary shape, so that the Scene's node still finds its shape.
        set.meshUsage &= ~IndexedTriangleSet::kUsageSplittable;
        return writeTriangleSetShape(options, model, set, {xmlName, xmlName}, record.shapeId, nullptr,
                                     materialSlotNames(record.shading, nullptr), CollisionRequest::None, xml, records);
    }
    if (options.verbose) {
        MGlobal::displayInfo(MString(" Split shape ") + xmlName.c_str() + " with " + std::to_string(hulls.size()).c_str() + " physics hulls");
    }
    const BoundingSphere sphere = shapeBoundingSphere(options, model, xmlName, set, nullptr);
    if (!options.binaryFiles) {
        writeIndexedTriangleSetXml(set, xmlName, record.shapeId, sphere, false, {}, xml);
        xml.endTag(2, "IndexedTriangleSet");
    } else {
        CompanionRecord binary;
        std::string error;
        if (!serializeSplitShapeRecord(xmlName, record.shapeId, sphere, set, *brep, hulls, binary, error)) {
            MGlobal::displayError(MString("q5xExport: Split shape ") + xmlName.c_str() + " cannot be written: " + error.c_str());
            return false;
        }
        checkConsoleShapeSize(xmlName, binary.bytes.size());
        records.push_back(std::move(binary));
    }
    if (options.splitShapes) options.splitShapes->byMesh[MFnDependencyNode(record.shape).name().asChar()] = std::move(brep);
    return true;
}
