#include "TriangleSetShapes.h"

#include "MeshExtraction.h"
#include "CollisionCooking.h"
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

std::vector<CollisionEntry> cookCollision(const ShapeExportOptions& options, const IndexedTriangleSet& set,
                                          CollisionRequest request, const std::string& name) {
    std::vector<CollisionEntry> entries;
    if (request == CollisionRequest::None || !options.cooking) return entries;
    CollisionEntry entry{request == CollisionRequest::ConvexHull ? kCollisionConvexHull : kCollisionTriangleMesh, {}};
    const bool cooked = request == CollisionRequest::ConvexHull ? options.cooking->cookConvexHull(set, entry.bytes)
                                                                : options.cooking->cookTriangleMesh(set, entry.bytes);
    if (!cooked) {
        MGlobal::displayWarning(MString("q5xExport: No collision data for shape ") + name.c_str() + ": its " +
                                (request == CollisionRequest::ConvexHull ? "convex hull" : "triangle mesh") +
                                " cannot be cooked (too many vertices or triangles, positions out of range, or no volume)");
        return entries;
    }
    entries.push_back(std::move(entry));
    return entries;
}

}  // namespace

BoundingSphere shapeBoundingSphere(const ShapeExportOptions& options, const ExportModel& model, const std::string& lookupName,
                                   const IndexedTriangleSet& set, const BoundingSphere* given) {
    BoundingSphere sphere;
    if (boundingVolumeSphere(options, model, lookupName, sphere)) return sphere;
    return given ? *given : *computeBoundingSphere(set.positions.data(), set.numVertices);
}

bool writeTriangleSetShape(const ShapeExportOptions& options, const ExportModel& model, IndexedTriangleSet& set,
                           const ShapeNames& names, std::uint32_t shapeId, const BoundingSphere* given,
                           const std::vector<std::string>& slotNames, CollisionRequest collision, Q5XSaveUtil::XmlWriter& xml,
                           CompanionRecordList& records) {
    optimizeVertexCache(set);
    const BoundingSphere sphere = shapeBoundingSphere(options, model, names.lookupName, set, given);
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
    const std::vector<CollisionEntry> collisions = cookCollision(options, set, collision, name);
    if (!serializeShapeRecord(name, shapeId, sphere, set, slotNames, collisions, binary, error)) {
        MGlobal::displayError(MString("q5xExport: Shape ") + name.c_str() + " cannot be written: " + error.c_str());
        return false;
    }
    checkConsoleShapeSize(name, binary.bytes.size());
    records.push_back(std::move(binary));
    return true;
}
