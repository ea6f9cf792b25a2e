// Output files under hostile or busy conditions: planted links, concurrent runs, names that
// differ only in case.
#include "support/HostRunner.h"
#include "support/TempFolder.h"
#include "support/WellFormed.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace {

std::string exportCommand(const std::string& path) {
    return "Q5XExporter -f \"" + path + "\"";
}

// A flat level of `count` groups named with `prefix`, large enough that two exports overlap.
std::string writeLevel(const TempFolder& folder, const std::string& name, const std::string& prefix, int count) {
    const std::string path = folder.file(name);
    std::ofstream out(path);
    out << "//Maya ASCII 2016 scene\nrequires maya \"2016\";\n";
    for (int i = 0; i < count; ++i) out << "createNode transform -n \"" << prefix << i << "\";\n";
    out << "// End of " << name << "\n";
    return path;
}

}  // namespace

TEST(StagedOutput, LinksPlantedBesideTheTargetAreNeverFollowed) {
    TempFolder folder;
    const std::string target = folder.file("level.q5x");
    writeFile(folder.file("victim.txt"), "victim");
    // The names a staging file could once be predicted to have.
    for (const char* planted : {"level.q5x.q5xtmp", "level.q5x.shapes.q5xtmp"}) {
        std::filesystem::create_symlink(folder.file("victim.txt"), folder.file(planted));
    }
    const HostRun run = runHost({"-c", exportCommand(target)});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readFile(folder.file("victim.txt")), "victim");
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(target)));
    EXPECT_EQ(xmlProblem(readFile(target)), "");
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"level.q5x", "level.q5x.q5xtmp", "level.q5x.shapes.q5xtmp", "victim.txt"}));
}

TEST(StagedOutput, ConcurrentRunsToOneTargetLeaveOneWholeDocument) {
    TempFolder folder;
    const std::string first = writeLevel(folder, "first.ma", "alpha", 20000);
    const std::string second = writeLevel(folder, "second.ma", "beta", 20000);
    const std::string target = folder.file("level.q5x");
    ASSERT_EQ(runHost({first, "-c", exportCommand(folder.file("first.q5x"))}).exitCode, 0);
    ASSERT_EQ(runHost({second, "-c", exportCommand(folder.file("second.q5x"))}).exitCode, 0);
    const std::string firstDocument = readFile(folder.file("first.q5x"));
    const std::string secondDocument = readFile(folder.file("second.q5x"));
    for (int round = 0; round < 3; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) _exit(runHost({first, "-c", exportCommand(target)}).exitCode);
        const HostRun mine = runHost({second, "-c", exportCommand(target)});
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_EQ(mine.exitCode, 0) << mine.output;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        // Whichever run renamed last, its document stands whole.
        const std::string result = readFile(target);
        EXPECT_TRUE(result == firstDocument || result == secondDocument) << result.substr(0, 300);
        EXPECT_EQ(xmlProblem(result), "");
    }
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"first.ma", "first.q5x", "level.q5x", "second.ma", "second.q5x"}));
}

TEST(StagedOutput, StagingFilesOfKilledRunsAreRemovedByTheNextRun) {
    TempFolder folder;
    // A process id no process has (above Linux's largest), this test's own (running), another
    // target's, and a name that only looks alike.
    const std::string stale = "level.q5x.4294967295-0123456789abcdef.q5xtmp";
    const std::string live = "level.q5x." + std::to_string(getpid()) + "-0123456789abcdef.q5xtmp";
    const std::string other = "other.q5x.4294967295-0123456789abcdef.q5xtmp";
    const std::string alike = "level.q5x.backup.q5xtmp";
    for (const std::string& name : {stale, live, other, alike}) writeFile(folder.file(name), "left behind");
    ASSERT_EQ(runHost({"-c", exportCommand(folder.file("level.q5x"))}).exitCode, 0);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"level.q5x", live, alike, other}));
}

TEST(StagedOutput, ATargetIsTheExactNameGiven) {
    TempFolder folder;
    writeFile(folder.file("Notes.Q5X"), "someone else's file");
    const HostRun run = runHost({"-c", exportCommand(folder.file("notes.q5x"))});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(readFile(folder.file("Notes.Q5X")), "someone else's file");
    EXPECT_EQ(xmlProblem(readFile(folder.file("notes.q5x"))), "");
}
