#include "TriangleSetShapes.h"

#include "MeshExtraction.h"
#include "ShapeWriter.h"
#include "VertexCache.h"

#include <maya/MGlobal.h>

namespace {

// The sphere of the mesh that stands for this shape's bounding volume, carried into its space.
bool boundingVolumeSphere(const ShapeExportOptions& options, const ExportModel& model, const std::string& lookupName,
                          BoundingSphere& sphere) {
    const auto volume = model.boundingVolumes.find(lookupName);
    if (volume == model.boundingVolumes.end()) return false;
    // Only the hull's positions count: its shading is of no interest.
    const auto hull = buildTriangleSet(MFnMesh(volume->second.mesh), nullptr, nullptr, extractionFlagsFor(options, false));
    auto hullSphere = computeBoundingSphere(hull ? hull->positions.data() : nullptr, hull ? hull->numVertices : 0);
    float matrix[16];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) matrix[4 * r + c] = volume->second.toTarget[r][c];
    }
    hullSphere->transform(matrix);
    sphere = *hullSphere;
    return true;
}

}  // namespace

bool writeTriangleSetShape(const ShapeExportOptions& options, const ExportModel& model, IndexedTriangleSet& set,
                           const ShapeNames& names, std::uint32_t shapeId, const BoundingSphere* given,
                           const std::vector<std::string>& slotNames, Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records) {
    optimizeVertexCache(set);
    BoundingSphere sphere;
    if (!boundingVolumeSphere(options, model, names.lookupName, sphere)) {
        sphere = given ? *given : *computeBoundingSphere(set.positions.data(), set.numVertices);
    }
    const std::string& name = names.xmlName;
    if (!options.binaryFiles) {
        const std::size_t replacedBefore = xml.replacedControlCharacters();
        writeIndexedTriangleSetXml(set, name, shapeId, sphere, false, slotNames, xml);
        xml.endTag(2, "IndexedTriangleSet");
        if (xml.replacedControlCharacters() != replacedBefore) {
            MGlobal::displayWarning(MString("q5xExport: Control characters in the name or material slot names of shape ") +
                                    name.c_str() + " cannot be written to XML and were replaced by \"?\"");
        }
        return true;
    }
    CompanionRecord binary;
    std::string error;
    if (!serializeShapeRecord(name, shapeId, sphere, set, slotNames, binary, error)) {
        MGlobal::displayError(MString("q5xExport: Shape ") + name.c_str() + " cannot be written: " + error.c_str());
        return false;
    }
    checkConsoleShapeSize(name, binary.bytes.size());
    records.push_back(std::move(binary));
    return true;
}
