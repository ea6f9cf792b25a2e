#ifndef Q5X_GEOMETRY_CREATEINDEXEDTRIANGLESET_H
#define Q5X_GEOMETRY_CREATEINDEXEDTRIANGLESET_H

#include "IndexedTriangleSet.h"
#include "MeshBuildBuffer.h"

#include <memory>

// Builds the set from a welded buffer: triangles sorted by material (then by their indices), one
// subset per material with its vertex range and UV densities, blend weights normalised to sum 1.
// The caller owns the result. Invalid triangles and triangles with out-of-range indices are left out.
std::unique_ptr<IndexedTriangleSet> createIndexedTriangleSet(const MeshBuildBuffer& buffer);

#endif
