#include "geometry/Tangents.h"
#include "geometry/Weld.h"
#include "MeshBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <set>
#include <vector>

TEST(Weld, QuadOfTwoTrianglesWeldsToFourVertices) {
    MeshBuildBuffer buffer;
    addQuad(buffer);
    weldVertices(buffer);
    ASSERT_EQ(buffer.vertices.size(), 4u);
    ASSERT_EQ(buffer.triangles.size(), 2u);
    // Groups keep the buffer order of their first corner: a, b, c, then d.
    EXPECT_EQ(buffer.triangles[0].indices[0], 0u);
    EXPECT_EQ(buffer.triangles[0].indices[1], 1u);
    EXPECT_EQ(buffer.triangles[0].indices[2], 2u);
    EXPECT_EQ(buffer.triangles[1].indices[0], 0u);
    EXPECT_EQ(buffer.triangles[1].indices[1], 2u);
    EXPECT_EQ(buffer.triangles[1].indices[2], 3u);
    EXPECT_EQ(buffer.vertices[3].position[1], 1.0f);
}

TEST(Weld, TolerancesDecideWhatMerges) {
    MeshBuildBuffer buffer;
    addTriangle(buffer, corner(0, 0, 0), corner(1, 0, 0), corner(0, 1, 0));
    addTriangle(buffer, corner(0.00005f, 0, 0), corner(1.0002f, 0, 0), corner(0, 1, 0.00005f));
    weldVertices(buffer);
    EXPECT_EQ(buffer.vertices.size(), 4u);  // only (1, 0, 0) and (1.0002, 0, 0) stay apart

    MeshBuildBuffer colours;
    BuildVertex red = corner(0, 0, 0), nearlyRed = corner(0, 0, 0), other = corner(0, 0, 0);
    red.color[0] = 1.0f;
    nearlyRed.color[0] = 0.9995f;
    other.color[0] = 0.998f;
    addTriangle(colours, red, nearlyRed, other);
    weldVertices(colours);
    EXPECT_EQ(colours.vertices.size(), 2u);
}

TEST(Weld, HandednessAndOpposedTangentsKeepVerticesApart) {
    MeshBuildBuffer buffer;
    BuildVertex right = corner(0, 0, 0), left = corner(0, 0, 0), opposed = corner(0, 0, 0);
    right.tangent[0] = 1.0f;
    right.tangent[3] = 1.0f;
    left.tangent[0] = 1.0f;
    left.tangent[3] = -1.0f;
    opposed.tangent[0] = -1.0f;
    opposed.tangent[3] = 1.0f;
    addTriangle(buffer, right, left, opposed);
    addTriangle(buffer, opposed, left, right);
    weldVertices(buffer);
    EXPECT_EQ(buffer.vertices.size(), 3u);
}

TEST(Weld, TangentsLessThanNinetyDegreesApartAverage) {
    MeshBuildBuffer buffer;
    BuildVertex right = corner(0, 0, 0), up = corner(0, 0, 0);
    right.tangent[0] = 1.0f;
    right.tangent[3] = 1.0f;
    up.tangent[1] = 1.0f;
    up.tangent[3] = 1.0f;
    addTriangle(buffer, right, up, corner(1, 0, 0));
    addTriangle(buffer, right, corner(1, 0, 0), corner(0, 1, 0));
    weldVertices(buffer);
    ASSERT_EQ(buffer.vertices.size(), 3u);
    EXPECT_EQ(buffer.triangles[0].indices[0], buffer.triangles[0].indices[1]);  // degenerate now, but kept
    const float* averaged = buffer.vertices[0].tangent;
    EXPECT_NEAR(averaged[0], 2.0f / std::sqrt(5.0f), 1e-6f);  // (2, 1, 0) normalised: `right` is used twice
    EXPECT_NEAR(averaged[1], 1.0f / std::sqrt(5.0f), 1e-6f);
}

TEST(Weld, UnreferencedVerticesAndInvalidTrianglesVanish) {
    MeshBuildBuffer buffer;
    buffer.vertices.push_back(corner(9, 9, 9));
    addQuad(buffer);
    buffer.triangles[1].valid = 0;
    buffer.triangles.push_back({{0, 1, 99}, 0, 1});  // out of range: dropped, never read
    weldVertices(buffer);
    EXPECT_EQ(buffer.vertices.size(), 3u);
    ASSERT_EQ(buffer.triangles.size(), 1u);
    EXPECT_EQ(buffer.vertices[0].position[0], 0.0f);
}

TEST(Weld, AdversarialInputStaysInBoundsAndDeterministic) {
    // A chain of corners each within tolerance of the next, interleaved with NaN and infinite
    // positions and opposite tangents at one spot: no strict weak order exists here.
    MeshBuildBuffer buffer;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pick(0, 4);
    for (int i = 0; i < 30000; ++i) {
        BuildVertex v = corner(0.00009f * (i % 500), 0, 0);
        switch (pick(random)) {
            case 0: v.position[1] = nan; break;
            case 1: v.position[0] = (i % 2) ? inf : -inf; break;
            case 2: v.tangent[0] = (i % 2) ? 1.0f : -1.0f; break;
            case 3: v.normal[0] = nan; break;
            default: break;
        }
        buffer.vertices.push_back(v);
    }
    for (std::uint32_t i = 0; i + 2 < buffer.vertices.size(); i += 3) buffer.triangles.push_back({{i, i + 1, i + 2}, 0, 1});
    MeshBuildBuffer again = buffer;
    weldVertices(buffer);
    weldVertices(again);
    ASSERT_EQ(buffer.vertices.size(), again.vertices.size());
    EXPECT_EQ(std::memcmp(buffer.vertices.data(), again.vertices.data(), buffer.vertices.size() * sizeof(BuildVertex)), 0);
    for (const BuildTriangle& triangle : buffer.triangles) {
        for (std::uint32_t index : triangle.indices) EXPECT_LT(index, buffer.vertices.size());
    }
}

TEST(Weld, NanComponentsWeldOnlyWithNan) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    MeshBuildBuffer buffer;
    addTriangle(buffer, corner(nan, 0, 0), corner(nan, 0, 0), corner(0, 0, 0));
    addTriangle(buffer, corner(5, 0, 0), corner(nan, 0, 0), corner(0, 0, 0));
    weldVertices(buffer);
    EXPECT_EQ(buffer.vertices.size(), 3u);
    EXPECT_TRUE(std::isnan(buffer.vertices[0].position[0]));
}

TEST(Weld, IdenticalCornersAlwaysWeldEvenInsideToleranceChains) {
    // Positions 0.00003 apart: every one is within tolerance of its neighbours, so the tolerance
    // order has no strict weak order, yet copies of one corner must still end up as one vertex.
    MeshBuildBuffer buffer;
    std::vector<int> order;
    for (int k = 0; k < 3000; ++k) order.insert(order.end(), {k, k});
    std::shuffle(order.begin(), order.end(), std::mt19937(11));
    for (int k : order) buffer.vertices.push_back(corner(0.00003f * float(k), float(k % 3), 0));
    for (std::uint32_t i = 0; i < buffer.vertices.size(); i += 3) buffer.triangles.push_back({{i, i + 1, i + 2}, 0, 1});
    const MeshBuildBuffer soup = buffer;
    weldVertices(buffer);
    std::set<std::vector<float>> positions;
    for (const BuildVertex& v : buffer.vertices) positions.insert({v.position[0], v.position[1], v.position[2]});
    EXPECT_EQ(positions.size(), buffer.vertices.size());
    EXPECT_LE(buffer.vertices.size(), 3000u);
    // Every corner maps onto a vertex that compares equal to it.
    for (std::size_t t = 0; t < buffer.triangles.size(); ++t) {
        for (int c = 0; c < 3; ++c) {
            EXPECT_EQ(compareForWeld(soup.vertices[3 * t + c], buffer.vertices[buffer.triangles[t].indices[c]]), 0);
        }
    }
}

TEST(Weld, SignedZerosMeetAndUvSeamsStayApart) {
    MeshBuildBuffer buffer;
    addTriangle(buffer, corner(0, 0, 0), corner(-0.0f, 0, -0.0f), corner(1, 1, 0, 0, 0));
    addTriangle(buffer, corner(1, 1, 0, 0.5f, 0), corner(0, 0, 0), corner(1, 1, 0, 0, 0));
    weldVertices(buffer);
    ASSERT_EQ(buffer.vertices.size(), 3u);
    EXPECT_EQ(buffer.triangles[0].indices[0], buffer.triangles[0].indices[1]);
    EXPECT_NE(buffer.triangles[1].indices[0], buffer.triangles[1].indices[2]);
}

TEST(Weld, HardEdgesKeepOneVertexPerFaceAndNearEqualNormalsStillMeet) {
    // A cube with a normal per face: every corner position carries three classes.
    MeshBuildBuffer cube;
    for (int axis = 0; axis < 3; ++axis) {
        for (float side : {0.0f, 1.0f}) {
            BuildVertex quad[4];
            for (int k = 0; k < 4; ++k) {
                float p[3];
                p[axis] = side;
                p[(axis + 1) % 3] = float(k == 1 || k == 2);
                p[(axis + 2) % 3] = float(k >= 2);
                quad[k] = corner(p[0], p[1], p[2]);
                quad[k].normal[0] = quad[k].normal[1] = quad[k].normal[2] = 0.0f;
                quad[k].normal[axis] = side * 2.0f - 1.0f;
            }
            addTriangle(cube, quad[0], quad[1], quad[2]);
            addTriangle(cube, quad[0], quad[2], quad[3]);
        }
    }
    MeshBuildBuffer nearlySmooth = cube;
    weldVertices(cube);
    EXPECT_EQ(cube.vertices.size(), 24u);
    // Normals 0.00005 apart weld although their bits differ.
    for (std::size_t v = 0; v < nearlySmooth.vertices.size(); v += 2) nearlySmooth.vertices[v].normal[0] += 0.00005f;
    weldVertices(nearlySmooth);
    EXPECT_EQ(nearlySmooth.vertices.size(), 24u);
}

TEST(Weld, SoupsOfMostlyDistinctCornersKeepEveryPosition) {
    // More distinct positions than a soup usually has, so the vertex table grows on the way.
    MeshBuildBuffer buffer;
    for (int k = 0; k < 60000; ++k) buffer.vertices.push_back(corner(float(k % 250), float(k / 250), 0));
    for (int k = 0; k < 30000; ++k) buffer.vertices.push_back(corner(float(k % 250), float(k / 250), 0));
    for (std::uint32_t i = 0; i < buffer.vertices.size(); i += 3) buffer.triangles.push_back({{i, i + 1, i + 2}, 0, 1});
    const MeshBuildBuffer soup = buffer;
    weldVertices(buffer);
    EXPECT_EQ(buffer.vertices.size(), 60000u);
    for (std::size_t t = 0; t < buffer.triangles.size(); ++t) {
        for (int c = 0; c < 3; ++c) {
            const float* original = soup.vertices[3 * t + c].position;
            const float* welded = buffer.vertices[buffer.triangles[t].indices[c]].position;
            ASSERT_EQ(std::memcmp(original, welded, 3 * sizeof(float)), 0) << "triangle " << t;
        }
    }
}

TEST(Weld, OrdinaryMeshesWeldIntoExactlyTheirEqualityClasses) {
    // A grid whose corners mix UV seams, hard edges, flipped handedness, tangents less than 90
    // degrees apart and normal noise below the tolerance: equality is transitive here, so the weld
    // must map every corner onto a vertex equal to it and leave no two equal vertices.
    std::mt19937 random(21);
    std::uniform_real_distribution<float> tilt(-0.3f, 0.3f);
    MeshBuildBuffer buffer;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 30; ++x) {
            const bool seam = random() % 4 == 0, hard = random() % 5 == 0, mirrored = random() % 6 == 0;
            BuildVertex quad[4] = {corner(float(x), float(y), 0, float(x), float(y)),
                                   corner(float(x + 1), float(y), 0, float(x + 1), float(y)),
                                   corner(float(x + 1), float(y + 1), 0, float(x + 1), float(y + 1)),
                                   corner(float(x), float(y + 1), 0, float(x), float(y + 1))};
            for (BuildVertex& v : quad) {
                if (seam) v.uv[0][0] += 0.5f;
                if (hard) v.normal[0] = 0.01f * float(1 + random() % 3);
                if (random() % 3 == 0) v.normal[1] = 0.00003f;
                v.tangent[0] = 1.0f;
                v.tangent[1] = tilt(random);
                v.tangent[3] = mirrored ? -1.0f : 1.0f;
            }
            addTriangle(buffer, quad[0], quad[1], quad[2]);
            addTriangle(buffer, quad[0], quad[2], quad[3]);
        }
    }
    std::shuffle(buffer.triangles.begin(), buffer.triangles.end(), random);
    const MeshBuildBuffer soup = buffer;
    weldVertices(buffer);
    for (std::size_t t = 0; t < buffer.triangles.size(); ++t) {
        const BuildTriangle& original = soup.triangles[t];
        for (int c = 0; c < 3; ++c) {
            ASSERT_EQ(compareForWeld(soup.vertices[original.indices[c]], buffer.vertices[buffer.triangles[t].indices[c]]), 0);
        }
    }
    for (std::size_t a = 0; a < buffer.vertices.size(); ++a) {
        for (std::size_t b = a + 1; b < buffer.vertices.size(); ++b) {
            ASSERT_NE(compareForWeld(buffer.vertices[a], buffer.vertices[b]), 0) << a << " and " << b;
        }
    }
    EXPECT_LT(buffer.vertices.size(), soup.vertices.size() / 2);
}

TEST(Tangents, FollowTheUDirectionAndMirroredUvsFlipHandedness) {
    MeshBuildBuffer buffer;
    addTriangle(buffer, corner(0, 0, 0, 0, 0), corner(2, 0, 0, 1, 0), corner(0, 2, 0, 0, 1));
    addTriangle(buffer, corner(0, 0, 0, 1, 0), corner(2, 0, 0, 0, 0), corner(0, 2, 0, 1, 1));
    addTriangle(buffer, corner(0, 0, 0, 0, 0), corner(1, 0, 0, 0, 0), corner(0, 1, 0, 0, 0));  // no UV area
    computeTangents(buffer);
    EXPECT_FLOAT_EQ(buffer.vertices[0].tangent[0], 1.0f);
    EXPECT_FLOAT_EQ(buffer.vertices[0].tangent[3], 1.0f);
    EXPECT_FLOAT_EQ(buffer.vertices[3].tangent[0], -1.0f);
    EXPECT_FLOAT_EQ(buffer.vertices[3].tangent[3], -1.0f);
    EXPECT_FLOAT_EQ(buffer.vertices[6].tangent[0], 1.0f);
    EXPECT_FLOAT_EQ(buffer.vertices[6].tangent[1], 0.0f);
}

TEST(Tangents, ProjectOutTheNormalAndSumOverSharedCorners) {
    // Indexed corners, so that corner 0 takes part in two triangles.
    MeshBuildBuffer buffer;
    buffer.vertices = {corner(0, 0, 0, 0, 0), corner(1, 0, 1, 1, 0), corner(0, 1, 0, 0, 1),
                       corner(0, 2, 0, 1, 0), corner(-2, 0, 0, 0, 1)};
    buffer.vertices[3].normal[1] = 1.0f;  // along its own s: nothing is left after projection
    buffer.vertices[3].normal[2] = 0.0f;
    buffer.triangles = {{{0, 1, 2}, 0, 1}, {{0, 3, 4}, 0, 1}};
    computeTangents(buffer);
    // Triangle 1: s = (1, 0, 1), t = (0, 1, 0); against the normal (0, 0, 1) s leaves (1, 0, 0).
    EXPECT_FLOAT_EQ(buffer.vertices[1].tangent[0], 1.0f);
    EXPECT_FLOAT_EQ(buffer.vertices[1].tangent[2], 0.0f);
    EXPECT_FLOAT_EQ(buffer.vertices[1].tangent[3], 1.0f);
    // Triangle 2: s = (0, 2, 0), t = (-2, 0, 0). Corner 0 sums both: s = (1, 2, 1) projects to
    // (1, 2, 0) / sqrt(5); (n x s) . t = (-2, 1, 0) . (-2, 1, 0) > 0, so right-handed.
    EXPECT_NEAR(buffer.vertices[0].tangent[0], 1.0f / std::sqrt(5.0f), 1e-6f);
    EXPECT_NEAR(buffer.vertices[0].tangent[1], 2.0f / std::sqrt(5.0f), 1e-6f);
    EXPECT_NEAR(buffer.vertices[0].tangent[2], 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(buffer.vertices[0].tangent[3], 1.0f);
    // Corner 3's normal lies along its s: the fallback direction.
    EXPECT_FLOAT_EQ(buffer.vertices[3].tangent[0], 1.0f);
    EXPECT_FLOAT_EQ(buffer.vertices[3].tangent[1], 0.0f);
}
