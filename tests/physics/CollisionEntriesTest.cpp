// Which shapes of a binary export carry collision data: a mesh with a rigid-body role (static by
// default) gets a cooked triangle mesh, one that any instance moves gets a convex hull, one whose
// q5X_collision is off gets none; XML exports carry none.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

TEST(CollisionEntries, EachShapeGetsTheCookingItsUseCallsFor) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("collision_shapes.ma"), "-shapes -binaryfiles");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    const HostRun dump = runQ5xcheck("--dump " + shellQuoted(folder.file("out.q5x")), "2>/dev/null");
    // The crate is dynamic, its instance on the shelf static: the shape is used dynamically.
    EXPECT_TRUE(contains(dump.output, "<IndexedTriangleSet name=\"crate|crateShape\""));
    EXPECT_TRUE(contains(dump.output, "<!-- collision convex hull: 8 points, volume 1.000000 -->"));
    // The floor's quad: welded to 4 vertices and 2 triangles.
    EXPECT_TRUE(contains(dump.output, "<!-- collision triangle mesh: 4 vertices, 2 triangles, quantized BVH -->"));
    EXPECT_TRUE(contains(result.check.output, "collision_blobs=2")) << result.check.output;
    const std::size_t ghost = dump.output.find("name=\"ghostShape\"");
    ASSERT_NE(ghost, std::string::npos);
    EXPECT_FALSE(contains(dump.output.substr(ghost, dump.output.find("name=\"horizonShape\"") - ghost), "<!-- collision"));
    // A mesh reaching 2e16 cm: beyond what a quantized BVH can hold, so it is exported without.
    EXPECT_TRUE(contains(result.run.output, "q5xExport: No collision data for shape horizonShape: its triangle mesh cannot be cooked"));

    const ExportRun xml = runExport(folder, testScene("collision_shapes.ma"), "-shapes", "xml.q5x");
    EXPECT_FALSE(contains(xml.check.output, "collision_blobs"));
}
