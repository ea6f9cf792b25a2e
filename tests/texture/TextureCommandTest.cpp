// Q5XExporterWriteTexture driven from a MEL command line, as scripts call it.
#include "support/HostRunner.h"
#include "support/TempFolder.h"
#include "texture/DdsReader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kUsageStart = "// Warning: Error usage of Q5XExporterWriteTexture(filename, width, height, channels, "
                                "arraySize, type, data):\n  type: \"unorm\"";

HostRun writeTexture(const std::string& arguments, const std::string& prefix = "") {
    return runHost({"-c", "Q5XExporterWriteTexture " + arguments}, prefix);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

TEST(TextureCommand, WritesConvertedPixels) {
    TempFolder folder;
    const std::string path = folder.file("t.dds");
    HostRun run = writeTexture("\"" + path + "\" 2 1 2 1 \"half\" {1.0, -2.0, 65504, 0.5}");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(contains(run.output, "1 files written"));
    DdsFile dds(readFile(path));
    EXPECT_EQ(dds.header(80), 112u);
    EXPECT_EQ(dds.data(), std::string("\x00\x3C\x00\xC0\xFF\x7B\x00\x38", 8));

    run = writeTexture("\"" + path + "\" 2 1 1 1 \"unorm\" {1, 0}");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(DdsFile(readFile(path)).data(), std::string("\xFF\x00", 2));

    run = writeTexture("\"" + path + "\" 1 1 1 1 \"float\" {0.25, 99}");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(DdsFile(readFile(path)).data(), std::string("\x00\x00\x80\x3E", 4));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"t.dds"}));
}

TEST(TextureCommand, WrongArgumentsShowTheUsage) {
    TempFolder folder;
    const std::string path = "\"" + folder.file("t.dds") + "\"";
    for (const std::string& arguments : {std::string(""), path + " 1 1 1 1 \"unorm\"",
                                         path + " 1 1 1 1 \"unorm\" {0} 7", path + " wide 1 1 1 \"unorm\" {0}",
                                         path + " 1 1 1 1 \"unorm\" 0.5", path + " 2 2 1 1 \"unorm\" {0, 1, 0}",
                                         path + " -1 0 4 1 \"unorm\" {0}", path + " 0 0 1 1 \"unorm\" {0}",
                                         path + " 1 -5 1 1 \"unorm\" {0}"}) {
        const HostRun run = writeTexture(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments;
        EXPECT_TRUE(contains(run.output, kUsageStart)) << arguments << "\n" << run.output;
    }
    EXPECT_TRUE(folder.entries().empty());
}

TEST(TextureCommand, RefusalsWriteNoFile) {
    TempFolder folder;
    const std::string path = "\"" + folder.file("t.dds") + "\"";

    HostRun run = writeTexture(path + " 1 1 4 1 \"Float\" {0, 0, 0, 0}");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(contains(run.output, "Warning"));

    run = writeTexture(path + " 1 1 3 1 \"unorm\" {0, 0, 0}");
    EXPECT_EQ(run.exitCode, 0) << run.output;

    run = writeTexture(path + " 65536 65536 4 1 \"unorm\" {0}");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(contains(run.output, "larger than a DDS file written in one piece can hold"));

    run = writeTexture(path + " -1 -1 4 1 \"unorm\" {0}");
    EXPECT_EQ(run.exitCode, 1);

    run = writeTexture("\"" + folder.file("missing/t.dds") + "\" 1 1 1 1 \"unorm\" {0}");
    EXPECT_EQ(run.exitCode, 1);

    run = writeTexture(path + " 1 1 1 1 \"unorm\" {0}", "ulimit -f 0;");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(folder.entries().empty());
}

TEST(TextureCommand, RelativeNamesFollowTheWorkingFolder) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("a"));
    std::filesystem::create_directory(folder.file("b"));
    const HostRun run = runHost({"-c", "Q5XExporterWriteTexture \"a/t.dds\" 1 1 1 1 \"unorm\" {0}", "-c",
                                 "Q5XExporter -f \"b/level.q5x\"", "-c",
                                 "Q5XExporterWriteTexture \"t.dds\" 1 1 1 1 \"unorm\" {0}"},
                                "cd " + shellQuoted(folder.root()) + " &&");
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a", "b", "t.dds"}));
    EXPECT_TRUE(std::filesystem::exists(folder.file("a/t.dds")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("b/level.q5x")));
}
