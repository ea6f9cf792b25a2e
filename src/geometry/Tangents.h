#ifndef Q5X_GEOMETRY_TANGENTS_H
#define Q5X_GEOMETRY_TANGENTS_H

#include "MeshBuildBuffer.h"

// Fills the tangent (xyz and handedness w) of every corner of an unwelded buffer from its
// positions, normals and UV set 0. Triangles whose UV mapping is degenerate contribute nothing;
// a corner left without a usable direction gets (1, 0, 0).
void computeTangents(MeshBuildBuffer& buffer);

#endif
