#ifndef Q5X_GEOMETRY_MESHEXTRACTION_H
#define Q5X_GEOMETRY_MESHEXTRACTION_H

#include "IndexedTriangleSet.h"
#include "MeshBuildBuffer.h"

#include "model/ExportOptions.h"

#include <maya/MFloatMatrix.h>
#include <maya/MFnMesh.h>
#include <maya/MFnSkinCluster.h>

#include <memory>
#include <string>
#include <vector>

// The attributes an extraction reads, from the run's options.
struct ExtractionFlags {
    bool normals = false;
    bool textureCoords = false;
    bool colors = false;
    bool skinWeights = false;
    // Tangents per corner (with normals): a material of the mesh has a normal map.
    bool tangents = false;
    bool verbose = false;
    double unitScale = 1.0;
};

// The run's flags for an extraction; `tangents` when a material of the mesh has a normal map.
inline ExtractionFlags extractionFlagsFor(const ShapeExportOptions& options, bool tangents) {
    ExtractionFlags flags;
    flags.normals = options.normals;
    flags.textureCoords = options.textureCoords;
    flags.colors = options.colors;
    flags.skinWeights = options.skinWeights;
    flags.tangents = tangents;
    flags.verbose = options.verbose;
    flags.unitScale = options.unitScale;
    return flags;
}

// One vertex record per triangle corner of the mesh, appended to `buffer`; `transform` (row
// vectors) moves positions and normals, `materialRemap` replaces material indices, `skin` (when
// given) adds up to four blend weights per vertex. False, with a message naming the mesh, when
// the mesh cannot be written whole.
bool extractMeshTriangles(const MFnMesh& mesh, const MFnSkinCluster* skin, const MFloatMatrix* transform,
                          const std::vector<std::uint32_t>* materialRemap, const ExtractionFlags& flags,
                          MeshBuildBuffer& buffer);
// Extraction, tangents (when the format asks for them), welding and set creation.
std::unique_ptr<IndexedTriangleSet> buildTriangleSet(const MFnMesh& mesh, const MFnSkinCluster* skin,
                                                     const MFloatMatrix* transform, const ExtractionFlags& flags);

#endif
