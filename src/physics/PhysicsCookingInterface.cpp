#include "PhysicsCookingInterface.h"

#include "Bt2PhysicsMeshInterface.h"
#include "BtSerializerWrapper.h"
#include "BtTriangleInfoMap.h"
#include "ConvexHulls.h"

#include "saveutil/LittleEndianBytes.h"

#include <BulletCollision/CollisionShapes/btBvhTriangleMeshShape.h>
#include <BulletCollision/CollisionShapes/btOptimizedBvh.h>
#include <LinearMath/btConvexHullComputer.h>

#include <cmath>
#include <cstring>

namespace Q5XSaveUtil {

namespace {

constexpr std::uint32_t kTriangleMeshMagic = 224628;
constexpr std::uint32_t kConvexHullMagic = 290147;
constexpr float kHullShrink = 0.04f;
constexpr float kHullShrinkClamp = 0.2f;
constexpr float kSmallestMargin = 4.0000003e-5f;

bool cookable(const IndexedTriangleSet& mesh) {
    for (const float coordinate : mesh.positions) {
        if (!(std::fabs(coordinate) <= kMaxCookedCoordinate)) return false;  // NaN fails too
    }
    return true;
}

void padToFour(std::vector<std::uint8_t>& blob) {
    while (blob.size() % 4 != 0) blob.push_back(0);
}

void appendChunk(LittleEndianBytes& out, const Bt2PhysicsSerialization::BtSerializerWrapper& serializer, const void* array) {
    const btChunk* chunk = array ? serializer.chunkOf(array) : nullptr;
    if (!chunk) return;
    const auto* bytes = static_cast<const std::uint8_t*>(chunk->m_oldPtr);
    out.raw(bytes, std::size_t(chunk->m_length));
}

void appendVector(LittleEndianBytes& out, const btVector3FloatData& vector) {
    for (const float value : vector.m_floats) out.f32(value);
}

std::vector<std::vector<std::array<double, 3>>> hullFaces(const btConvexHullComputer& hull) {
    std::vector<std::vector<std::array<double, 3>>> faces;
    for (int f = 0; f < hull.faces.size(); ++f) {
        std::vector<std::array<double, 3>> corners;
        const btConvexHullComputer::Edge* first = &hull.edges[hull.faces[f]];
        const btConvexHullComputer::Edge* edge = first;
        do {
            const btVector3& v = hull.vertices[edge->getSourceVertex()];
            corners.push_back({double(v.x()), double(v.y()), double(v.z())});
            edge = edge->getNextEdgeOfFace();
        } while (edge != first && corners.size() <= std::size_t(hull.vertices.size()));
        faces.push_back(std::move(corners));
    }
    return faces;
}

}  // namespace

HullMass hullMass(const std::vector<std::vector<std::array<double, 3>>>& faces) {
    HullMass mass;
    if (faces.empty() || faces.front().empty()) return mass;
    // Integrated about a corner of the hull rather than the origin, which may lie far away.
    const std::array<double, 3> origin = faces.front().front();
    double volume6 = 0.0, first[3] = {0, 0, 0}, second[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    for (const auto& face : faces) {
        for (std::size_t i = 1; i + 1 < face.size(); ++i) {
            double v[3][3];
            for (int c = 0; c < 3; ++c) {
                v[0][c] = face[0][std::size_t(c)] - origin[std::size_t(c)];
                v[1][c] = face[i][std::size_t(c)] - origin[std::size_t(c)];
                v[2][c] = face[i + 1][std::size_t(c)] - origin[std::size_t(c)];
            }
            // The tetrahedron from the reference corner: six times its signed volume.
            const double d = v[0][0] * (v[1][1] * v[2][2] - v[1][2] * v[2][1]) - v[0][1] * (v[1][0] * v[2][2] - v[1][2] * v[2][0]) +
                             v[0][2] * (v[1][0] * v[2][1] - v[1][1] * v[2][0]);
            volume6 += d;
            double sum[3];
            for (int c = 0; c < 3; ++c) {
                sum[c] = v[0][c] + v[1][c] + v[2][c];
                first[c] += d * sum[c];
            }
            for (int j = 0; j < 3; ++j) {
                for (int k = 0; k < 3; ++k) {
                    second[j][k] += d * (v[0][j] * v[0][k] + v[1][j] * v[1][k] + v[2][j] * v[2][k] + sum[j] * sum[k]);
                }
            }
        }
    }
    mass.volume = volume6 / 6.0;
    if (!(mass.volume > 0.0)) return mass;
    double local[3];
    for (int c = 0; c < 3; ++c) {
        local[c] = first[c] / 24.0 / mass.volume;
        mass.center[c] = local[c] + origin[std::size_t(c)];
    }
    // Second moments about the centre of mass per unit of mass, then the inertia tensor.
    double moment[3][3];
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < 3; ++k) moment[j][k] = second[j][k] / 120.0 / mass.volume - local[j] * local[k];
    }
    const double trace = moment[0][0] + moment[1][1] + moment[2][2];
    for (int j = 0; j < 3; ++j) {
        for (int k = 0; k < 3; ++k) mass.inertia[3 * j + k] = (j == k ? trace : 0.0) - moment[j][k];
    }
    return mass;
}

bool PhysicsCookingInterface::cookTriangleMesh(const IndexedTriangleSet& mesh, std::vector<std::uint8_t>& blob) {
    if (mesh.positions.empty() || mesh.numIndices == 0 || mesh.numVertices > 65536 || mesh.numIndices / 3 > kMaxCookedTriangles ||
        !cookable(mesh)) {
        return false;
    }
    std::vector<std::uint32_t> indices(mesh.numIndices);
    for (std::uint32_t i = 0; i < mesh.numIndices; ++i) indices[i] = mesh.index(i);
    Bt2PhysicsMeshInterface welded(mesh.numVertices, mesh.positions.data(), mesh.numIndices, indices.data());
    if (welded.indices().empty()) return false;  // every triangle collapsed

    btBvhTriangleMeshShape shape(&welded, true, true);
    BtTriangleInfoMap edges;
    generateInternalEdgeInfo(shape, edges);
    Bt2PhysicsSerialization::BtSerializerWrapper serializer;
    btQuantizedBvhFloatData bvh;
    std::memset(&bvh, 0, sizeof bvh);
    shape.getOptimizedBvh()->serialize(&bvh, &serializer);

    const std::uint32_t vertexCount = std::uint32_t(welded.vertices().size() / 3);
    const std::uint32_t indexCount = std::uint32_t(welded.indices().size());
    blob.clear();
    LittleEndianBytes out(blob);
    out.u32(kTriangleMeshMagic);
    out.u32(0);  // the total size, known at the end
    out.u32(vertexCount);
    out.u32(indexCount);
    out.floats(welded.vertices());
    for (const std::uint16_t index : welded.indices()) out.u16(index);
    if ((indexCount / 3) % 2 == 1) out.u16(0);
    appendVector(out, bvh.m_bvhAabbMin);
    appendVector(out, bvh.m_bvhAabbMax);
    appendVector(out, bvh.m_bvhQuantization);
    for (const int value : {bvh.m_curNodeIndex, bvh.m_useQuantization, bvh.m_numContiguousLeafNodes, bvh.m_numQuantizedContiguousNodes,
                            bvh.m_traversalMode, bvh.m_numSubtreeHeaders}) {
        out.u32(std::uint32_t(value));
    }
    appendChunk(out, serializer, bvh.m_useQuantization ? static_cast<const void*>(bvh.m_quantizedContiguousNodesPtr)
                                                       : static_cast<const void*>(bvh.m_contiguousNodesPtr));
    appendChunk(out, serializer, bvh.m_subTreeInfoPtr);
    for (const float threshold : {edges.convexEpsilon, edges.planarEpsilon, edges.equalVertexThreshold, edges.edgeDistanceThreshold,
                                  edges.zeroAreaThreshold}) {
        out.f32(threshold);
    }
    out.u32(std::uint32_t(edges.values.size()));
    out.u32(std::uint32_t(edges.keys.size()));
    for (const BtTriangleInfoData& value : edges.values) {
        out.raw(&value.flags, 1);
        out.raw(&value.reserved, 1);
        for (const std::int16_t angle : value.edgeAngles) out.u16(std::uint16_t(angle));
    }
    for (const std::int32_t key : edges.keys) out.u32(std::uint32_t(key));
    const std::uint32_t total = std::uint32_t(blob.size());
    for (int b = 0; b < 4; ++b) blob[4 + std::size_t(b)] = std::uint8_t(total >> (8 * b));
    padToFour(blob);
    return true;
}

bool PhysicsCookingInterface::cookConvexHull(const IndexedTriangleSet& mesh, std::vector<std::uint8_t>& blob) {
    if (mesh.numVertices < 3 || mesh.positions.size() < 3 * std::size_t(mesh.numVertices) || !cookable(mesh)) return false;
    const std::vector<float> points = distinctHullPoints(mesh.positions.data(), mesh.numVertices);
    if (points.size() < 3 * 4) return false;
    btConvexHullComputer hull;
    hull.compute(points.data(), 12, int(points.size() / 3), 0.0f, 0.0f);
    const HullMass mass = hullMass(hullFaces(hull));
    const float margin = std::max(float(hull.compute(points.data(), 12, int(points.size() / 3), kHullShrink, kHullShrinkClamp)),
                                  kSmallestMargin);
    std::vector<float> shrunk;
    for (int v = 0; v < hull.vertices.size(); ++v) shrunk.insert(shrunk.end(), {hull.vertices[v].x(), hull.vertices[v].y(), hull.vertices[v].z()});
    const std::vector<float> kept = distinctHullPoints(shrunk.data(), shrunk.size() / 3);
    if (kept.size() < 3 * 4) return false;

    blob.clear();
    LittleEndianBytes out(blob);
    out.u32(kConvexHullMagic);
    out.u32(std::uint32_t(kept.size() / 3));
    out.f32(margin);
    out.f32(float(mass.volume));
    for (const double c : mass.center) out.f32(float(c));
    for (const double i : mass.inertia) out.f32(float(i));
    out.floats(kept);
    return true;
}

}  // namespace Q5XSaveUtil
