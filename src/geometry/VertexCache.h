#ifndef Q5X_GEOMETRY_VERTEXCACHE_H
#define Q5X_GEOMETRY_VERTEXCACHE_H

#include "IndexedTriangleSet.h"

// Reorders the triangles of every subset for a 64-entry post-transform vertex cache, then
// renumbers the vertices in order of first use and permutes every stream to match. Subset vertex
// ranges are recomputed for the new numbering. Runs once per set (isOptimized).
void optimizeVertexCache(IndexedTriangleSet& set);

#endif
