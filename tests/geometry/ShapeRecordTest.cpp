// The kind-1 record's byte layout where it is easy to get wrong: name padding, the zero word after
// an odd 16-bit index count, the 32-bit switch; and the console size warning's bounds.
#include "geometry/ShapeWriter.h"

#include <mayahost/Host.h>

#include <gtest/gtest.h>

namespace {

// A set of one triangle, positions only.
IndexedTriangleSet oneTriangle(std::uint32_t vertexCount) {
    IndexedTriangleSet set;
    set.resizeVertices(vertexCount, 0);
    set.resizeIndices(3);
    for (std::uint32_t i = 0; i < 3; ++i) set.setIndex(i, i);
    set.subsets.push_back({0, vertexCount, 0, 3, {0, 0, 0, 0}});
    return set;
}

std::size_t recordSize(const std::string& name, const IndexedTriangleSet& set) {
    CompanionRecord record;
    std::string error;
    EXPECT_TRUE(serializeShapeRecord(name, 1, BoundingSphere(), set, {}, {}, record, error)) << error;
    return record.bytes.size();
}

}  // namespace

TEST(ShapeRecord, NamesPadToFourAndOddIndexCountsToFour) {
    const IndexedTriangleSet set = oneTriangle(3);
    // 4 + name + 4 (id) + 16 (sphere) + 20 (header) + 16 (subset) + 2 (no slot name) + 2 (padding)
    // + 6 + 2 (three 16-bit indices and the zero word) + 36 (positions) + 4 (no collisions).
    const std::size_t fixed = 4 + 4 + 16 + 20 + 16 + 2 + 2 + 6 + 2 + 36 + 4;
    EXPECT_EQ(recordSize(std::string(20, 'a'), set), fixed + 20);
    EXPECT_EQ(recordSize(std::string(21, 'a'), set), fixed + 24);
    EXPECT_EQ(recordSize(std::string(24, 'a'), set), fixed + 24);
    // Past 65536 vertices the indices take 32 bits and need no zero word.
    const IndexedTriangleSet wide = oneTriangle(65537);
    EXPECT_EQ(recordSize("a", wide), 4 + 4 + 4 + 16 + 20 + 16 + 2 + 2 + 12 + 65537u * 12 + 4);
}

TEST(ShapeRecord, TheConsoleWarningStartsOneBytePastTheLimit) {
    mayahost::setOutputStream(nullptr);
    mayahost::clearMessages();
    checkConsoleShapeSize("rock", 14680064);
    EXPECT_EQ(mayahost::messageCount(mayahost::MessageKind::Warning), 0u);
    checkConsoleShapeSize(std::string(600, 'x') + "\xC3\xA9", 14680065);
    ASSERT_EQ(mayahost::messageCount(mayahost::MessageKind::Warning), 1u);
    // However long the name, the whole text is there, its last character whole.
    EXPECT_EQ(mayahost::messages().back().text,
              "Shape from '" + std::string(600, 'x') + "\xC3\xA9' too big (14336 KB). Maximum supported size on Consoles is 14336 KB.");
}
