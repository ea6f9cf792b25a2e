#ifndef Q5X_GEOMETRY_WELD_H
#define Q5X_GEOMETRY_WELD_H

#include "MeshBuildBuffer.h"

// Merges corners that compare equal under the welding tolerances (position and normal 0.0001,
// colour 0.001, exact tangent handedness, tangents less than 90 degrees apart, UVs 0.0001,
// blend weights 0.001, exact blend indices, generic 0.00001), averaging the tangents of each
// group into its first member. Vertices no valid triangle uses are dropped, invalid triangles
// (and triangles with out-of-range indices) are removed and the rest keep their order.
// NaN components equal each other and sort after every number, so NaN data neither crashes nor
// welds onto finite vertices.
void weldVertices(MeshBuildBuffer& buffer);

// The welding order: negative, 0 (weld) or positive. Vertices whose tangents point more than 90
// degrees apart are unequal and order by their tangent components.
int compareForWeld(const BuildVertex& a, const BuildVertex& b);

#endif
