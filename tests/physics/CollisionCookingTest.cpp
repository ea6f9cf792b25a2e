// Cooked collision data read back field by field, and the cooked BVH loaded back into Bullet and
// queried against the source triangles: a layout error shows as a ray or box query that disagrees
// with a test of every triangle.
#include "physics/Bt2PhysicsMeshInterface.h"
#include "physics/BtTriangleInfoMap.h"
#include "physics/PhysicsCookingInterface.h"

#include <BulletCollision/CollisionShapes/btBvhTriangleMeshShape.h>
#include <BulletCollision/CollisionShapes/btOptimizedBvh.h>
#include <BulletCollision/CollisionShapes/btTriangleCallback.h>
#include <BulletCollision/CollisionShapes/btTriangleIndexVertexArray.h>
#include <BulletCollision/NarrowPhaseCollision/btRaycastCallback.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <set>

namespace {

std::unique_ptr<IndexedTriangleSet> meshOf(const std::vector<float>& positions, const std::vector<std::uint32_t>& indices) {
    auto set = std::make_unique<IndexedTriangleSet>();
    set->numVertices = std::uint32_t(positions.size() / 3);
    set->positions = positions;
    set->resizeIndices(std::uint32_t(indices.size()));
    for (std::uint32_t i = 0; i < indices.size(); ++i) set->setIndex(i, indices[i]);
    return set;
}

// A (n + 1) x (n + 1) grid of height h(x, z), two triangles a cell.
std::unique_ptr<IndexedTriangleSet> grid(int n, float (*height)(float, float)) {
    std::vector<float> positions;
    std::vector<std::uint32_t> indices;
    for (int z = 0; z <= n; ++z) {
        for (int x = 0; x <= n; ++x) positions.insert(positions.end(), {float(x), height(float(x), float(z)), float(z)});
    }
    for (int z = 0; z < n; ++z) {
        for (int x = 0; x < n; ++x) {
            const std::uint32_t a = std::uint32_t(z * (n + 1) + x), b = a + 1, c = a + std::uint32_t(n) + 2, d = a + std::uint32_t(n) + 1;
            indices.insert(indices.end(), {a, d, c, a, c, b});
        }
    }
    return meshOf(positions, indices);
}

// The cube [0, 1]^3, twelve outward-facing triangles.
std::unique_ptr<IndexedTriangleSet> cube() {
    std::vector<float> positions;
    for (int v = 0; v < 8; ++v) positions.insert(positions.end(), {float(v & 1), float((v >> 1) & 1), float((v >> 2) & 1)});
    return meshOf(positions, {0, 2, 3, 0, 3, 1, 4, 5, 7, 4, 7, 6, 0, 1, 5, 0, 5, 4, 2, 6, 7, 2, 7, 3, 0, 4, 6, 0, 6, 2, 1, 3, 7, 1, 7, 5});
}

// Reads a cooked triangle mesh as the blob's layout gives it.
struct CookedMesh {
    std::uint32_t total = 0, vertices = 0, indices = 0;
    std::vector<float> positions;
    std::vector<std::uint16_t> indexArray;
    btQuantizedBvhFloatData bvh{};
    std::vector<std::uint8_t> nodes, subtrees;
    float thresholds[5] = {};
    std::vector<BtTriangleInfoData> values;
    std::vector<std::int32_t> keys;
    std::size_t end = 0;

    explicit CookedMesh(const std::vector<std::uint8_t>& blob) {
        std::size_t at = 0;
        const auto read = [&](void* out, std::size_t bytes) {
            std::memcpy(out, blob.data() + at, bytes);
            at += bytes;
        };
        std::uint32_t magic = 0;
        read(&magic, 4);
        EXPECT_EQ(magic, 224628u);
        read(&total, 4);
        read(&vertices, 4);
        read(&indices, 4);
        positions.resize(3 * std::size_t(vertices));
        read(positions.data(), 12 * std::size_t(vertices));
        indexArray.resize(indices);
        read(indexArray.data(), 2 * std::size_t(indices));
        if ((indices / 3) % 2 == 1) {
            std::uint16_t pad = 1;
            read(&pad, 2);
            EXPECT_EQ(pad, 0);
        }
        EXPECT_EQ(at % 4, 0u);  // B: the BVH header starts aligned
        read(&bvh.m_bvhAabbMin, 16);
        read(&bvh.m_bvhAabbMax, 16);
        read(&bvh.m_bvhQuantization, 16);
        read(&bvh.m_curNodeIndex, 16);
        read(&bvh.m_traversalMode, 8);
        const std::size_t nodeBytes = bvh.m_useQuantization ? 16 * std::size_t(bvh.m_numQuantizedContiguousNodes)
                                                            : 48 * std::size_t(bvh.m_numContiguousLeafNodes);
        nodes.resize(nodeBytes);
        read(nodes.data(), nodeBytes);
        subtrees.resize(20 * std::size_t(bvh.m_numSubtreeHeaders));
        read(subtrees.data(), subtrees.size());
        read(thresholds, 20);
        std::uint32_t valueCount = 0, keyCount = 0;
        read(&valueCount, 4);
        read(&keyCount, 4);
        values.resize(valueCount);
        read(values.data(), 8 * std::size_t(valueCount));
        keys.resize(keyCount);
        read(keys.data(), 4 * std::size_t(keyCount));
        end = at;
    }
};

std::vector<std::uint8_t> cookMesh(const IndexedTriangleSet& mesh) {
    std::vector<std::uint8_t> blob;
    EXPECT_TRUE(Q5XSaveUtil::PhysicsCookingInterface().cookTriangleMesh(mesh, blob));
    return blob;
}

// Every triangle the ray meets (Bullet's own ray-triangle test), with the BVH or without it.
struct RayHits : btTriangleRaycastCallback {
    std::set<int> triangles;
    RayHits(const btVector3& from, const btVector3& to) : btTriangleRaycastCallback(from, to) {}
    btScalar reportHit(const btVector3&, btScalar, int, int triangleIndex) override {
        triangles.insert(triangleIndex);
        return 1.0f;  // keep going: every hit counts
    }
};

struct BoxHits : btTriangleCallback {
    std::set<int> triangles;
    void processTriangle(btVector3*, int, int triangleIndex) override { triangles.insert(triangleIndex); }
};

float bumps(float x, float z) {
    return std::sin(x * 0.7f) * 2.0f + std::cos(z * 0.45f) * 1.5f;
}

float flat(float, float) {
    return 0.0f;
}

}  // namespace

TEST(CollisionCooking, ASingleTriangleHasEveryFieldWhereTheLayoutPutsIt) {
    const auto triangle = meshOf({0, 0, 0, 1, 0, 0, 0, 0, 1}, {0, 1, 2});
    const std::vector<std::uint8_t> blob = cookMesh(*triangle);
    const CookedMesh cooked(blob);
    EXPECT_EQ(cooked.vertices, 3u);
    EXPECT_EQ(cooked.indices, 3u);
    // B = 16 + 36 + 6 + 2 (one pad word) = 60; the total is B + 72 + N + S + 28 + 8 + 4.
    EXPECT_EQ(cooked.bvh.m_useQuantization, 1);
    EXPECT_EQ(cooked.total, 60u + 72u + cooked.nodes.size() + cooked.subtrees.size() + 28u + 8u + 4u);
    EXPECT_EQ(cooked.end, cooked.total);
    EXPECT_EQ(blob.size() % 4, 0u);
    EXPECT_EQ(blob.size(), (cooked.total + 3) / 4 * 4);
    const float expected[5] = {0.0f, 0.0001f, 1e-8f, 0.1f, 1e-8f};
    for (int t = 0; t < 5; ++t) EXPECT_EQ(cooked.thresholds[t], expected[t]);
    ASSERT_EQ(cooked.values.size(), 1u);
    ASSERT_EQ(cooked.keys, std::vector<std::int32_t>{0});
    EXPECT_EQ(cooked.values[0].flags, 0);
    for (const std::int16_t angle : cooked.values[0].edgeAngles) EXPECT_EQ(angle, 32767);
}

TEST(CollisionCooking, WeldingDropsCollapsedTrianglesAndSurvivesToleranceChains) {
    // Two corners 0.00005 apart weld; the triangle they shared collapses and is dropped.
    const auto touching = meshOf({0, 0, 0, 1, 0, 0, 0, 0, 1, 0.00005f, 0, 0, 2, 0, 0},
                                 {0, 1, 2, 0, 3, 2, 1, 4, 2});
    const CookedMesh welded(cookMesh(*touching));
    EXPECT_EQ(welded.vertices, 4u);
    EXPECT_EQ(welded.indices, 6u);
    // A unique vertex takes the position of the highest-numbered vertex welded into it.
    EXPECT_NE(std::find(welded.positions.begin(), welded.positions.end(), 0.00005f), welded.positions.end());

    // Chains of points each within the tolerance of the next (no strict order exists), NaN-free,
    // in shuffled order: the sort stays bounded and every index stays in range.
    std::vector<float> chain;
    std::vector<std::uint32_t> indices;
    for (int i = 0; i < 300; ++i) chain.insert(chain.end(), {float((i * 7919) % 300) * 0.00006f, float(i % 3) * 0.00007f, 0.0f});
    for (std::uint32_t i = 0; i + 2 < 300; i += 3) indices.insert(indices.end(), {i, i + 1, i + 2});
    const auto chained = meshOf(chain, indices);
    Bt2PhysicsMeshInterface mesh(chained->numVertices, chained->positions.data(), chained->numIndices, indices.data());
    for (const std::uint16_t index : mesh.indices()) EXPECT_LT(index, mesh.vertices().size() / 3);
}

TEST(CollisionCooking, MeshesBulletCannotHoldAreRefused) {
    Q5XSaveUtil::PhysicsCookingInterface cooking;
    std::vector<std::uint8_t> blob;
    for (const float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), 1e30f}) {
        auto mesh = cube();
        mesh->positions[4] = bad;
        EXPECT_FALSE(cooking.cookTriangleMesh(*mesh, blob)) << bad;
        EXPECT_FALSE(cooking.cookConvexHull(*mesh, blob)) << bad;
    }
    // 65537 vertices: beyond 16-bit indices.
    std::vector<float> many(3 * 65537, 0.0f);
    for (std::size_t v = 0; v < 65537; ++v) many[3 * v] = float(v);
    EXPECT_FALSE(cooking.cookTriangleMesh(*meshOf(many, {0, 1, 2}), blob));
    // Every triangle collapses; a hull of two points has no volume.
    EXPECT_FALSE(cooking.cookTriangleMesh(*meshOf({0, 0, 0, 0, 0, 0, 1, 0, 0}, {0, 1, 2}), blob));
    EXPECT_FALSE(cooking.cookConvexHull(*meshOf({0, 0, 0, 1, 0, 0, 1, 0, 0.0001f}, {0, 1, 2}), blob));
}

TEST(CollisionCooking, EdgeFlagsTellPlanarConvexConcaveAndOpenEdges) {
    // A flat grid: inner edges are planar (angle 0), border edges have no neighbour.
    const CookedMesh plane(cookMesh(*grid(2, flat)));
    ASSERT_EQ(plane.values.size(), 8u);
    int planar = 0, open = 0;
    for (const BtTriangleInfoData& value : plane.values) {
        EXPECT_TRUE(value.flags & BtTriangleInfoData::kHasNeighbour);
        for (const std::int16_t angle : value.edgeAngles) {
            planar += angle == 0;
            open += angle == 32767;
        }
    }
    EXPECT_EQ(open, 8);         // the border: 2 x 2 cells have 8 border edges
    EXPECT_EQ(planar, 2 * 8);   // 8 inner edges, seen from both sides

    // A cube: every edge is shared, at a quarter turn (8192 of 32767), and convex.
    const CookedMesh box(cookMesh(*cube()));
    for (const BtTriangleInfoData& value : box.values) {
        for (int e = 0; e < 3; ++e) {
            const std::int16_t angle = value.edgeAngles[e];
            if (angle == 0) continue;  // the diagonal of a face
            EXPECT_NEAR(std::abs(angle), 8192, 1);
            EXPECT_TRUE(value.flags & (1 << e)) << "edge " << e << " convex";
        }
    }

    // An inward fold: two triangles meeting at a valley; the shared edge is not convex.
    const auto fold = meshOf({0, 0, 0, 0, 0, 1, 1, 1, 0, -1, 1, 0}, {0, 1, 2, 1, 0, 3});
    const CookedMesh valley(cookMesh(*fold));
    ASSERT_EQ(valley.values.size(), 2u);
    EXPECT_EQ(valley.values[0].flags & 0x01, 0);  // edge V0V1 (the fold) of the first triangle
    EXPECT_NE(valley.values[0].edgeAngles[0], 0);
    EXPECT_EQ(valley.values[0].edgeAngles[1], 32767);
}

TEST(CollisionCooking, TheStoredBvhAnswersQueriesAsTheTrianglesDo) {
    const auto source = grid(24, bumps);
    const CookedMesh cooked(cookMesh(*source));
    ASSERT_TRUE(cooked.bvh.m_useQuantization);

    // Bullet reads the BVH back from the stored arrays, over the stored vertices and indices.
    btQuantizedBvhFloatData data = cooked.bvh;
    std::vector<std::uint8_t> nodes = cooked.nodes, subtrees = cooked.subtrees;
    data.m_quantizedContiguousNodesPtr = reinterpret_cast<btQuantizedBvhNodeData*>(nodes.data());
    data.m_contiguousNodesPtr = nullptr;
    data.m_subTreeInfoPtr = reinterpret_cast<btBvhSubtreeInfoData*>(subtrees.data());
    std::vector<float> positions = cooked.positions;
    std::vector<std::uint16_t> indices = cooked.indexArray;
    btIndexedMesh part;
    part.m_numTriangles = int(indices.size() / 3);
    part.m_triangleIndexBase = reinterpret_cast<const unsigned char*>(indices.data());
    part.m_triangleIndexStride = 6;
    part.m_numVertices = int(positions.size() / 3);
    part.m_vertexBase = reinterpret_cast<const unsigned char*>(positions.data());
    part.m_vertexStride = 12;
    btTriangleIndexVertexArray mesh;
    mesh.addIndexedMesh(part, PHY_SHORT);
    btOptimizedBvh bvh;  // outlives the shape, which does not own a BVH it is given
    bvh.deSerializeFloat(data);
    btBvhTriangleMeshShape shape(&mesh, true, false);
    shape.setOptimizedBvh(&bvh);

    const auto triangle = [&](int t, btVector3 corners[3]) {
        for (int k = 0; k < 3; ++k) {
            const std::size_t v = indices[std::size_t(3 * t + k)];
            corners[k] = btVector3(positions[3 * v], positions[3 * v + 1], positions[3 * v + 2]);
        }
    };
    unsigned seed = 12345;
    const auto random = [&](float low, float high) {
        seed = seed * 1103515245u + 12345u;
        return low + (high - low) * float((seed >> 8) & 0xFFFF) / 65535.0f;
    };
    int hits = 0;
    for (int r = 0; r < 300; ++r) {
        const btVector3 from(random(-2, 26), 10, random(-2, 26)), to(random(-2, 26), -10, random(-2, 26));
        RayHits bvhHits(from, to), everyTriangle(from, to);
        shape.performRaycast(&bvhHits, from, to);
        for (int t = 0; t < part.m_numTriangles; ++t) {
            btVector3 corners[3];
            triangle(t, corners);
            everyTriangle.processTriangle(corners, 0, t);
        }
        EXPECT_EQ(bvhHits.triangles, everyTriangle.triangles) << "ray " << r;
        hits += int(everyTriangle.triangles.size());
    }
    EXPECT_GT(hits, 250);  // the rays do meet the surface

    for (int q = 0; q < 100; ++q) {
        const btVector3 low(random(-2, 24), random(-4, 3), random(-2, 24));
        const btVector3 high = low + btVector3(random(0, 4), random(0, 3), random(0, 4));
        BoxHits bvhHits;
        shape.processAllTriangles(&bvhHits, low, high);
        for (int t = 0; t < part.m_numTriangles; ++t) {
            btVector3 corners[3];
            triangle(t, corners);
            btVector3 boxLow = corners[0], boxHigh = corners[0];
            for (int k = 1; k < 3; ++k) boxLow.setMin(corners[k]), boxHigh.setMax(corners[k]);
            const bool overlaps = boxLow.x() <= high.x() && boxHigh.x() >= low.x() && boxLow.y() <= high.y() && boxHigh.y() >= low.y() &&
                                  boxLow.z() <= high.z() && boxHigh.z() >= low.z();
            if (overlaps) {
                EXPECT_TRUE(bvhHits.triangles.count(t)) << "box " << q << " misses triangle " << t;
            }
        }
    }
}

TEST(CollisionCooking, AUnitCubeHullHasItsMassProperties) {
    std::vector<std::uint8_t> blob;
    ASSERT_TRUE(Q5XSaveUtil::PhysicsCookingInterface().cookConvexHull(*cube(), blob));
    ASSERT_EQ(blob.size(), 160u);  // 64 + 8 points of 12 bytes
    float header[16];
    std::memcpy(header, blob.data(), 64);
    std::uint32_t magic = 0, points = 0;
    std::memcpy(&magic, blob.data(), 4);
    std::memcpy(&points, blob.data() + 4, 4);
    EXPECT_EQ(magic, 290147u);
    EXPECT_EQ(points, 8u);
    EXPECT_NEAR(header[2], 0.04f, 1e-6f);  // the margin: the shrink of 0.04
    EXPECT_NEAR(header[3], 1.0f, 1e-5f);   // volume
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(header[4 + c], 0.5f, 1e-5f);
    // About its centre a unit cube of unit mass has 1/6 on the diagonal and nothing off it.
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(header[7 + 3 * r + c], r == c ? 1.0f / 6.0f : 0.0f, 1e-5f);
    }
    // The points are the cube shrunk by the margin on every side.
    for (std::uint32_t p = 0; p < points; ++p) {
        float point[3];
        std::memcpy(point, blob.data() + 64 + 12 * p, 12);
        for (const float c : point) EXPECT_NEAR(std::min(std::fabs(c - 0.04f), std::fabs(c - 0.96f)), 0.0f, 1e-4f);
    }
}

TEST(CollisionCooking, EdgeAnglesQuantizeToSixteenBits) {
    EXPECT_EQ(quantizeEdgeAngle(0.0f), 0);
    EXPECT_EQ(quantizeEdgeAngle(SIMD_2_PI), 32767);  // a full turn: no neighbour
    EXPECT_EQ(quantizeEdgeAngle(float(M_PI / 2)), 8192);   // 8191.75 rounds half up
    EXPECT_EQ(quantizeEdgeAngle(float(-M_PI / 2)), -8192);
    EXPECT_EQ(quantizeEdgeAngle(float(4.5 * M_PI)), 8192);  // two and a quarter turns: whole turns removed
    // An angle Bullet could not work out (found by fuzzing) reads as no neighbour.
    EXPECT_EQ(quantizeEdgeAngle(std::numeric_limits<float>::quiet_NaN()), 32767);
}
