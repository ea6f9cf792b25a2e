// Scenes from anywhere: cycles, depths no call stack survives, counts the bytes cannot back,
// files that change while they are read, values that are no numbers.
#include "SceneFixture.h"

#include "ma/SceneFileText.h"

#include "support/TempFolder.h"

#include <maya/MFloatVectorArray.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMesh.h>
#include <maya/MItMeshPolygon.h>
#include <maya/MPointArray.h>
#include <maya/MItDag.h>
#include <maya/MPlug.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <unistd.h>

#include <limits>

namespace {

const std::string kHeader = "//Maya ASCII 2016 scene\nrequires maya \"2016\";\n";
const std::string kEnd = "// End of hostile.ma\n";

bool loadText(const std::string& text, std::string& error) {
    return mayahost::loadMayaAsciiText(text, "hostile.ma", mayahost::Scene::current(), error);
}

unsigned countDagPaths() {
    unsigned count = 0;
    for (MItDag it; !it.isDone(); it.next()) ++count;
    return count;
}

}  // namespace

TEST_F(SceneTest, ParentingANodeBelowItselfIsRefused) {
    std::string error;
    ASSERT_TRUE(loadText(kHeader +
                             "createNode transform -n \"A\";\n"
                             "createNode transform -n \"B\" -p \"A\";\n"
                             "parent -add \"A\" \"B\";\n"
                             "parent \"A\" \"A\";\n" + kEnd,
                         error))
        << error;
    EXPECT_EQ(warnings(), (std::vector<std::string>{
                              "hostile.ma:5: 'A' cannot be parented under 'B', which lies below it; the parenting is skipped",
                              "hostile.ma:6: 'A' cannot be parented under 'A', which lies below it; the parenting is skipped",
                          }));
    // The world, the four startup cameras with their shapes, A and B.
    EXPECT_EQ(countDagPaths(), 11u);
}

TEST_F(SceneTest, DepthIsNoDangerToTheStack) {
    constexpr int kChain = 20000;
    constexpr int kCompounds = 200000;
    std::string text = kHeader + "createNode transform -n \"n0\";\n";
    for (int i = 1; i < kChain; ++i) text += "createNode transform -n \"n" + std::to_string(i) + "\" -p \"n" + std::to_string(i - 1) + "\";\n";
    text += "createNode transform -n \"attributes\";\naddAttr -ln \"c0\" -at compound -nc 1;\n";
    for (int i = 1; i < kCompounds; ++i) {
        text += "addAttr -ln \"c" + std::to_string(i) + "\" -p \"c" + std::to_string(i - 1) + "\" -at compound -nc 1;\n";
    }
    std::string longPath = "a";
    for (int i = 0; i < 200000; ++i) longPath += "|a";
    text += "createNode transform -n \"a\";\nselect -ne \"" + longPath + "\";\n" + kEnd;
    std::string error;
    ASSERT_TRUE(loadText(text, error)) << error;

    EXPECT_EQ(countDagPaths(), 9u + kChain + 2u);
    const MDagPath deepest = path(("n" + std::to_string(kChain - 1)).c_str());
    EXPECT_EQ(deepest.length(), unsigned(kChain));
    EXPECT_EQ(deepest.partialPathName(), MString(("n" + std::to_string(kChain - 1)).c_str()));
    EXPECT_EQ(warnings().size(), 1u);  // the long path names nothing
    mayahost::resetScene();              // frees the nested attributes
}

TEST_F(SceneTest, CountsTheFileCannotBackFailWithoutReservingThem) {
    std::string error;
    EXPECT_FALSE(loadText(kHeader + "createNode transform -n \"t\";\n\tsetAttr \".wm[0:268435455]\" -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1;\n" + kEnd,
                          error));
    EXPECT_EQ(error.rfind("hostile.ma:4: ", 0), 0u) << error;
    EXPECT_FALSE(loadText(kHeader + "createNode mesh -n \"m\";\n\tsetAttr -s 268435455 \".vt[0:268435454]\" 0 0 0", error));
    EXPECT_EQ(error.rfind("hostile.ma:", 0), 0u) << error;
}

TEST_F(SceneTest, ByteOrderMarksCutFilesAndNonFiniteValues) {
    std::string error;
    ASSERT_TRUE(loadText("\xEF\xBB\xBF" + kHeader +
                             "createNode transform -n \"t\";\n"
                             "\tsetAttr \".t\" -type \"double3\" nan 2 inf ;\n"
                             "\tsetAttr \".sx\" -inf;\n",
                         error))
        << error;
    EXPECT_EQ(warnings(), (std::vector<std::string>{
                              "hostile.ma:4: 't.translate' holds values that are not finite numbers; the attribute's "
                              "default takes their place",
                              "hostile.ma:5: 't.scaleX' holds values that are not finite numbers; the attribute's default "
                              "takes their place",
                              "hostile.ma: the file ends without Maya's closing \"// End of\" line; it may have been cut short",
                          }));
    const MFnDependencyNode node(path("t").node());
    EXPECT_EQ(node.findPlug("tx", true).asDouble(), 0.0);
    EXPECT_EQ(node.findPlug("ty", true).asDouble(), 2.0);
    EXPECT_EQ(node.findPlug("tz", true).asDouble(), 0.0);
    EXPECT_EQ(node.findPlug("sx", true).asDouble(), 1.0);
}

TEST(SceneFileText, AFileThatShrinksAfterReadingChangesNothingRead) {
    TempFolder folder;
    const std::string path = folder.file("shrinking.ma");
    writeFile(path, std::string(1 << 20, 'x'));
    mayahost::SceneFileText text;
    std::string error;
    ASSERT_TRUE(text.read(path, error)) << error;
    ASSERT_EQ(truncate(path.c_str(), 0), 0);
    // A mapping of the file would fault on these pages now.
    std::size_t sum = 0;
    for (const char c : text.text()) sum += static_cast<unsigned char>(c);
    EXPECT_EQ(sum, std::size_t('x') << 20);
    EXPECT_FALSE(text.read(folder.root(), error));
    EXPECT_EQ(error, folder.root() + ": cannot be opened");
}

TEST_F(SceneTest, NumbersBeyondATypesRangeReadAsItsNearestValue) {
    std::string error;
    ASSERT_TRUE(loadText(kHeader +
                             "createNode transform -n \"t\";\n"
                             "\taddAttr -ci true -sn \"q5X_mergeGroup\" -ln \"q5X_mergeGroup\" -at \"long\";\n"
                             "\tsetAttr \".q5X_mergeGroup\" 1e300;\n" + kEnd,
                         error))
        << error;
    const MPlug plug = MFnDependencyNode(path("t").node()).findPlug("q5X_mergeGroup", true);
    int asInt = 0;
    short asShort = 0;
    float asFloat = 0;
    ASSERT_TRUE(plug.getValue(asInt) && plug.getValue(asShort) && plug.getValue(asFloat));
    EXPECT_EQ(asInt, std::numeric_limits<int>::max());
    EXPECT_EQ(asShort, std::numeric_limits<short>::max());
    EXPECT_EQ(asFloat, std::numeric_limits<float>::max());
}

TEST_F(SceneTest, ASparseIndexCostsWhatTheFileCanDescribe) {
    // One element at index 268435455 would be gigabytes in a dense array: a 200-byte file cannot
    // describe so many, so the load fails naming the attribute; a tweak on point 999999 of a file
    // that describes no such point (but within the floor every file has) costs nothing.
    std::string error;
    for (const char* attribute : {".vt[268435455]\" -type \"float3\" 1 2 3", ".pt[268435455]\" -type \"float3\" 1 2 3",
                                  ".n[268435455]\" -type \"float3\" 0 0 1"}) {
        EXPECT_FALSE(loadText(kHeader + "createNode mesh -n \"m\";\n\tsetAttr \"" + attribute + ";\n" + kEnd, error)) << attribute;
        EXPECT_NE(error.find("hostile.ma:4: element 268435455 of '"), std::string::npos) << error;
        EXPECT_NE(error.find("' lies beyond what a file of "), std::string::npos) << error;
    }
    EXPECT_FALSE(loadText(kHeader + "createNode skinCluster -n \"s\";\n\tsetAttr \".wl[0:0].w\" 1 268435455 1;\n" + kEnd, error));
    EXPECT_NE(error.find("element 268435455 of 'weightList[0].weights"), std::string::npos) << error;
    ASSERT_TRUE(loadText(kHeader + "createNode transform -n \"t\";\ncreateNode mesh -n \"tShape\" -p \"t\";\n"
                                   "\tsetAttr -s 3 \".vt[0:2]\"  0 0 0 1 0 0 0 1 0;\n\tsetAttr \".pt[999999]\" -type \"float3\" 5 5 5;\n"
                                   "\tsetAttr \".n[999999]\" -type \"float3\" 1 0 0;\n"
                                   "\tsetAttr -s 3 \".ed[0:2]\"  0 1 0 1 2 0 2 0 0;\n\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2;\n" +
                                   kEnd,
                               error))
        << error;
    MPointArray points;
    MFnMesh(path("tShape").node()).getPoints(points);
    EXPECT_EQ(points.length(), 3u);
    EXPECT_EQ(points[2].y, 1.0);
}

TEST_F(SceneTest, CreatorsAskingForTooMuchAreRefusedByName) {
    // 4096 subdivisions each way: a cube of 100 million faces, a plane of 16.8 million.
    std::string error;
    ASSERT_TRUE(loadText(kHeader + "createNode transform -n \"box\";\ncreateNode mesh -n \"boxShape\" -p \"box\";\n"
                                   "createNode polyCube -n \"huge\";\n\tsetAttr \".sw\" 4096;\n\tsetAttr \".sh\" 4096;\n\tsetAttr \".sd\" 4096;\n"
                                   "connectAttr \"huge.out\" \"boxShape.i\";\n"
                                   "createNode transform -n \"floor\";\ncreateNode mesh -n \"floorShape\" -p \"floor\";\n"
                                   "createNode polyPlane -n \"wide\";\n\tsetAttr \".sw\" 5000;\n\tsetAttr \".sh\" 5000;\n"
                                   "connectAttr \"wide.out\" \"floorShape.i\";\n" + kEnd,
                         error))
        << error;
    EXPECT_EQ(MFnMesh(path("boxShape").node()).numPolygons(), 0);
    EXPECT_EQ(MFnMesh(path("floorShape").node()).numPolygons(), 0);
    const std::vector<std::string> texts = warnings();
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "mesh boxShape: its creator huge asks for 100663296 faces; a creator builds at most 12000000"),
              texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "mesh floorShape: its creator wide asks for 16777216 faces; a creator builds at most 12000000"),
              texts.end());
    EXPECT_EQ(mayahost::shapesWithoutGeometry(), 2u);
}

TEST_F(SceneTest, NormalsAreUnitWhateverTheFileLocksOrTheFacesAre) {
    // A square of two triangles (one of no area, its three points on a line) with locked normals
    // on some corners: one unset between set ones, a locked (0, 0, 0) and a locked (1e9, 0, 0).
    // Expected: unset and zero ones are computed (the square faces +Z, so +Z), the huge one is
    // normalised, and the flat triangle's corners take the normal of their neighbours or, alone,
    // still a unit one.
    std::string error;
    ASSERT_TRUE(loadText(kHeader + "createNode transform -n \"q\";\ncreateNode mesh -n \"qShape\" -p \"q\";\n"
                                   "\tsetAttr -s 6 \".vt[0:5]\"  0 0 0 1 0 0 1 1 0  5 0 0 6 0 0 7 0 0;\n"
                                   "\tsetAttr -s 6 \".ed[0:5]\"  0 1 1 1 2 1 2 0 1  3 4 1 4 5 1 5 3 1;\n"
                                   "\tsetAttr \".fc[0:1]\" -type \"polyFaces\" f 3 0 1 2 f 3 3 4 5;\n"
                                   "\tsetAttr \".n[0]\" -type \"float3\" 1e9 0 0;\n\tsetAttr \".n[2]\" -type \"float3\" 0 0 0;\n" +
                                   kEnd,
                         error))
        << error;
    MFloatVectorArray normals;
    MFnMesh(path("qShape").node()).getNormals(normals);
    const float expected[3][3] = {{1, 0, 0}, {0, 0, 1}, {0, 0, 1}};
    unsigned corner = 0;
    for (MItMeshPolygon face(path("qShape").node()); !face.isDone(); face.next()) {
        for (int local = 0; local < 3; ++local, ++corner) {
            const MFloatVector& n = normals[unsigned(face.normalIndex(local))];
            EXPECT_NEAR(std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z), 1.0f, 1e-6f) << corner;
            if (corner < 3) {
                EXPECT_FLOAT_EQ(n.x, expected[corner][0]) << corner;
                EXPECT_FLOAT_EQ(n.z, expected[corner][2]) << corner;
            }
        }
    }
    EXPECT_EQ(corner, 6u);
}
