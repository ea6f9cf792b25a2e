// Scenes from anywhere: cycles, depths no call stack survives, counts the bytes cannot back,
// files that change while they are read, values that are no numbers.
#include "SceneFixture.h"

#include "ma/SceneFileText.h"

#include "support/TempFolder.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MItDag.h>
#include <maya/MPlug.h>

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
