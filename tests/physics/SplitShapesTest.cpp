// Split shapes: the boundary representation of closed meshes (welding, opposites, shared corner
// attributes, regions, refusals) and the hull masks the physics hulls give its faces.
#include "geometry/AttachmentsShapes.h"
#include "geometry/Brep.h"
#include "physics/SplittableMesh.h"
#include "saveutil/Log.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Collects what the support library logs.
struct LogLines : Q5XSaveUtil::LogSink {
    std::string text;
    LogLines() { Q5XSaveUtil::Log::instance().addSink(this); }
    ~LogLines() override { Q5XSaveUtil::Log::instance().removeSink(this); }
    void warning(const char* line, std::size_t length) override { text.append(line, length); }
    void error(const char* line, std::size_t length) override { text.append(line, length); }
};

// A box from `low` to `high` as 24 corners (4 per face, each with its face's normal and a UV) and
// 12 triangles, as a render mesh comes from extraction.
std::unique_ptr<IndexedTriangleSet> box(const float (&low)[3], const float (&high)[3], bool attributes = true) {
    auto set = std::make_unique<IndexedTriangleSet>();
    set->vertexFormat = attributes ? kVertexNormal | kVertexUv0 : 0u;
    std::vector<std::uint32_t> indices;
    for (int axis = 0; axis < 3; ++axis) {
        for (int side = 0; side < 2; ++side) {
            const int u = (axis + 1) % 3, v = (axis + 2) % 3;
            const auto first = std::uint32_t(set->positions.size() / 3);
            for (int corner = 0; corner < 4; ++corner) {
                float p[3];
                p[axis] = side ? high[axis] : low[axis];
                p[u] = (corner == 1 || corner == 2) ? high[u] : low[u];
                p[v] = corner >= 2 ? high[v] : low[v];
                set->positions.insert(set->positions.end(), p, p + 3);
                float n[3] = {0, 0, 0};
                n[axis] = side ? 1.0f : -1.0f;
                set->normals.insert(set->normals.end(), n, n + 3);
                set->uv[0].insert(set->uv[0].end(), {float(corner & 1), float(corner >> 1)});
            }
            // Outward winding: counter-clockwise seen from outside.
            if (side) {
                indices.insert(indices.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
            } else {
                indices.insert(indices.end(), {first, first + 2, first + 1, first, first + 3, first + 2});
            }
        }
    }
    set->numVertices = std::uint32_t(set->positions.size() / 3);
    set->resizeIndices(std::uint32_t(indices.size()));
    for (std::uint32_t i = 0; i < indices.size(); ++i) set->setIndex(i, indices[i]);
    return set;
}

}  // namespace

TEST(Brep, AClosedBoxWeldsToEightVerticesWithEveryHalfEdgeOpposite) {
    const auto cube = box({0, 0, 0}, {1, 1, 1});
    const auto brep = Brep::fromTriangleSet(*cube);
    ASSERT_TRUE(brep);
    EXPECT_EQ(brep->vertices().size(), 8u);
    EXPECT_EQ(brep->faces().size(), 12u);
    EXPECT_TRUE(brep->isClosed());
    EXPECT_EQ(brep->regionCount(), 1u);
    // Corners of a face share position, normal and UV pairwise only within the face: 24 attributes
    // stay (a hard edge at every cube edge keeps them apart).
    EXPECT_EQ(brep->cornerAttributes().size(), 24u);
    for (const Brep::Face& face : brep->faces()) {
        for (const Brep::Corner& corner : face.corners) {
            EXPECT_NE(corner.opposite, Brep::kNone32);
            EXPECT_NE(corner.opposite % 4, 0u);
        }
    }
    // Bounds grow by 0.0005: the face at z = 0 spans x and y from 0 to 1.
    const Brep::FaceBounds& bounds = brep->faceBounds()[0];
    EXPECT_FLOAT_EQ(bounds.halfExtents[0] + bounds.halfExtents[1] + bounds.halfExtents[2], 0.5f + 0.5f + 0.0f + 3 * 0.0005f);
}

TEST(Brep, RegionsSharedAttributesAndRefusals) {
    // Two boxes in one mesh: two regions, numbered in face order.
    auto pair = box({0, 0, 0}, {1, 1, 1});
    const auto second = box({3, 0, 0}, {4, 1, 1});
    const std::uint32_t offset = pair->numVertices;
    std::vector<std::uint32_t> indices;
    for (std::uint32_t i = 0; i < pair->numIndices; ++i) indices.push_back(pair->index(i));
    for (std::uint32_t i = 0; i < second->numIndices; ++i) indices.push_back(second->index(i) + offset);
    pair->positions.insert(pair->positions.end(), second->positions.begin(), second->positions.end());
    pair->normals.insert(pair->normals.end(), second->normals.begin(), second->normals.end());
    pair->uv[0].insert(pair->uv[0].end(), second->uv[0].begin(), second->uv[0].end());
    pair->numVertices += second->numVertices;
    pair->resizeIndices(std::uint32_t(indices.size()));
    for (std::uint32_t i = 0; i < indices.size(); ++i) pair->setIndex(i, indices[i]);
    const auto two = Brep::fromTriangleSet(*pair);
    ASSERT_TRUE(two);
    EXPECT_EQ(two->regionCount(), 2u);
    EXPECT_EQ(two->faces().front().state, 0);
    EXPECT_EQ(two->faces().back().state, 1);

    // A flat square of two triangles whose shared corners repeat position, normal and UV share
    // one attribute each: 4 remain of 6. Positions 0.000001 apart stay two vertices.
    const float square[] = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0};
    std::vector<float> attributes;
    const float uv[6][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 0}, {1, 1}, {0, 1}};
    for (const auto& t : uv) attributes.insert(attributes.end(), {0, 0, 1, t[0], t[1]});
    const std::vector<Brep::Triangle> triangles = {{{0, 1, 2}, {0, 1, 2}, 0, 0}, {{3, 4, 5}, {3, 4, 5}, 0, 0}};
    const Brep flat(6, square, attributes, triangles);
    EXPECT_EQ(flat.vertices().size(), 4u);
    EXPECT_EQ(flat.cornerAttributes().size(), 4u);
    EXPECT_FALSE(flat.isClosed());
    const float apart[] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0.000001f, 0, 0};
    EXPECT_EQ(Brep(4, apart, {}, {{{0, 1, 2}, {65535, 65535, 65535}, 0, 0}}).vertices().size(), 3u);

    // The same triangle twice in the same winding is non-manifold: logged, no faces.
    LogLines log;
    const Brep twice(4, apart, {}, {{{0, 1, 2}, {65535, 65535, 65535}, 0, 0}, {{0, 1, 2}, {65535, 65535, 65535}, 0, 0}});
    EXPECT_TRUE(twice.faces().empty());
    EXPECT_NE(log.text.find("Topology: Mesh contains non-manifold edges\n"), std::string::npos);

    // 65536 distinct positions: the last would take the number that means "none".
    std::vector<float> many;
    for (int v = 0; v < 65536; ++v) many.insert(many.end(), {float(v), 0, 0});
    const Brep full(65536, many.data(), {}, {{{0, 1, 2}, {65535, 65535, 65535}, 0, 0}});
    EXPECT_TRUE(full.faces().empty());
    EXPECT_NE(log.text.find("Error: Brep does not allow more then 65535 points\n"), std::string::npos);

    // Coordinates far beyond the integer range and NaN still find a bucket.
    EXPECT_LT(brepPositionBucket({1e30f, -1e30f, std::numeric_limits<float>::quiet_NaN()}), 500u);
    EXPECT_EQ(brepPositionBucket({0.001f, 0, 0}), brepPositionBucket({0, 0, 0}));
}

TEST(SplitShapes, PhysicsHullsMarkTheFacesTheyTouch) {
    LogLines log;
    Q5XSaveUtil::SplittableMeshBuilder builder;
    // A 2 x 1 x 1 box with two modelled hulls, its left and right halves.
    auto slab = box({-1, 0, 0}, {1, 1, 1});
    const auto left = box({-1, 0, 0}, {0, 1, 1}, false), right = box({0, 0, 0}, {1, 1, 1}, false);
    std::unique_ptr<Brep> brep;
    std::vector<std::unique_ptr<Brep>> hulls;
    ASSERT_TRUE(builder.createSplittableMesh("slab", *slab, {left.get(), right.get()}, brep, hulls)) << log.text;
    EXPECT_EQ(slab->meshUsage & IndexedTriangleSet::kUsageSplittable, IndexedTriangleSet::kUsageSplittable);
    ASSERT_EQ(hulls.size(), 2u);
    EXPECT_EQ(hulls[0]->vertices().size(), 8u);
    for (const Brep::Face& face : brep->faces()) {
        float x[3];
        for (int k = 0; k < 3; ++k) x[k] = brep->vertices()[face.corners[k].start].position[0];
        const bool reachesLeft = std::min({x[0], x[1], x[2]}) <= 0.0f, reachesRight = std::max({x[0], x[1], x[2]}) >= 0.0f;
        EXPECT_EQ((face.hullMask & 1) != 0, reachesLeft);
        EXPECT_EQ((face.hullMask & 2) != 0, reachesRight);
    }

    // Without modelled meshes a unit cube is decomposed: one hull, touched by every face.
    auto cube = box({0, 0, 0}, {1, 1, 1});
    brep.reset();
    hulls.clear();
    ASSERT_TRUE(builder.createSplittableMesh("cube", *cube, {}, brep, hulls)) << log.text;
    ASSERT_GE(hulls.size(), 1u);
    for (const Brep::Face& face : hulls.front()->faces()) EXPECT_EQ(face.tag, 65535);
    if (hulls.size() == 1) {
        for (const Brep::Face& face : brep->faces()) EXPECT_EQ(face.hullMask, 1u);
    }

    // What cannot be split says why.
    auto open = box({0, 0, 0}, {1, 1, 1});
    std::vector<std::uint32_t> kept;
    for (std::uint32_t i = 0; i < 30; ++i) kept.push_back(open->index(i));  // one face's two triangles left out
    open->resizeIndices(30);
    for (std::uint32_t i = 0; i < 30; ++i) open->setIndex(i, kept[i]);
    EXPECT_FALSE(builder.createSplittableMesh("open", *open, {}, brep, hulls));
    EXPECT_NE(log.text.find("Warning: Failed to create splittable mesh 'open'. Splittable meshes need to be closed.\n"), std::string::npos) << log.text;
    auto bare = box({0, 0, 0}, {1, 1, 1}, false);
    EXPECT_FALSE(builder.createSplittableMesh("bare", *bare, {}, brep, hulls));
    EXPECT_NE(log.text.find("'bare'. Normals and UV set 0 are required."), std::string::npos);
    const std::vector<const IndexedTriangleSet*> tooMany(33, left.get());
    EXPECT_FALSE(builder.createSplittableMesh("many", *cube, tooMany, brep, hulls));
    EXPECT_NE(log.text.find("'many'. Too many defined meshes."), std::string::npos);
    const std::vector<const IndexedTriangleSet*> enough(32, left.get());
    EXPECT_TRUE(builder.createSplittableMesh("enough", *cube, enough, brep, hulls));
}

TEST(SplitShapes, DecompositionSettingsFollowTheMeshSize) {
    // E = 1: k = 0.525, r = ceil(20 / 0.525) = 39, 39^3 = 59319 voxels; E = 100 caps at 64 million.
    const Q5XSaveUtil::DecompositionSettings small = Q5XSaveUtil::decompositionSettings(1.0);
    EXPECT_EQ(small.resolution, 59319u);
    EXPECT_NEAR(small.concavity, 0.015 * 0.525 * 0.525 * 0.525, 1e-12);
    EXPECT_EQ(Q5XSaveUtil::decompositionSettings(100.0).resolution, 64000000u);
    EXPECT_NEAR(Q5XSaveUtil::decompositionSettings(100.0).minimumHullVolume, 0.001, 1e-12);
}

TEST(SplitShapes, AttachmentsFindTheNearestPointOfAFace) {
    // The triangle (0,0,0) (2,0,0) (0,2,0): a point above its inside, beyond each corner, beyond
    // each edge; each squared distance worked out by hand.
    const float a[3] = {0, 0, 0}, b[3] = {2, 0, 0}, c[3] = {0, 2, 0};
    EXPECT_FLOAT_EQ(pointTriangleDistanceSquared({0.5f, 0.5f, 3}, a, b, c), 9.0f);
    EXPECT_FLOAT_EQ(pointTriangleDistanceSquared({-1, -1, 0}, a, b, c), 2.0f);
    EXPECT_FLOAT_EQ(pointTriangleDistanceSquared({3, -1, 0}, a, b, c), 2.0f);
    EXPECT_FLOAT_EQ(pointTriangleDistanceSquared({-1, 3, 0}, a, b, c), 2.0f);
    EXPECT_FLOAT_EQ(pointTriangleDistanceSquared({1, -2, 0}, a, b, c), 4.0f);     // below edge ab
    EXPECT_FLOAT_EQ(pointTriangleDistanceSquared({-2, 1, 0}, a, b, c), 4.0f);     // left of edge ac
    EXPECT_FLOAT_EQ(pointTriangleDistanceSquared({2, 2, 0}, a, b, c), 2.0f);      // beyond edge bc: to (1, 1)
}
