#include "MeshShapes.h"

#include "MeshExtraction.h"
#include "ShapeWriter.h"
#include "UvDensity.h"
#include "VertexCache.h"
#include "VertexCompressionRange.h"

#include "lookup/MeshShading.h"
#include "lookup/SkinClusters.h"
#include "model/ScopedPlugValue.h"

#include <maya/MDagPath.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>

#include <new>

namespace {

constexpr float kSquashedUvDensity = 0.0001f;

ExtractionFlags extractionFlags(const ShapeExportOptions& options, const MeshShading& shading) {
    ExtractionFlags flags;
    flags.normals = options.normals;
    flags.textureCoords = options.textureCoords;
    flags.colors = options.colors;
    flags.skinWeights = options.skinWeights;
    flags.tangents = requestsTangents(shading);
    flags.verbose = options.verbose;
    flags.unitScale = options.unitScale;
    return flags;
}

std::string pathNameOf(const MObject& shape) {
    MDagPath path;
    MDagPath::getAPathTo(shape, path);
    return path.partialPathName().asChar();
}

// A subset whose thinnest triangle maps almost no texture area onto its surface.
bool hasSquashedUvs(const IndexedTriangleSet& set) {
    for (unsigned k = 0; k < kMaxUvSets && set.has(uvSetBit(k)); ++k) {
        for (const IndexedTriangleSubset& subset : set.subsets) {
            float smallest = -1.0f;
            for (std::uint32_t i = subset.firstIndex; i + 2 < subset.firstIndex + subset.numIndices; i += 3) {
                const float density = triangleUvDensity(set, k, i);
                if (smallest < 0.0f || density < smallest) smallest = density;
            }
            if (smallest >= 0.0f && smallest < kSquashedUvDensity) return true;
        }
    }
    return false;
}

// The sphere of the mesh that stands for this shape's bounding volume, or of its own positions.
BoundingSphere boundingSphereOf(const ShapeExportOptions& options, const ExportModel& model, const std::string& key,
                                const IndexedTriangleSet& set) {
    const auto volume = model.boundingVolumes.find(key);
    if (volume != model.boundingVolumes.end()) {
        // Only the hull's positions count: its shading is of no interest.
        const auto hull = buildTriangleSet(MFnMesh(volume->second.mesh), nullptr, nullptr, extractionFlags(options, MeshShading()));
        auto sphere = computeBoundingSphere(hull ? hull->positions.data() : nullptr, hull ? hull->numVertices : 0);
        float matrix[16];
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) matrix[4 * r + c] = volume->second.toTarget[r][c];
        }
        sphere->transform(matrix);
        return *sphere;
    }
    return *computeBoundingSphere(set.positions.data(), set.numVertices);
}

bool exportMeshShape(const ShapeExportOptions& options, const ExportModel& model, const ShapeRecord& record,
                     Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records) {
    const MFnMesh mesh(record.shape);
    const std::string xmlName = pathNameOf(record.shape);
    const std::string nodeName = mesh.name().asChar();
    if (options.verbose) MGlobal::displayInfo(MString("IndexedTriangleSet: ") + nodeName.c_str());
    // Skinned meshes are read in their bind shape: the cluster's envelope is off meanwhile.
    MObject cluster;
    const bool skinned = options.skinWeights && findSkinCluster(record.shape, cluster);
    std::unique_ptr<IndexedTriangleSet> set;
    {
        const ScopedPlugValue envelopeOff(skinned ? MFnDependencyNode(cluster).findPlug("envelope", true) : MPlug(), 0.0);
        const MFnSkinCluster skin(cluster);
        set = buildTriangleSet(mesh, skinned ? &skin : nullptr, nullptr, extractionFlags(options, record.shading));
    }
    if (!set) return false;
    if (!checkVertexCompressionRange(*set, record.vertexCompressionRange)) {
        MGlobal::displayWarning(MString("Mesh ") + nodeName.c_str() + " has a vertex compression range set which is smaller than its extent.");
    }
    if (hasSquashedUvs(*set)) MGlobal::displayInfo(MString("Mesh '") + nodeName.c_str() + "' has uv density issue: squashed uvs");
    if (record.cpuMesh) set->meshUsage |= IndexedTriangleSet::kUsageCpuMesh;
    if (record.occluder) set->meshUsage |= IndexedTriangleSet::kUsageSecondary;
    if (record.split) {
        // Split shapes need the splittable-mesh builder of the physics cooking, which is not built yet.
        MGlobal::displayWarning(MString("q5xExport: Failed to export split shape (") + xmlName.c_str() + ")");
        return true;
    }
    const std::vector<std::string> slots = materialSlotNames(record.shading, nullptr);
    optimizeVertexCache(*set);
    const BoundingSphere sphere = boundingSphereOf(options, model, xmlName, *set);
    if (!options.binaryFiles) {
        const std::size_t replacedBefore = xml.replacedControlCharacters();
        writeIndexedTriangleSetXml(*set, xmlName, record.shapeId, sphere, false, slots, xml);
        xml.endTag(2, "IndexedTriangleSet");
        if (xml.replacedControlCharacters() != replacedBefore) {
            MGlobal::displayWarning(MString("q5xExport: Control characters in the name or material slot names of shape ") +
                                    xmlName.c_str() + " cannot be written to XML and were replaced by \"?\"");
        }
        return true;
    }
    CompanionRecord binary;
    std::string error;
    if (!serializeShapeRecord(xmlName, record.shapeId, sphere, *set, slots, binary, error)) {
        MGlobal::displayError(MString("q5xExport: Shape ") + xmlName.c_str() + " cannot be written: " + error.c_str());
        return false;
    }
    checkConsoleShapeSize(xmlName, binary.bytes.size());
    records.push_back(std::move(binary));
    return true;
}

}  // namespace

bool writeMeshShape(const ShapeExportOptions& options, const ExportModel& model, const ShapeRecord& record,
                    Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records) {
    try {
        return exportMeshShape(options, model, record, xml, records);
    } catch (const std::bad_alloc&) {
        // Name the mesh that did not fit; the command reports the failed export.
        MGlobal::displayError(MString("q5xExport: Out of memory while exporting the mesh ") + pathNameOf(record.shape).c_str());
        throw;
    }
}
