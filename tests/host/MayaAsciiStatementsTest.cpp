// The statements of Maya ASCII files beyond the basic ones, on small inline scenes.
#include "SceneFixture.h"

#include <maya/MDistance.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MTime.h>

namespace {

const std::string kHeader = "//Maya ASCII 2016 scene\nrequires maya \"2016\";\n";

void loadText(const std::string& body) {
    std::string error;
    ASSERT_TRUE(mayahost::loadMayaAsciiText(kHeader + body + "// End of inline.ma\n", "inline.ma", mayahost::Scene::current(), error)) << error;
}

MFnDependencyNode node(const char* name) {
    MSelectionList list;
    EXPECT_TRUE(list.add(name)) << name;
    MObject object;
    list.getDependNode(0, object);
    return MFnDependencyNode(object);
}

}  // namespace

TEST_F(SceneTest, AddAttrFormsMayaWrites) {
    loadText(
        "createNode transform -n \"n\";\n"
        "\taddAttr -ci true -k true -sn \"mode\" -ln \"mode\" -min 0 -max 9 -en \"off=2:on=7:auto\" -at \"enum\";\n"
        "\taddAttr -ci true -sn \"names\" -ln \"names\" -dt \"stringArray\";\n"
        "\taddAttr -ci true -m -sn \"weights\" -ln \"weights\" -at \"double\";\n"
        "\taddAttr -ci true -sn \"tint\" -ln \"tint\" -uac -at \"float3\" -nc 3;\n"
        "\taddAttr -ci true -sn \"tintR\" -ln \"tintR\" -at \"float\" -p \"tint\";\n"
        "\taddAttr -ci true -sn \"tintG\" -ln \"tintG\" -at \"float\" -p \"tint\";\n"
        "\taddAttr -ci true -sn \"tintB\" -ln \"tintB\" -at \"float\" -p \"tint\";\n"
        "\tsetAttr -k on \".mode\" 8;\n"
        "\tsetAttr \".names\" -type \"stringArray\" 2 \"a\" \"b c\" ;\n"
        "\tsetAttr -s 3 \".weights[0:2]\" 0.5 0.25 0.25;\n"
        "\tsetAttr \".tint\" -type \"float3\" 1 0.5 0 ;\n");
    MFnDependencyNode n = node("n");
    const MPlug mode = n.findPlug("mode", true);
    EXPECT_EQ(mode.asInt(), 8);
    EXPECT_EQ(MFnEnumAttribute(mode.attribute()).fieldName(8), "auto");
    EXPECT_EQ(MFnEnumAttribute(mode.attribute()).fieldIndex("on"), 7);
    EXPECT_EQ(MFnTypedAttribute(n.attribute("names")).attrType(), MFnData::kStringArray);
    EXPECT_EQ(n.findPlug("weights", true).numElements(), 3u);
    EXPECT_DOUBLE_EQ(n.findPlug("weights", true).elementByLogicalIndex(1).asDouble(), 0.25);
    EXPECT_EQ(MFnCompoundAttribute(n.attribute("tint")).numChildren(), 3u);
    EXPECT_FLOAT_EQ(n.findPlug("tintG", true).asFloat(), 0.5f);
    EXPECT_TRUE(warnings().empty());
}

TEST_F(SceneTest, LongStringsConcatenatedAcrossLines) {
    loadText(
        "createNode script -n \"s\";\n"
        "\tsetAttr \".b\" -type \"string\" (\n"
        "\t\t\"first line\\n\"\n"
        "\t\t+ \"second \\\"quoted\\\" line\\n\"\n"
        "\t\t+ \"third\");\n");
    EXPECT_EQ(node("s").findPlug("before", true).asString(), "first line\nsecond \"quoted\" line\nthird");
}

TEST_F(SceneTest, OtherUnitsConvertLengthsAndFrames) {
    loadText(
        "currentUnit -l inch -a radian -t game;\n"
        "createNode transform -n \"t\";\n"
        "\tsetAttr \".t\" -type \"double3\" 1 0 0 ;\n"
        "\tsetAttr \".rx\" 1.5;\n");
    EXPECT_DOUBLE_EQ(MDistance::uiToInternal(1.0), 2.54);
    EXPECT_NEAR(MTime(1.0, MTime::uiUnit()).as(MTime::kMilliseconds), 1000.0 / 15.0, 1e-9);
    EXPECT_DOUBLE_EQ(node("t").findPlug("translateX", true).asDouble(), 2.54);
    EXPECT_DOUBLE_EQ(node("t").findPlug("rotateX", true).asDouble(), 1.5);

    std::string error;
    EXPECT_TRUE(mayahost::loadMayaAsciiText(kHeader + "currentUnit -l parsec -t 7fps;\n// End of units.ma\n", "units.ma",
                                            mayahost::Scene::current(), error));
    EXPECT_EQ(warnings(), (std::vector<std::string>{"units.ma:3: unknown linear unit 'parsec'; centimetres are used",
                                                    "units.ma:3: unknown time unit '7fps'; film (24 fps) is used"}));
}
