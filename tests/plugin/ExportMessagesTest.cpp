// What a user who makes a mistake is told: a mistyped flag is named (and ignored, as before), a
// missing output file is an error, a file that cannot be written is named with the reason.
#include "plugin/ExportProgress.h"
#include "support/HostRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ExportMessages, MistakesAreNamed) {
    TempFolder folder;
    const std::string scene = std::string(Q5X_TEST_SCENES) + "/scene_basics.ma";
    const HostRun typo = runHost({scene, "-c", "Q5XExporter -shapes -normal -f \"" + folder.file("a.q5x") + "\""});
    EXPECT_EQ(typo.exitCode, 0) << typo.output;
    EXPECT_NE(typo.output.find("Warning: q5xExport: Unknown flags ignored: -normal"), std::string::npos) << typo.output;

    const HostRun noFile = runHost({scene, "-c", "Q5XExporter -shapes"});
    EXPECT_NE(noFile.exitCode, 0);
    EXPECT_NE(noFile.output.find("Error: q5xExport: No output file: give its path after -f (-file)"), std::string::npos);

    const std::string missing = folder.file("no/such/folder/b.q5x");
    const HostRun noFolder = runHost({scene, "-c", "Q5XExporter -f \"" + missing + "\""});
    EXPECT_NE(noFolder.exitCode, 0);
    EXPECT_NE(noFolder.output.find("Error: q5xExport: Cannot write " + missing + ": the folder does not exist"), std::string::npos)
        << noFolder.output;

    // A folder where the document should go cannot be replaced.
    std::filesystem::create_directory(folder.file("taken.q5x"));
    const HostRun folderInTheWay = runHost({scene, "-c", "Q5XExporter -f \"" + folder.file("taken.q5x") + "\""});
    EXPECT_NE(folderInTheWay.exitCode, 0);
    EXPECT_NE(folderInTheWay.output.find("q5xExport: Cannot write " + folder.file("taken.q5x") + ": a folder of that name stands there"),
              std::string::npos)
        << folderInTheWay.output;
}

TEST(ExportMessages, LongExportsSayWhereTheyAre) {
    // With -verbose every section says how long it took and the Shapes section counts its shapes
    // in tenths (merge_groups.ma has four merged shapes: 1 of 4 is 20%, 2 of 4 50%).
    TempFolder folder;
    const std::string scene = std::string(Q5X_TEST_SCENES) + "/merge_groups.ma";
    const HostRun verbose = runHost({scene, "-c", "Q5XExporter -shapes -mergeGroups -verbose -f \"" + folder.file("a.q5x") + "\""});
    EXPECT_NE(verbose.output.find("q5xExport: shapes 50% (2 of 4)"), std::string::npos) << verbose.output;
    EXPECT_NE(verbose.output.find("q5xExport: shapes took "), std::string::npos);
    // Quick sections of a plain run say nothing; q5xhost --timings sums them per section.
    const HostRun quiet = runHost({scene, "-c", "Q5XExporter -shapes -f \"" + folder.file("b.q5x") + "\""});
    EXPECT_EQ(quiet.output.find(" took "), std::string::npos) << quiet.output;
    const HostRun timed = runHost({scene, "--timings", "-c", "Q5XExporter -shapes -f \"" + folder.file("c.q5x") + "\""});
    EXPECT_NE(timed.output.find("q5xhost: time per section: scene walk "), std::string::npos) << timed.output;
    EXPECT_NE(timed.output.find(", shapes "), std::string::npos);
    EXPECT_EQ(groupedCount(10000), "10,000");
    EXPECT_EQ(groupedCount(999), "999");
    EXPECT_EQ(groupedCount(1234567), "1,234,567");
}
