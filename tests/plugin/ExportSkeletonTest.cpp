// Whole export runs through q5xhost, checked against documents written out by hand.
#include "support/HostRunner.h"
#include "support/TempFolder.h"
#include "support/WellFormed.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n\n";
const std::string kEmptyScene = "  <Scene>\n  </Scene>\n";
// The Files section is written for every export; with no file it is its frame.
const std::string kEmptyFilesAndMaterials = "\n  <Files>\n  </Files>\n\n  <Materials>\n  </Materials>\n\n";

std::string rootTag(const std::string& name) {
    return "<q5X name=\"" + name +
           "\" version=\"1.6\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"http://www.q5x-format.org/schema/q5x-1.6.xsd\">\n";
}

std::string exportCommand(const std::string& flags, const std::string& path) {
    return "Q5XExporter " + flags + " -f \"" + path + "\"";
}

}  // namespace

TEST(ExportSkeleton, EmptyUnsavedSceneWithOnlyTheFileFlag) {
    TempFolder folder;
    const HostRun run = runHost({"-c", exportCommand("", folder.file("level.q5x"))});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readFile(folder.file("level.q5x")), kDeclaration + rootTag("untitled") + kEmptyFilesAndMaterials + "\n" + kEmptyScene + "\n" + "</q5X>\n");
    EXPECT_NE(run.output.find("Export scene to: " + folder.file("level.q5x") + "\ndone.\n"), std::string::npos);
    EXPECT_EQ(run.output.find("CWD: "), std::string::npos);
    EXPECT_NE(run.output.find("1 commands run, 0 warnings, 0 errors, 1 files written"), std::string::npos);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"level.q5x"}));
}

TEST(ExportSkeleton, OptionalSectionsFollowTheFlags) {
    TempFolder folder;
    const std::string path = folder.file("level.q5x");
    ASSERT_EQ(runHost({"-c", exportCommand("-shapes -ps -an -ua", path)}).exitCode, 0);
    EXPECT_EQ(readFile(path), kDeclaration + rootTag("untitled") + kEmptyFilesAndMaterials + "\n" + "  <Shapes>\n  </Shapes>\n\n" +
                                  "  <Dynamics>\n  </Dynamics>\n\n" + kEmptyScene + "\n" +
                                  "  <Animation>\n    <AnimationSets>\n    </AnimationSets>\n  </Animation>\n\n" +
                                  "  <UserAttributes>\n  </UserAttributes>\n" + "</q5X>\n");

    // Binary files without any shape record or animation data: no element and no companion.
    ASSERT_EQ(runHost({"-c", exportCommand("-shapes -bin -an", path)}).exitCode, 0);
    EXPECT_EQ(readFile(path), kDeclaration + rootTag("untitled") + kEmptyFilesAndMaterials + "\n" + kEmptyScene + "\n" + "</q5X>\n");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"level.q5x"}));
}

TEST(ExportSkeleton, SceneFileNameGivesTheDocumentName) {
    TempFolder folder;
    writeFile(folder.file("level.final.ma"), "//Maya ASCII 2016 scene\n");
    const HostRun run =
        runHost({folder.file("level.final.ma"), "-c", exportCommand("-v", folder.file("out.q5x"))});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readFile(folder.file("out.q5x")), kDeclaration + rootTag("level.final") + kEmptyFilesAndMaterials + "\n" + kEmptyScene + "\n" + "</q5X>\n");
    EXPECT_NE(run.output.find("file -q -sceneName\n// Result: " + folder.file("level.final.ma")), std::string::npos);
}

TEST(ExportSkeleton, RelativeOutputPathLandsInTheWorkingFolder) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("out"));
    const HostRun run = runHost({"-c", exportCommand("", "out$level.q5x")}, "cd " + shellQuoted(folder.root()) + " &&");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(std::filesystem::exists(folder.file("out/level.q5x")));
    EXPECT_NE(run.output.find("CWD: "), std::string::npos);
}

TEST(ExportSkeleton, FailedRunsWriteNothingAndKeepEarlierFiles) {
    TempFolder folder;
    const std::string path = folder.file("level.q5x");
    writeFile(path, "earlier document");

    HostRun run = runHost({"-c", "Q5XExporter -shapes"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output.find("Export scene to"), std::string::npos);

    run = runHost({"-c", "Q5XExporter -shapes -f"});
    EXPECT_EQ(run.exitCode, 1);

    run = runHost({"-c", exportCommand("", folder.file("missing/level.q5x"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));

    // A file-size limit that allows no byte: q5xhost is not killed, the write fails, the earlier
    // file stays and no temporary is left.
    run = runHost({"-c", exportCommand("", path)}, "ulimit -f 0;");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_EQ(readFile(path), "earlier document");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"level.q5x"}));
}

TEST(ExportSkeleton, RepeatedRunsGiveIdenticalBytes) {
    TempFolder folder;
    ASSERT_EQ(runHost({"-c", exportCommand("-shapes -an", folder.file("a.q5x"))}).exitCode, 0);
    ASSERT_EQ(runHost({"-c", exportCommand("-shapes -an", folder.file("b.q5x"))}).exitCode, 0);
    EXPECT_EQ(readFile(folder.file("a.q5x")), readFile(folder.file("b.q5x")));
    EXPECT_EQ(xmlProblem(readFile(folder.file("a.q5x"))), "");
}
