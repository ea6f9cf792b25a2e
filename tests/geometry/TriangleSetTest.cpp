#include "geometry/CreateIndexedTriangleSet.h"
#include "geometry/Crc64.h"
#include "geometry/UvDensity.h"
#include "geometry/VertexCompressionRange.h"
#include "geometry/Weld.h"
#include "MeshBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

namespace {

std::unique_ptr<IndexedTriangleSet> build(MeshBuildBuffer& buffer) {
    weldVertices(buffer);
    return createIndexedTriangleSet(buffer);
}

// A strip of `count` distinct vertices: triangles (i, i+1, i+2).
MeshBuildBuffer strip(std::uint32_t count) {
    MeshBuildBuffer buffer;
    for (std::uint32_t i = 0; i < count; ++i) buffer.vertices.push_back(corner(float(i), float(i % 2), 0));
    for (std::uint32_t i = 0; i + 2 < count; ++i) buffer.triangles.push_back({{i, i + 1, i + 2}, 0, 1});
    return buffer;
}

}  // namespace

TEST(TriangleSet, SubsetsFollowMaterialsWithTheirVertexRanges) {
    MeshBuildBuffer buffer;
    buffer.vertexFormat = kVertexNormal | kVertexUv0;
    addQuad(buffer, 5, 0, 7);
    addQuad(buffer, 0, 0, 2);
    const auto set = build(buffer);
    ASSERT_EQ(set->subsets.size(), 2u);
    EXPECT_EQ(set->numVertices, 8u);
    EXPECT_EQ(set->numIndices, 12u);
    EXPECT_FALSE(set->uses32BitIndices());
    // Material 2 (welded vertices 4 to 7) comes first.
    EXPECT_EQ(set->subsets[0].firstIndex, 0u);
    EXPECT_EQ(set->subsets[0].numIndices, 6u);
    EXPECT_EQ(set->subsets[0].firstVertex, 4u);
    EXPECT_EQ(set->subsets[0].numVertices, 4u);
    EXPECT_EQ(set->subsets[1].firstIndex, 6u);
    EXPECT_EQ(set->subsets[1].firstVertex, 0u);
    EXPECT_EQ(set->subsets[1].numVertices, 4u);
    // Unit quad, unit UVs: one texture unit per unit of length; a set without uv1 has density 0.
    EXPECT_FLOAT_EQ(set->subsets[0].uvDensity[0], 1.0f);
    EXPECT_FLOAT_EQ(set->subsets[0].uvDensity[1], 0.0f);
    EXPECT_FLOAT_EQ(triangleUvDensity(*set, 0, 0), 1.0f);
    EXPECT_EQ(set->normals.size(), 24u);
    EXPECT_TRUE(set->colors.empty());
}

TEST(TriangleSet, TrianglesSortByMaterialThenVertexNumbersAndBadOnesDrop) {
    MeshBuildBuffer buffer;
    for (int i = 0; i < 4; ++i) buffer.vertices.push_back(corner(float(i), float(i * i), 0));
    buffer.triangles = {{{2, 0, 1}, 1, 1}, {{3, 1, 2}, 0, 1}, {{0, 1, 2}, 0, 0}, {{0, 2, 3}, 0, 1}, {{0, 1, 4}, 0, 1}};
    const auto set = createIndexedTriangleSet(buffer);
    const std::uint32_t expected[] = {0, 2, 3, 3, 1, 2, 2, 0, 1};
    ASSERT_EQ(set->numIndices, 9u);
    for (std::uint32_t i = 0; i < 9; ++i) EXPECT_EQ(set->index(i), expected[i]) << i;
    ASSERT_EQ(set->subsets.size(), 2u);
    EXPECT_EQ(set->subsets[0].numIndices, 6u);
    EXPECT_EQ(set->subsets[0].numVertices, 4u);
    EXPECT_EQ(set->subsets[1].firstIndex, 6u);
    EXPECT_EQ(set->subsets[1].firstVertex, 0u);
    EXPECT_EQ(set->subsets[1].numVertices, 3u);
}

TEST(TriangleSet, ManyTrianglesGetTheOrderOfAFullSort) {
    // Sparse material numbers, repeated triangles and a 300-triangle fan around vertex 7.
    MeshBuildBuffer buffer;
    for (int i = 0; i < 400; ++i) buffer.vertices.push_back(corner(float(i), float(i % 7), 0));
    std::mt19937 random(11);
    const std::uint32_t materials[] = {4000000000u, 3, 17, 0};
    std::vector<std::array<std::uint32_t, 4>> expected;
    for (int t = 0; t < 3000; ++t) {
        const std::uint32_t material = materials[random() % 4];
        BuildTriangle triangle{{t < 300 ? 7u : std::uint32_t(random() % 400), std::uint32_t(random() % 400),
                                std::uint32_t(random() % 400)},
                               material, 1};
        if (t % 10 == 0 && t > 0) triangle = buffer.triangles[random() % buffer.triangles.size()];
        buffer.triangles.push_back(triangle);
        expected.push_back({triangle.material, triangle.indices[0], triangle.indices[1], triangle.indices[2]});
    }
    std::sort(expected.begin(), expected.end());
    const auto set = createIndexedTriangleSet(buffer);
    ASSERT_EQ(set->numIndices, 3 * expected.size());
    ASSERT_EQ(set->subsets.size(), 4u);
    for (std::uint32_t t = 0; t < expected.size(); ++t) {
        for (std::uint32_t c = 0; c < 3; ++c) ASSERT_EQ(set->index(3 * t + c), expected[t][c + 1]) << t;
    }
    EXPECT_EQ(set->subsets[3].firstIndex + set->subsets[3].numIndices, set->numIndices);
}

TEST(TriangleSet, TinyUvDensitiesAreLeftOut) {
    MeshBuildBuffer buffer;
    buffer.vertexFormat = kVertexUv0;
    addTriangle(buffer, corner(0, 0, 0, 0, 0), corner(100, 0, 0, 1, 0), corner(0, 100, 0, 0, 1));
    auto set = build(buffer);
    EXPECT_FLOAT_EQ(set->subsets[0].uvDensity[0], 0.0f);  // 0.01 < 1/64

    MeshBuildBuffer mixed;
    mixed.vertexFormat = kVertexUv0;
    addTriangle(mixed, corner(0, 0, 0, 0, 0), corner(1, 0, 0, 1, 0), corner(0, 1, 0, 0, 1));    // density 1
    addTriangle(mixed, corner(5, 0, 0, 0, 0), corner(7, 0, 0, 1, 0), corner(5, 2, 0, 0, 1));    // density 0.5
    set = build(mixed);
    // mean 0.75, deviation sqrt(0.125) = 0.354: max(0.396, 0.5625, 0.5) = 0.5625
    EXPECT_FLOAT_EQ(set->subsets[0].uvDensity[0], 0.5625f);
}

TEST(TriangleSet, IndexWidthSwitchesAbove65536Vertices) {
    MeshBuildBuffer exact = strip(65536);
    const auto small = build(exact);
    EXPECT_EQ(small->numVertices, 65536u);
    EXPECT_FALSE(small->uses32BitIndices());
    EXPECT_EQ(small->indices16.size(), 3u * 65534);
    EXPECT_EQ(small->index(3 * 65533 + 2), 65535u);

    MeshBuildBuffer over = strip(65537);
    const auto large = build(over);
    EXPECT_TRUE(large->uses32BitIndices());
    EXPECT_TRUE(large->indices16.empty());
    EXPECT_EQ(large->index(3 * 65534 + 2), 65536u);
}

TEST(TriangleSet, BlendWeightsAreNormalised) {
    MeshBuildBuffer buffer;
    buffer.vertexFormat = kVertexBlendWeights;
    BuildVertex skinned = corner(0, 0, 0);
    skinned.blendWeights[0] = 0.5f;
    skinned.blendWeights[1] = 0.3f;
    skinned.blendIndices[0] = 3;
    skinned.blendIndices[1] = 9;
    addTriangle(buffer, skinned, corner(1, 0, 0), corner(0, 1, 0));
    auto set = build(buffer);
    EXPECT_FLOAT_EQ(set->blendWeights[0], 0.625f);
    EXPECT_FLOAT_EQ(set->blendWeights[1], 0.375f);
    EXPECT_EQ(set->blendIndices[1], 9);
    EXPECT_FLOAT_EQ(set->blendWeights[4], 0.0f);  // all-zero weights stay zero

    MeshBuildBuffer single;
    single.vertexFormat = kVertexBlendWeights | kVertexSingleBlendWeight;
    addTriangle(single, skinned, corner(1, 0, 0), corner(0, 1, 0));
    set = build(single);
    EXPECT_TRUE(set->blendWeights.empty());
    ASSERT_EQ(set->blendIndices.size(), 3u);
    EXPECT_EQ(set->blendIndices[0], 3);
}

TEST(TriangleSet, VertexCompressionRangeAllowsRounding) {
    MeshBuildBuffer buffer;
    addTriangle(buffer, corner(0, 0, 0), corner(10.0005f, 0, 0), corner(0, 1, 0));
    auto set = build(buffer);
    EXPECT_TRUE(checkVertexCompressionRange(*set, 10.0f));
    EXPECT_FLOAT_EQ(set->vertexCompressionRange, 10.0f);
    EXPECT_TRUE(checkVertexCompressionRange(*set, 0.0f));

    MeshBuildBuffer wide;
    addTriangle(wide, corner(0, 0, 0), corner(0, 10.01f, 0), corner(0, 1, 0));
    set = build(wide);
    EXPECT_FALSE(checkVertexCompressionRange(*set, 10.0f));
    EXPECT_FLOAT_EQ(set->vertexCompressionRange, 10.0f);
}

TEST(TriangleSet, CloneCopiesStreamsButNotUsage) {
    MeshBuildBuffer buffer;
    buffer.vertexFormat = kVertexNormal | kVertexUv0 | kVertexColor;
    addQuad(buffer, 0, 0, 1);
    addQuad(buffer, 3, 0, 4);
    auto set = build(buffer);
    set->meshUsage = IndexedTriangleSet::kUsageCpuMesh;
    set->vertexCompressionRange = 5.0f;
    set->noBindPose = true;
    const auto copy = set->clone();
    EXPECT_EQ(copy->checksum(), set->checksum());
    EXPECT_EQ(copy->meshUsage, 0u);
    EXPECT_EQ(copy->vertexCompressionRange, 0.0f);
    EXPECT_TRUE(copy->noBindPose);
    copy->positions[0] += 1.0f;
    EXPECT_NE(copy->checksum(), set->checksum());
    EXPECT_NE(set->checksum(), static_cast<const TriangleSet&>(*set).TriangleSet::checksum());
}

TEST(Crc64, StandardCheckValueAndWordsLowByteFirst) {
    Crc64 crc;
    crc.add("123456789", 9);
    EXPECT_EQ(crc.value(), 0x995DC9BBDF1939FAull);  // the published check value of this CRC
    Crc64 bytes, word;
    const unsigned char lowFirst[4] = {0x78, 0x56, 0x34, 0x12};
    bytes.add(lowFirst, 4);
    word.addWord(0x12345678u);
    EXPECT_EQ(word.value(), bytes.value());
}
