#ifndef Q5X_GEOMETRY_VERTEXCOMPRESSIONRANGE_H
#define Q5X_GEOMETRY_VERTEXCOMPRESSIONRANGE_H

#include "IndexedTriangleSet.h"

// Stores the range in the set. False when a non-zero range is smaller than the set's largest
// extent along an axis (with a 0.01 % allowance for rounding).
bool checkVertexCompressionRange(IndexedTriangleSet& set, float range);

#endif
