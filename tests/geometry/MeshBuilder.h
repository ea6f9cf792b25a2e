#ifndef Q5X_TESTS_MESHBUILDER_H
#define Q5X_TESTS_MESHBUILDER_H

#include "geometry/MeshBuildBuffer.h"

#include <cstring>

// Small helpers to write triangle soups by hand.
inline BuildVertex corner(float x, float y, float z, float u = 0.0f, float v = 0.0f) {
    BuildVertex vertex;
    std::memset(&vertex, 0, sizeof vertex);
    vertex.position[0] = x;
    vertex.position[1] = y;
    vertex.position[2] = z;
    vertex.uv[0][0] = u;
    vertex.uv[0][1] = v;
    vertex.normal[2] = 1.0f;
    return vertex;
}

inline void addTriangle(MeshBuildBuffer& buffer, const BuildVertex& a, const BuildVertex& b, const BuildVertex& c,
                        std::uint32_t material = 0) {
    const auto first = static_cast<std::uint32_t>(buffer.vertices.size());
    buffer.vertices.push_back(a);
    buffer.vertices.push_back(b);
    buffer.vertices.push_back(c);
    buffer.triangles.push_back({{first, first + 1, first + 2}, material, 1});
}

// A unit quad in the XY plane with UVs equal to the positions, as two triangles.
inline void addQuad(MeshBuildBuffer& buffer, float x = 0.0f, float y = 0.0f, std::uint32_t material = 0) {
    const BuildVertex a = corner(x, y, 0, 0, 0), b = corner(x + 1, y, 0, 1, 0), c = corner(x + 1, y + 1, 0, 1, 1),
                      d = corner(x, y + 1, 0, 0, 1);
    addTriangle(buffer, a, b, c, material);
    addTriangle(buffer, a, c, d, material);
}

#endif
