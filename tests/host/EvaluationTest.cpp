// Plugs read as Maya evaluates them: connections win over stored values, animation curves give
// their value at the current time, unit conversions scale what flows through them.
#include "SceneFixture.h"

#include "support/ExportRun.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <filesystem>

namespace {

const std::string kHeader = "//Maya ASCII 2022 scene\nrequires maya \"2022\";\n";

double plugValue(const char* node, const char* attribute) {
    MSelectionList list;
    list.add(node);
    MObject object;
    list.getDependNode(0, object);
    double value = -1.0;
    MFnDependencyNode(object).findPlug(attribute, true).getValue(value);
    return value;
}

}  // namespace

TEST_F(SceneTest, AnimationCurvesGiveTheirValueAtTheCurrentTime) {
    // From a real scene: pointLightShape1.intensity has no stored value and is driven by an
    // animCurveTU keyed (1, 0.5) and (5, 2); the scene's time is 1, so Maya reads 0.5.
    const std::string sample = std::string(Q5X_MA_SAMPLES) + "/mayausd__UsdExportLightTest.ma";
    if (!std::filesystem::exists(sample)) GTEST_SKIP() << "no Maya samples beside the project";
    std::string error;
    ASSERT_TRUE(mayahost::openScene(sample, error)) << error;
    EXPECT_DOUBLE_EQ(plugValue("pointLightShape1", "intensity"), 0.5);
    EXPECT_DOUBLE_EQ(plugValue("spotLight1", "translateX"), 10.0);
    EXPECT_DOUBLE_EQ(plugValue("directionalLightShape1", "lightAngle"), 1.5);
}

TEST_F(SceneTest, ACurveThroughAUnitConversionTurnsATransform) {
    // A unitless curve of degrees keyed (1, 0) and (5, 90) with linear tangents, converted to
    // radians as Maya does (factor pi / 180) into rotateY, at time 3: 45 degrees. The rotateY the
    // file stored (10) is overridden by the connection; translateX, stored and driven by a linear
    // length curve of a metre scene keyed (1, 0 m) (5, 2 m), reads 1 m = 100 cm.
    const std::string text = kHeader + "currentUnit -l meter -a degree -t film;\n"
        "createNode transform -n \"door\";\n\tsetAttr \".r\" -type \"double3\" 0 10 0 ;\n\tsetAttr \".tx\" 7;\n"
        "createNode animCurveTU -n \"door_ry\";\n\tsetAttr -s 2 \".ktv[0:1]\"  1 0 5 90;\n"
        "\tsetAttr -s 2 \".kit[0:1]\"  2 2;\n\tsetAttr -s 2 \".kot[0:1]\"  2 2;\n"
        "createNode unitConversion -n \"unitConversion1\";\n\tsetAttr \".cf\" 0.017453292519943295;\n"
        "createNode animCurveTL -n \"door_tx\";\n\tsetAttr -s 2 \".ktv[0:1]\"  1 0 5 2;\n"
        "\tsetAttr -s 2 \".kit[0:1]\"  2 2;\n\tsetAttr -s 2 \".kot[0:1]\"  2 2;\n"
        "select -ne :time1;\n\tsetAttr \".o\" 3;\n"
        "connectAttr \"door_ry.o\" \"unitConversion1.i\";\nconnectAttr \"unitConversion1.o\" \"door.ry\";\n"
        "connectAttr \"door_tx.o\" \"door.tx\";\n// End of door.ma\n";
    std::string error;
    ASSERT_TRUE(mayahost::loadMayaAsciiText(text, "door.ma", mayahost::Scene::current(), error)) << error;
    EXPECT_NEAR(plugValue("door", "rotateY"), 0.7853981633974483, 1e-12);
    EXPECT_NEAR(plugValue("door", "translateX"), 100.0, 1e-9);
    EXPECT_TRUE(warnings().empty());
}

TEST(Evaluation, AnAnimatedTransformExportsItsValueAtTheCurrentTime) {
    // The same door exported: rotation 45 degrees, translation 1 (the document is in metres).
    TempFolder folder;
    writeFile(folder.file("door.ma"),
              kHeader + "currentUnit -l meter -a degree -t film;\n"
                        "createNode transform -n \"door\";\ncreateNode animCurveTA -n \"door_ry\";\n"
                        "\tsetAttr -s 2 \".ktv[0:1]\"  1 0 5 90;\n\tsetAttr -s 2 \".kit[0:1]\"  2 2;\n\tsetAttr -s 2 \".kot[0:1]\"  2 2;\n"
                        "createNode animCurveTL -n \"door_tx\";\n\tsetAttr -s 2 \".ktv[0:1]\"  1 0 5 2;\n"
                        "\tsetAttr -s 2 \".kit[0:1]\"  2 2;\n\tsetAttr -s 2 \".kot[0:1]\"  2 2;\n"
                        "select -ne :time1;\n\tsetAttr \".o\" 3;\n"
                        "connectAttr \"door_ry.o\" \"door.ry\";\nconnectAttr \"door_tx.o\" \"door.tx\";\n// End of door.ma\n");
    const ExportRun result = runExport(folder, folder.file("door.ma"), "");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_NE(result.document.find("<TransformGroup name=\"door\" translation=\"1 0 0\" rotation=\"0 45 0\" nodeId=\"1\"/>"),
              std::string::npos)
        << result.document;
}

TEST(Evaluation, ValuesFromNodesTheStandInDoesNotEvaluateLeaveTheSavedValue) {
    // A character set drives its members' channels from its clips, which the stand-in does not
    // play: the member keeps the value the file saved (this is how Maya saves a joint in a set).
    TempFolder folder;
    writeFile(folder.file("set.ma"),
              kHeader + "currentUnit -l centimeter -a degree -t film;\n"
                        "createNode joint -n \"hip\";\n\tsetAttr \".t\" -type \"double3\" 5 0 0 ;\n"
                        "\tsetAttr \".r\" -type \"double3\" 0 0 30 ;\n"
                        "createNode character -n \"character1\";\n"
                        "connectAttr \"character1.lv[1]\" \"hip.tx\";\nconnectAttr \"character1.av[1]\" \"hip.rz\";\n"
                        "connectAttr \"hip.tx\" \"character1.dnsm[0]\";\nconnectAttr \"hip.rz\" \"character1.dnsm[1]\";\n"
                        "// End of set.ma\n");
    const ExportRun result = runExport(folder, folder.file("set.ma"), "");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_NE(result.document.find("translation=\"5 0 0\" rotation=\"0 0 30\""), std::string::npos) << result.document;
}
