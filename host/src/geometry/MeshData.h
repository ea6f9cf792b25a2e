#ifndef MAYAHOST_MESHDATA_H
#define MAYAHOST_MESHDATA_H

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace mayahost {

class Node;

// A polygon mesh as Maya holds it: points, polygons of one outer loop and any number of hole
// loops, edges with their smoothing, UV and colour sets with per-corner indices, locked normals.
// "Corners" are the polygon vertices, polygon by polygon, loop by loop.
struct MeshData {
    struct UvSet {
        std::string name;
        std::vector<float> u, v;
        std::vector<int> cornerUv;  // -1 where a corner has no UV
    };
    struct ColorSet {
        std::string name;
        std::vector<std::array<float, 4>> colors;
        std::vector<int> cornerColor;  // -1 where a corner has no colour
    };

    std::vector<std::array<double, 3>> points;
    std::vector<std::uint32_t> polygonLoops;  // per polygon, its first loop; one extra entry at the end
    std::vector<std::uint32_t> loopCorners;   // per loop, its first corner; one extra entry at the end
    std::vector<int> cornerVertex;
    // Per corner, whether the edge to the next corner of its loop is smooth (Maya's soft edge).
    std::vector<std::uint8_t> cornerSmoothEdge;
    std::vector<UvSet> uvSets;
    std::vector<ColorSet> colorSets;
    int currentColorSet = -1;
    std::vector<std::array<float, 3>> lockedNormals;  // per corner when any is locked; > 1e10 where not
    int vertexNormalMethod = 3;                       // 0 unweighted, 1 angle, 2 area, 3 angle and area

    std::size_t polygonCount() const { return polygonLoops.empty() ? 0 : polygonLoops.size() - 1; }
    std::uint32_t firstCorner(std::size_t polygon) const { return loopCorners[polygonLoops[polygon]]; }
    std::uint32_t cornerCount(std::size_t polygon) const {
        return loopCorners[polygonLoops[polygon + 1]] - loopCorners[polygonLoops[polygon]];
    }
    // Appends a polygon of one loop (or starts one; addLoop adds holes to the last polygon).
    void addPolygon(const std::vector<int>& vertices);
    void addLoop(const std::vector<int>& vertices);

    // Derived on first use: each polygon's triangles (corner offsets inside the polygon, three per
    // triangle) and the normals: as in Maya, corners joined by smooth edges share one normal, and
    // each corner names its normal by index.
    std::size_t triangleCount(std::size_t polygon) const;
    // Corner offset `k` (0 to 2) of triangle `t` of a polygon.
    std::uint32_t triangleCorner(std::size_t polygon, std::size_t t, unsigned k) const;
    const std::vector<std::array<float, 3>>& normals() const;
    std::uint32_t cornerNormal(std::size_t corner) const;

private:
    void derive() const;
    void deriveNormals(const std::vector<std::array<double, 3>>& polygonNormals, const std::vector<double>& cornerWeights) const;
    mutable bool derived_ = false;
    mutable std::vector<std::uint32_t> triangleStart_;    // per polygon, into triangleCorners_; one extra at the end
    mutable std::vector<std::uint32_t> triangleCorners_;  // three corner offsets per triangle
    mutable std::vector<std::array<float, 3>> normals_;
    mutable std::vector<std::uint32_t> cornerNormals_;  // per corner, its normal's index
};

// The mesh a mesh node shows: its own stored geometry, or what its construction history makes,
// with the node's tweaks applied. Null when there is nothing to be had (warned about once).
const MeshData* meshDataOf(Node& mesh);

// The normal of the closed loop of `count` points (Newell's method), not normalised: its length is
// twice the loop's area. `at(i)` gives point i.
template <typename Points>
std::array<double, 3> newellNormal(const Points& at, std::size_t count) {
    std::array<double, 3> normal{0, 0, 0};
    for (std::size_t i = 0; i < count; ++i) {
        const std::array<double, 3>& a = at(i);
        const std::array<double, 3>& b = at((i + 1) % count);
        normal[0] += (a[1] - b[1]) * (a[2] + b[2]);
        normal[1] += (a[2] - b[2]) * (a[0] + b[0]);
        normal[2] += (a[0] - b[0]) * (a[1] + b[1]);
    }
    return normal;
}

// Triangulates one polygon given as loops of points (outer first, then holes); triangles are
// triples of positions in the concatenated loops.
std::vector<std::uint32_t> triangulatePolygon(const std::vector<std::array<double, 3>>& points,
                                              const std::vector<std::uint32_t>& loopStarts);

}  // namespace mayahost

#endif
