#ifndef Q5X_GEOMETRY_UVDENSITY_H
#define Q5X_GEOMETRY_UVDENSITY_H

#include "IndexedTriangleSet.h"

#include <cstdint>

// Texture units per unit of length of the triangle whose indices start at firstIndex, for one UV
// set: sqrt(texture area / position area). 0 for triangles with (almost) no position area.
float triangleUvDensity(const IndexedTriangleSet& set, unsigned uvSet, std::uint32_t firstIndex);

// A robust low estimate over a range of triangles: the largest of mean - deviation, 0.75 x mean
// and the smallest density, over triangles whose density (capped at 1) reaches 1/64. 0 when the
// set lacks the UV set or no triangle counts.
float subsetUvDensity(const IndexedTriangleSet& set, unsigned uvSet, std::uint32_t firstIndex,
                      std::uint32_t indexCount);

#endif
