#ifndef MAYAHOST_PRIMITIVEBUILDER_H
#define MAYAHOST_PRIMITIVEBUILDER_H

#include "MeshData.h"
#include "NodeValues.h"

#include <array>
#include <memory>
#include <vector>

namespace mayahost {

constexpr double kPi = 3.14159265358979323846;
// More subdivisions than this each way are taken as this: a file cannot ask for more points than
// memory holds (4096 x 4096 is 16 million points).
constexpr int kMaxSubdivisions = 4096;

// A creator's subdivision option, clamped into [minimum, kMaxSubdivisions].
inline int subdivisions(const Node& node, const char* name, double fallback, int minimum) {
    return clampedInt(numberValue(node, name, fallback), minimum, kMaxSubdivisions);
}

// Builds a primitive's mesh with its "map1" UV set: points, UVs, and polygons whose corners name
// both.
class PrimitiveBuilder {
public:
    explicit PrimitiveBuilder(bool withUvs) : mesh_(std::make_unique<MeshData>()), withUvs_(withUvs) {}

    int point(double x, double y, double z);
    int uv(double u, double v);
    // A polygon; `smooth` makes its edges soft, so the surface is smooth across them.
    void face(const std::vector<int>& vertices, const std::vector<int>& uvs, bool smooth);
    MeshData& mesh() { return *mesh_; }
    // Turns over the faces whose winding points towards `insideOf(middle of the face)`, so that every
    // face of a closed primitive faces out; then hands the mesh over.
    template <typename Inside>
    std::unique_ptr<MeshData> finishFacingOut(Inside insideOf);
    std::unique_ptr<MeshData> finish();

private:
    void flip(std::size_t polygon);

    std::unique_ptr<MeshData> mesh_;
    bool withUvs_;
    std::vector<float> u_, v_;
    std::vector<int> cornerUv_;
};

template <typename Inside>
std::unique_ptr<MeshData> PrimitiveBuilder::finishFacingOut(Inside insideOf) {
    MeshData& mesh = *mesh_;
    for (std::size_t p = 0; p < mesh.polygonCount(); ++p) {
        const std::uint32_t first = mesh.firstCorner(p), count = mesh.cornerCount(p);
        auto at = [&](std::size_t i) -> const std::array<double, 3>& { return mesh.points[std::size_t(mesh.cornerVertex[first + i])]; };
        const std::array<double, 3> normal = newellNormal(at, count);
        std::array<double, 3> middle{0, 0, 0};
        for (std::uint32_t i = 0; i < count; ++i) {
            for (std::size_t k = 0; k < 3; ++k) middle[k] += at(i)[k] / count;
        }
        const std::array<double, 3> inside = insideOf(middle);
        double facing = 0;
        for (std::size_t k = 0; k < 3; ++k) facing += normal[k] * (middle[k] - inside[k]);
        if (facing < 0) flip(p);
    }
    return finish();
}

inline std::array<double, 3> centreOfSpace(const std::array<double, 3>&) {
    return {0, 0, 0};
}

// The primitives other than the cube and the plane.
std::unique_ptr<MeshData> polySphere(const Node& node, bool uvs);
std::unique_ptr<MeshData> polyCylinder(const Node& node, bool uvs);
std::unique_ptr<MeshData> polyCone(const Node& node, bool uvs);
std::unique_ptr<MeshData> polyPrism(const Node& node, bool uvs);
std::unique_ptr<MeshData> polyPyramid(const Node& node, bool uvs);
std::unique_ptr<MeshData> polyTorus(const Node& node, bool uvs);
std::unique_ptr<MeshData> polyPipe(const Node& node, bool uvs);
std::unique_ptr<MeshData> polyPlatonicSolid(const Node& node, bool uvs);

}  // namespace mayahost

#endif
