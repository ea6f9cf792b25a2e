#include "MeshShapes.h"

#include "MeshExtraction.h"
#include "SplitShapes.h"
#include "TriangleSetShapes.h"
#include "UvDensity.h"
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
        set = buildTriangleSet(mesh, skinned ? &skin : nullptr, nullptr, extractionFlagsFor(options, requestsTangents(record.shading)));
    }
    if (!set) return false;
    if (!checkVertexCompressionRange(*set, record.vertexCompressionRange)) {
        MGlobal::displayWarning(MString("Mesh ") + nodeName.c_str() + " has a vertex compression range set which is smaller than its extent.");
    }
    if (hasSquashedUvs(*set)) MGlobal::displayInfo(MString("Mesh '") + nodeName.c_str() + "' has uv density issue: squashed uvs");
    if (record.cpuMesh) set->meshUsage |= IndexedTriangleSet::kUsageCpuMesh;
    if (record.occluder) set->meshUsage |= IndexedTriangleSet::kUsageSecondary;
    if (record.split) return writeSplitShape(options, model, record, *set, xmlName, xml, records);
    // A collidable shape used by a moving body anywhere gets a convex hull, else a triangle mesh.
    const CollisionRequest collision = !record.collides           ? CollisionRequest::None
                                       : record.usedDynamically ? CollisionRequest::ConvexHull
                                                                : CollisionRequest::TriangleMesh;
    return writeTriangleSetShape(options, model, *set, {xmlName, xmlName}, record.shapeId, nullptr,
                                 materialSlotNames(record.shading, nullptr), collision, xml, records);
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
