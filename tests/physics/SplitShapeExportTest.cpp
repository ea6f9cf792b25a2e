// Split shapes exported: a closed mesh with its hulls (decomposed, or its "collisions" group's
// meshes), the group itself no node; an open mesh written as an ordinary shape with the warning.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

TEST(SplitShapeExport, ClosedShapesCarryTheirHullsAndOpenOnesAreWrittenWhole) {
    TempFolder folder;
    const std::string flags = "-shapes -normals -uvs -binaryfiles -verbose";
    const ExportRun result = runExport(folder, testScene("split_shapes.ma"), flags);
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    const HostRun dump = runQ5xcheck("--dump " + shellQuoted(folder.file("out.q5x")), "2>/dev/null");
    // The cube rock: 8 welded corners, 24 corner attributes (its edges are hard), 12 faces, one
    // decomposed hull; the cliff: its two modelled hulls.
    EXPECT_TRUE(contains(dump.output, "<IndexedTriangleSet name=\"rockShape\" shapeId=\"1\" meshUsage=\"16\""));
    EXPECT_TRUE(contains(dump.output, "<!-- split shape: 8 vertices, 24 edges, 12 faces -->"));
    EXPECT_TRUE(contains(dump.output, "<!-- physics hull 1: 8 vertices, 0 edges, 12 faces -->"));
    EXPECT_TRUE(contains(result.run.output, " Split shape cliffShape with 2 physics hulls"));
    EXPECT_TRUE(contains(result.check.output, "physics_hulls=3")) << result.check.output;
    // The open sheet: the warning, then an ordinary shape (not marked splittable) its node refers to.
    EXPECT_TRUE(contains(result.run.output, "q5xExport: Failed to export split shape (sheetShape)"));
    EXPECT_TRUE(contains(dump.output, "<IndexedTriangleSet name=\"sheetShape\" shapeId=\"5\" meshUsage=\"0\""));
    // The collisions group and its meshes are the cliff's data, not nodes.
    EXPECT_TRUE(contains(result.document, "nodeId=\"2\">\n      <Shape name=\"cliffAttachments\""));
    EXPECT_FALSE(contains(result.document, "leftHull"));
    EXPECT_FALSE(contains(result.document, "Collisions"));

    // Two bolts of one material sit on the cliff: one node stands for both, named after the cliff
    // and placed by the attachments shape; the sign has another material and stays a shape.
    EXPECT_TRUE(contains(result.document, "<Shape name=\"cliffAttachments\" shapeId=\"3\" castsShadows=\"true\" "
                                          "receiveShadows=\"true\" materialIds=\"2\" nodeId=\"3\"/>"));
    EXPECT_TRUE(contains(result.document, "<Shape name=\"sign\" translation=\"-0.5 0.6 0\" shapeId=\"4\""));
    EXPECT_FALSE(contains(result.document, "name=\"bolt2\""));
    EXPECT_TRUE(contains(result.check.output, "attachments=2"));

    // In XML: a subset and an Attachment per bolt, on the top of the cliff (bolt 0.2 high, 0.1
    // wide: radius sqrt(0.01 + 0.04 + 0.01) / 2 = 0.122475), the second turned a quarter about Y.
    const ExportRun xml = runExport(folder, testScene("split_shapes.ma"), "-shapes -normals -uvs", "xml.q5x");
    EXPECT_TRUE(contains(xml.document, "<IndexedTriangleSet name=\"cliffAttachmentsShape\" shapeId=\"3\" meshUsage=\"0\" "
                                       "isOptimized=\"true\" isAttachment=\"true\">"));
    EXPECT_TRUE(contains(xml.document, "<Attachments count=\"2\">\n"
                                       "        <Attachment faceIndex=\"2\" bvCenter=\"0 0.6 0\" bvRadius=\"0.122475\" translation=\"0 0.6 0\"/>\n"));
    EXPECT_TRUE(contains(xml.document, "translation=\"0.5 0.6 0.25\" rotation=\"-0 90 0\"/>"));

    // The same scene gives the same bytes again.
    const ExportRun again = runExport(folder, testScene("split_shapes.ma"), flags, "again.q5x");
    EXPECT_EQ(readFile(folder.file("out.q5x.shapes")), readFile(folder.file("again.q5x.shapes")));
}
