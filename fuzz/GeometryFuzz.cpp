// libFuzzer target: any triangle soup must weld, become a set and be optimised without faults,
// the set must stay consistent, and its boundary representation and cooked collision data must be
// refused or made, never fault. Each corner comes from a few bytes that pick values from small
// tables, so that duplicates, tolerance chains, NaN, infinities and opposite tangents are common.
#include "geometry/BoundingSphere.h"
#include "geometry/Brep.h"
#include "geometry/CreateIndexedTriangleSet.h"
#include "geometry/Tangents.h"
#include "geometry/VertexCache.h"
#include "geometry/Weld.h"
#include "physics/PhysicsCookingInterface.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kValues[16] = {0.0f, -0.0f, 1.0f, 0.00005f, 0.0001f, 0.00015f, 0.0002f, -1.0f,
                               0.5f, 2.0f, 1e30f, -1e-30f, kNan, kInf, -kInf, 3.0f};
constexpr std::size_t kBytesPerCorner = 6;
constexpr std::size_t kBytesPerTriangle = 3 * kBytesPerCorner + 1;

float valueOf(std::uint8_t byte) {
    return kValues[byte % 16];
}

BuildVertex cornerOf(const std::uint8_t* bytes) {
    BuildVertex v;
    std::memset(&v, 0, sizeof v);
    for (int c = 0; c < 3; ++c) v.position[c] = valueOf(bytes[c]);
    v.normal[bytes[3] % 3] = valueOf(bytes[3] >> 4);
    v.uv[0][0] = valueOf(bytes[4]);
    v.uv[0][1] = valueOf(bytes[4] >> 4);
    v.tangent[bytes[5] % 3] = (bytes[5] & 0x10) ? -1.0f : 1.0f;
    v.tangent[3] = (bytes[5] & 0x20) ? -1.0f : 1.0f;
    v.color[0] = (bytes[5] & 0x40) ? 0.0005f : 0.0f;
    return v;
}

bool consistent(const IndexedTriangleSet& set) {
    for (std::uint32_t i = 0; i < set.numIndices; ++i) {
        if (set.index(i) >= set.numVertices) return false;
    }
    std::uint32_t covered = 0;
    for (const IndexedTriangleSubset& subset : set.subsets) {
        if (subset.firstIndex != covered) return false;
        covered += subset.numIndices;
    }
    return covered == set.numIndices && set.positions.size() == 3 * std::size_t(set.numVertices);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    MeshBuildBuffer buffer;
    buffer.vertexFormat = kVertexNormal | kVertexUv0 | kVertexColor | ((data[0] & 1) ? std::uint32_t(kVertexTangent) : 0u);
    for (std::size_t offset = 1; offset + kBytesPerTriangle <= size; offset += kBytesPerTriangle) {
        const auto first = static_cast<std::uint32_t>(buffer.vertices.size());
        for (int c = 0; c < 3; ++c) buffer.vertices.push_back(cornerOf(data + offset + c * kBytesPerCorner));
        const std::uint8_t control = data[offset + 3 * kBytesPerCorner];
        BuildTriangle triangle{{first, first + 1, first + 2}, control % 3u, std::uint8_t(control % 11 != 0)};
        if (control % 13 == 0) triangle.indices[control % 3] = first + 1000;  // out of range
        if (control % 7 == 0 && first >= 3) triangle.indices[1] = first - 3;  // shared with an earlier triangle
        buffer.triangles.push_back(triangle);
    }
    if (buffer.vertexFormat & kVertexTangent) computeTangents(buffer);
    weldVertices(buffer);
    auto set = createIndexedTriangleSet(buffer);
    optimizeVertexCache(*set);
    computeBoundingSphere(set->positions.data(), set->numVertices);
    if (!consistent(*set)) __builtin_trap();
    if (const auto brep = Brep::fromTriangleSet(*set)) {
        for (const Brep::Face& face : brep->faces()) {
            for (const Brep::Corner& corner : face.corners) {
                if (corner.start >= brep->vertices().size()) __builtin_trap();
            }
        }
    }
    Q5XSaveUtil::PhysicsCookingInterface cooking;
    std::vector<std::uint8_t> blob;
    if (cooking.cookTriangleMesh(*set, blob) && blob.size() % 4 != 0) __builtin_trap();
    if (cooking.cookConvexHull(*set, blob) && blob.size() % 4 != 0) __builtin_trap();
    return 0;
}
