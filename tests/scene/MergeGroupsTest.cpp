// Merge groups and merged children: which node carries the merged Shape, what the others become,
// the merged geometry's blend indices and generic values, the materials and the warnings. Every
// member is a unit quad (4 vertices, 2 triangles), so counts and values follow by hand.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// A scene of one merge group of `members` unit quads side by side.
std::string bigGroup(unsigned members) {
    std::string text = "//Maya ASCII 2022 scene\nrequires maya \"2022\";\ncurrentUnit -l centimeter -a degree -t film;\n";
    for (unsigned k = 0; k < members; ++k) {
        const std::string name = "m" + std::to_string(k);
        text += "createNode transform -n \"" + name + "\";\n\taddAttr -ci true -sn \"q5X_mergeGroup\" -ln \"q5X_mergeGroup\" -at \"long\";\n"
                "\tsetAttr \".q5X_mergeGroup\" 1;\n\tsetAttr \".t\" -type \"double3\" " + std::to_string(2 * k) + " 0 0 ;\n"
                "createNode mesh -n \"" + name + "Shape\" -p \"" + name + "\";\n\tsetAttr -s 4 \".vt[0:3]\"  0 0 0 1 0 0 1 1 0 0 1 0;\n"
                "\tsetAttr -s 4 \".ed[0:3]\"  0 1 0 1 2 0 2 3 0 3 0 0;\n\tsetAttr \".fc[0]\" -type \"polyFaces\" f 4 0 1 2 3;\n";
    }
    return text + "// End of group.ma\n";
}

}  // namespace

TEST(MergeGroups, OneNodeCarriesTheMergedShapeAndTheOthersDriveTheirParts) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("merge_groups.ma"), "-shapes -mergeGroups");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    const std::string& document = result.document;
    // Group 2 has no root: its first node carries the Shape, begun before the group was known, so
    // its nodeId comes before the merged shape's attributes. Materials in order of first appearance
    // (red 1, blue 2); the members' node ids in member order.
    EXPECT_TRUE(contains(document, "<Shape name=\"crateA\" nodeId=\"2\" shapeId=\"1\" castsShadows=\"true\" receiveShadows=\"true\" "
                                   "materialIds=\"1,2\" skinBindNodeIds=\"2 3 4\"/>"))
        << document;
    EXPECT_TRUE(contains(document, "<TransformGroup name=\"crateB\" translation=\"3 0 0\" nodeId=\"3\"/>"));
    // Group 5's root is its second node: written as the Shape when it is reached, first member;
    // the group's first node becomes a TransformGroup. Three materials where each member has one
    // (3 >= 1 + 2): the warning names the root.
    EXPECT_TRUE(contains(document, "<TransformGroup name=\"wallA\" nodeId=\"6\"/>"));
    EXPECT_TRUE(contains(document, "<Shape name=\"wallB\" translation=\"0 0 2\" shapeId=\"2\" castsShadows=\"true\" receiveShadows=\"true\" "
                                   "materialIds=\"2,1,3\" skinBindNodeIds=\"7 6 8\" nodeId=\"7\"/>"));
    EXPECT_TRUE(contains(result.run.output, "q5xExport: Merge Groups should use as little different materials as possible. "
                                            "Consider splitting wallB."));
    EXPECT_EQ(occurrences(result.run.output, "as little different materials"), 1u);
    // Group 7's root has no mesh and comes first: it is the Shape, its children drive the parts.
    EXPECT_TRUE(contains(document, "<Shape name=\"rocks\" translation=\"0 5 0\" nodeId=\"9\" shapeId=\"3\" castsShadows=\"true\" "
                                   "receiveShadows=\"true\" materialIds=\"3\" skinBindNodeIds=\"10 11\">\n"
                                   "      <TransformGroup name=\"rock1\" nodeId=\"10\"/>"));
    // The merged mesh: member k's vertices bound to blend index k alone, in each member's own
    // space (all three quads at the origin), no bind pose; group 2's subsets follow its materials
    // (red: members 0 and 2, blue: member 1). Its sphere is the hull's that asks for
    // "MERGEGROUP_2": a 4 x 4 quad about (1, 1, 0), moved by (1, 0, 0) into the space of crateA.
    EXPECT_TRUE(contains(document, "<IndexedTriangleSet name=\"MergedMesh2\" shapeId=\"1\" meshUsage=\"0\" bvCenter=\"2 1 0\" "
                                   "bvRadius=\"2.82843\" isOptimized=\"true\" noBindPose=\"true\">\n"
                                   "      <Vertices count=\"12\" singleblendweights=\"true\">\n        <v p=\"0 0 0\" bi=\"0\"/>"));
    EXPECT_TRUE(contains(document, "<v p=\"0 1 0\" bi=\"2\"/>\n        <v p=\"0 0 0\" bi=\"1\"/>"));
    EXPECT_TRUE(contains(document, "<Subset firstVertex=\"0\" numVertices=\"8\" firstIndex=\"0\" numIndices=\"12\"/>\n"
                                   "        <Subset firstVertex=\"8\" numVertices=\"4\" firstIndex=\"12\" numIndices=\"6\"/>"));

    // Without -mergeGroups every member is a shape of its own.
    const ExportRun plain = runExport(folder, testScene("merge_groups.ma"), "-shapes", "plain.q5x");
    EXPECT_FALSE(contains(plain.document, "MergedMesh"));
    EXPECT_TRUE(contains(plain.document, "<IndexedTriangleSet name=\"wallBShape\""));
}

TEST(MergeGroups, MergedChildrenAreBakedIntoTheirParentsSpace) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("merge_groups.ma"), "-shapes -mergeGroups");
    const std::string& document = result.document;
    // One Shape closed at once (no child is a node); materials space-separated and sorted.
    EXPECT_TRUE(contains(document, "<Shape name=\"fence\" translation=\"0 0 10\" shapeId=\"4\" castsShadows=\"true\" "
                                   "receiveShadows=\"true\" materialIds=\"1 2\" nodeId=\"12\"/>\n  </Scene>"));
    EXPECT_FALSE(contains(document, "name=\"post1\""));
    // post3 asks for its translation to be dropped; the first child keeps it, and the first
    // child's switch holds (with the warning): post3 stays at x = 4. Child k carries k / 32767.
    EXPECT_TRUE(contains(result.run.output, "q5xExport: Merge children transform (post3)  attribute (q5X_mergeChildrenFreezeTrans) "
                                            "is conflicting with first child attribute. Using attribute from first child"));
    EXPECT_TRUE(contains(document, "<v p=\"4 0 0\" g=\"6.1037e-05\"/>"));
    EXPECT_TRUE(contains(document, "<v p=\"2 0 0\" g=\"3.05185e-05\"/>"));
    // The sphere around the children's box (0..5, 0..1, 0): centre (2.5, 0.5, 0), radius
    // sqrt(26) / 2 = 2.54951; the smallest sphere around the vertices would be the same here only
    // by chance, so the radius is checked against the box.
    EXPECT_TRUE(contains(document, "<IndexedTriangleSet name=\"MergedChildren4\" shapeId=\"4\" meshUsage=\"0\" bvCenter=\"2.5 0.5 0\" "
                                   "bvRadius=\"2.54951\" isOptimized=\"true\">\n      <Vertices count=\"12\" generic=\"true\">"));

    // The binary form holds the same four merged shapes.
    const ExportRun binary = runExport(folder, testScene("merge_groups.ma"), "-shapes -mergeGroups -binaryfiles", "binary.q5x");
    EXPECT_TRUE(contains(binary.check.output, "records=4 shapes=4 triangles=22 vertices=44")) << binary.check.output;
}

TEST(MergeGroups, BlendIndicesNeverWrap) {
    // 256 members bind indices 0 to 255; a 257th would need index 256, which 8 bits cannot hold
    // (it would become 0 and move with the first member): such a group is not merged.
    TempFolder folder;
    writeFile(folder.file("full.ma"), bigGroup(256));
    const ExportRun full = runExport(folder, folder.file("full.ma"), "-shapes -mergeGroups", "full.q5x");
    EXPECT_TRUE(contains(full.document, "<v p=\"0 0 0\" bi=\"255\"/>"));
    EXPECT_EQ(occurrences(full.document, "<IndexedTriangleSet "), 1u);

    writeFile(folder.file("over.ma"), bigGroup(257));
    const ExportRun over = runExport(folder, folder.file("over.ma"), "-shapes -mergeGroups", "over.q5x");
    ASSERT_EQ(over.run.exitCode, 0) << over.run.output;
    EXPECT_TRUE(contains(over.run.output, "q5xExport: Merge group 1 has 257 members, more than the 256 one merged shape can bind; "
                                          "its meshes are exported as shapes of their own"));
    EXPECT_FALSE(contains(over.document, "MergedMesh"));
    EXPECT_EQ(occurrences(over.document, "<IndexedTriangleSet "), 257u);
    // The group's identifier (1) stays unused: the members' shapes take the next ones.
    EXPECT_TRUE(contains(over.document, "<Shape name=\"m256\" translation=\"512 0 0\" shapeId=\"258\""));
}
