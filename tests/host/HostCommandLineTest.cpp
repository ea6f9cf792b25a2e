// q5xhost as a pipeline sees it: exit codes, messages and the summary line.
#include "support/HostRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(HostCommandLine, HelpAndBadOptions) {
    HostRun run = runHost({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(contains(run.output, "usage: q5xhost"));

    run = runHost({"--frobnicate"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.output, "unknown option '--frobnicate'"));

    run = runHost({"-c"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.output, "'-c' needs a command line"));

    run = runHost({"a.ma", "b.ma"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.output, "unexpected argument 'b.ma'"));

    run = runHost({"/no/such/scene.ma"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.output, "/no/such/scene.ma: cannot be opened"));
}

TEST(HostCommandLine, PluginsThatCannotBeUsedAreNamed) {
    HostRun run = runHost({"--plugin", "/no/such/plugin.so"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.output, "cannot load plug-in library '/no/such/plugin.so'"));

    run = runHost({"--plugin", WRONG_VERSION_PLUGIN});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.output, std::string("'") + WRONG_VERSION_PLUGIN + "' was built for API version 201400"));

    run = runHost({"--plugin", MISSING_ENTRY_PLUGIN});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(contains(run.output, std::string("'") + MISSING_ENTRY_PLUGIN + "' lacks initializePlugin"));
}

TEST(HostCommandLine, CommandsRunInOrderUntilOneFails) {
    TempFolder folder;
    HostRun run = runHost({"-c", "Q5XExporter -f \"" + folder.file("a.q5x") + "\"", "-c",
                           "Q5XExporter -f \"" + folder.file("b.q5x") + "\""});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(contains(run.output, "q5xhost: 2 commands run, 0 warnings, 0 errors, 2 files written, "));

    run = runHost({"-c", "noSuchCommand -x", "-c", "Q5XExporter -f \"" + folder.file("c.q5x") + "\""});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.output, "// Error: Cannot find procedure \"noSuchCommand\". //"));
    EXPECT_TRUE(contains(run.output, "q5xhost: 1 commands run, 0 warnings, 1 errors, 0 files written"));

    run = runHost({"-c", "Q5XExporter -f \"unterminated"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.output, "// Error: Syntax error: unterminated string at column 16: \"unterminated //"));
}

TEST(HostCommandLine, SceneQueriesAnswerWithTheOpenScene) {
    TempFolder folder;
    writeFile(folder.file("level.ma"), "//Maya ASCII 2016 scene\n");
    HostRun run = runHost({folder.file("level.ma"), "-c", "file -q -sceneName"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(contains(run.output, "// Result: " + folder.file("level.ma") + " //"));

    run = runHost({"-c", "workspace -fileRuleEntry \"sourceImages\""});
    EXPECT_TRUE(contains(run.output, "// Result: sourceimages //"));
}
