#include "SceneFixture.h"

#include "support/HostRunner.h"
#include "support/TempFolder.h"

#include <filesystem>

namespace {

const std::string kHeader = "//Maya ASCII 2016 scene\nrequires maya \"2016\";\n";

std::string loadError(const std::string& text) {
    std::string error;
    EXPECT_FALSE(mayahost::loadMayaAsciiText(text, "bad.ma", mayahost::Scene::current(), error)) << text;
    return error;
}

}  // namespace

TEST_F(SceneTest, BrokenSyntaxFailsWithFileAndLine) {
    EXPECT_EQ(loadError(kHeader + "createNode transform -n \"open;\n"), "bad.ma:3: unterminated string");
    EXPECT_EQ(loadError(kHeader + "createNode transform -n \"a\"\n"),
              "bad.ma:4: the last statement has no ';' (the file is truncated)");
    EXPECT_EQ(loadError(kHeader + "createNode mesh -n \"m\";\n\tsetAttr -s 2 \".vt[0:1]\" 0 0 0 1 1;\n"),
              "bad.ma:4: 5 values where 6 belong to 'vrts[0]'");
    EXPECT_EQ(loadError(kHeader + "createNode mesh -n \"m\";\n\tsetAttr -s 2000000000 \".vt\";\n"),
              "bad.ma:4: bad array size '2000000000'");
    EXPECT_EQ(loadError(kHeader + "createNode transform -n \"a\xff\";\n"), "bad.ma:3: a name that is not valid UTF-8");
    EXPECT_EQ(loadError(kHeader + "createNode transform;\n" + std::string("\x01\x02\0garbage", 10)),
              "bad.ma:4: binary data in a Maya ASCII file");
    EXPECT_EQ(loadError(std::string("FOR4\0\0\0\x08Maya", 12)),
              "bad.ma:1: this is a Maya binary file; only Maya ASCII (.ma) files can be read");
    EXPECT_EQ(loadError("createNode transform;\n"), "bad.ma:1: not a Maya ASCII file (it does not begin with \"//Maya ASCII\")");
    EXPECT_EQ(loadError(kHeader + "createNode transform -n \"a\";\n\tsetAttr \".t[\" 1;\n"), "bad.ma:4: unbalanced '[' in 't['");
    EXPECT_EQ(loadError(kHeader + "createNode transform -n \"a\";\n\tsetAttr \".t\" -type \"double3\" 1 2 3 4;\n"),
              "bad.ma:4: more values than 3 for 'translate'");
    EXPECT_EQ(loadError(kHeader + "\"stray\";\n"), "bad.ma:3: expected a command, found a string");
    // A value that cannot be read fails the load: an export without it would be wrong.
    EXPECT_EQ(loadError(kHeader + "createNode transform -n \"t\";\n\tsetAttr \".tx\" \"text\";\n"),
              "bad.ma:4: 'text' is not a number, as the values of 'translateX' must be");
    EXPECT_EQ(loadError(kHeader + "createNode mesh -n \"m\";\n\tsetAttr \".cuvs\" -type \"string\" map1;\n"),
              "bad.ma:4: a string value was expected for 'currentUVSet'");
}

TEST_F(SceneTest, ToleratedContentWarnsOnceWithFileAndLine) {
    std::string error;
    const std::string text = kHeader +
                             "createNode fancyPluginNode -n \"p1\";\n"
                             "createNode fancyPluginNode -n \"p2\";\n"
                             "setAttr \"ghost.tx\" 1;\n"
                             "connectAttr \"ghost.msg\" \"p1.in\";\n"
                             "file -r -ns \"ref\" \"/projects/ref.ma\";\n"
                             "file -r -ns \"ref2\" \"/projects/ref2.ma\";\n"
                             "polyCube -w 2;\n";
    ASSERT_TRUE(mayahost::loadMayaAsciiText(text, "odd.ma", mayahost::Scene::current(), error)) << error;
    EXPECT_EQ(warnings(), (std::vector<std::string>{
                              "odd.ma:3: unknown node type 'fancyPluginNode'; its nodes are kept without their type's attributes",
                              "odd.ma:5: no node named 'ghost'",
                              "odd.ma:6: no node named 'ghost'",
                              "odd.ma:7: file references are not loaded; their nodes are missing from the scene",
                              "odd.ma:9: the command 'polyCube' is not supported and was skipped",
                              "odd.ma: the file ends without Maya's closing \"// End of\" line; it may have been cut short",
                          }));
    EXPECT_NE(mayahost::Scene::current().findNode("p2"), nullptr);
}

TEST_F(SceneTest, ScriptsInAFileNeverRun) {
    TempFolder folder;
    std::filesystem::copy_file(std::string(Q5X_TEST_SCENES) + "/script_node.ma", folder.file("script_node.ma"));
    const HostRun run = runHost({"script_node.ma", "-c", "Q5XExporter -shapes -f \"out.q5x\""},
                                "cd " + shellQuoted(folder.root()) + " &&");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_FALSE(std::filesystem::exists(folder.file("SCRIPT_RAN")));
    EXPECT_FALSE(std::filesystem::exists("SCRIPT_RAN"));
    EXPECT_NE(run.output.find("the command 'system' is not supported and was skipped"), std::string::npos);
    load("script_node.ma");
    MSelectionList list;
    ASSERT_TRUE(list.add("uiConfigurationScriptNode"));
}

TEST_F(SceneTest, BadScenesStopTheHostBeforeAnyExport) {
    TempFolder folder;
    writeFile(folder.file("broken.ma"), kHeader + "createNode transform -n \"open;\n");
    const HostRun run = runHost({folder.file("broken.ma"), "-c", "Q5XExporter -f \"" + folder.file("out.q5x") + "\""});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.output.find(folder.file("broken.ma") + ":3: unterminated string"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("out.q5x")));
}
