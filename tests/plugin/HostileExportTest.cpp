// Exports of scenes built to hurt: exploding instancing, huge skipped statements, terminal
// escape sequences in names.
#include "support/HostRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <fstream>

namespace {

const char* const kHeader = "//Maya ASCII 2016 scene\nrequires maya \"2016\";\n";

std::string exportCommand(const std::string& path) {
    return "Q5XExporter -shapes -f \"" + path + "\"";
}

}  // namespace

TEST(HostileExport, InstancingThatExplodesFailsWithTheSceneNamed) {
    // Each level is instanced under both nodes of the level above: 2^30 paths from 62 nodes.
    TempFolder folder;
    const std::string scene = folder.file("diamonds.ma");
    {
        std::ofstream out(scene);
        out << kHeader << "createNode transform -n \"a0\";\ncreateNode transform -n \"b0\";\n";
        for (int i = 1; i <= 30; ++i) {
            const std::string a = "a" + std::to_string(i), b = "b" + std::to_string(i);
            const std::string a0 = "a" + std::to_string(i - 1), b0 = "b" + std::to_string(i - 1);
            out << "createNode transform -n \"" << a << "\" -p \"" << a0 << "\";\nparent -add \"" << a << "\" \"" << b0
                << "\";\ncreateNode transform -n \"" << b << "\" -p \"" << a0 << "\";\nparent -add \"" << b << "\" \""
                << b0 << "\";\n";
        }
        out << "// End of diamonds.ma\n";
    }
    const HostRun run = runHost({scene, "-c", exportCommand(folder.file("out.q5x"))});
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("// Error: q5xExport: " + scene + " has more than 4000000 transform paths (instancing "
                              "multiplies them); nothing is exported //"),
              std::string::npos)
        << run.output;
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"diamonds.ma"}));
}

TEST(HostileExport, ASkippedStatementIsNotKept) {
    TempFolder folder;
    const std::string scene = folder.file("long.ma");
    constexpr std::size_t kArguments = 6000000;  // about 40 MB of one unknown statement
    {
        std::ofstream out(scene);
        out << kHeader << "polyCube";
        for (std::size_t i = 0; i < kArguments; ++i) out << " -w " << i % 10;
        out << ";\n// End of long.ma\n";
    }
    const std::uintmax_t fileSize = std::filesystem::file_size(scene);
    const HostRun run = runHost({scene, "-c", exportCommand(folder.file("out.q5x"))});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    // The text itself is read once; nothing of the statement may stay beside it.
    EXPECT_LT(std::uintmax_t(usage.ru_maxrss) * 1024u, 2 * fileSize + (64u << 20)) << usage.ru_maxrss << " KiB";
}

TEST(HostileExport, EscapeSequencesFromAScenePrintEscaped) {
    TempFolder folder;
    const std::string scene = folder.file("escapes.ma");
    writeFile(scene, std::string(kHeader) + "setAttr \"\x1b[2J\x1b]0;owned\x07ghost.tx\" 1;\n// End of escapes.ma\n");
    const HostRun run = runHost({scene, "-c", exportCommand(folder.file("out.q5x"))});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find('\x1b'), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find('\x07'), std::string::npos);
    EXPECT_NE(run.output.find("no node named '\\x1b[2J\\x1b]0;owned\\x07ghost'"), std::string::npos) << run.output;
}

TEST(HostileExport, RunningOutOfMemoryFailsTheExportWithAMessage) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit allows";
#else
    // A plane of 8 million triangles under a 1 GB address-space limit: the export cannot be had.
    TempFolder folder;
    const std::string scene = folder.file("plane.ma");
    std::ofstream(scene) << kHeader
                         << "createNode transform -n \"floor\";\ncreateNode mesh -n \"floorShape\" -p \"floor\";\n"
                            "createNode polyPlane -n \"wide\";\n\tsetAttr \".sw\" 2000;\n\tsetAttr \".sh\" 2000;\n"
                            "connectAttr \"wide.out\" \"floorShape.i\";\n// End of plane.ma\n";
    const HostRun run = runHost({scene, "-c", "Q5XExporter -shapes -normals -uvs -f \"" + folder.file("out.q5x") + "\""},
                                "ulimit -v 1000000;");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    EXPECT_NE(run.output.find("// Error: q5xExport: Out of memory while exporting the mesh floorShape //"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("// Error: q5xExport: Out of memory while exporting " + scene + "; nothing was written //"),
              std::string::npos);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"plane.ma"}));
#endif
}
