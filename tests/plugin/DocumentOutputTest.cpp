#include "plugin/DocumentOutput.h"

#include "saveutil/FileSystem.h"
#include "saveutil/NativeFileLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <memory>

namespace {

std::string words(std::initializer_list<std::uint32_t> values) {
    std::string bytes;
    for (std::uint32_t value : values) {
        for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(value >> shift);
    }
    return bytes;
}

class DocumentOutputTest : public ::testing::Test {
protected:
    DocumentOutputTest()
        : loader_(Q5XSaveUtil::FileSystem::instance(), std::make_unique<Q5XSaveUtil::NativeFileLoader>(folder_.root())) {}

    TempFolder folder_;
    Q5XSaveUtil::ScopedLoader loader_;
};

ExportOptions binaryShapesAndAnimation() {
    ExportOptions options;
    options.shapes = true;
    options.animation = true;
    options.binaryFiles = true;
    return options;
}

// A document of `sceneLines` lines of scene text, with the binary parts the caller sets up.
bool write(DocumentOutput& output, std::size_t sceneLines) {
    bool replaced = false;
    if (!output.begin("level", replaced)) return false;
    output.endSection();  // no files, no materials
    output.referenceShapesFile();
    Q5XSaveUtil::XmlWriter scene = output.sectionWriter();
    scene.raw("  <Scene>\n");
    for (std::size_t i = 0; i < sceneLines; ++i) {
        scene.startTag(2, "TransformGroup");
        scene.attribute("nodeId", std::uint32_t(i + 1));
        scene.endEmptyTag();
    }
    scene.raw("  </Scene>\n");
    output.endSection();
    output.referenceAnimationFile();
    return output.finish();
}

// Runs `work` in a child process and returns how the child ended (its wait status).
template <typename Work>
int inChild(const Work& work) {
    const pid_t child = fork();
    if (child == 0) _exit(work() ? 0 : 1);
    int status = 0;
    waitpid(child, &status, 0);
    return status;
}

}  // namespace

TEST_F(DocumentOutputTest, CompanionFilesCarryTheRecordsAndTheDocumentNamesThem) {
    const ExportOptions options = binaryShapesAndAnimation();
    const std::string path = folder_.file("level.q5x");
    DocumentOutput output(options, path);
    output.shapeRecords.push_back({kCompanionRecordTriangleSet, {1, 2, 3, 4, 5}});
    output.shapeRecords.push_back({kCompanionRecordNurbsCurve, {}});
    output.animationBuffer = {9, 8, 7, 6, 5};
    ASSERT_TRUE(write(output, 0));

    EXPECT_EQ(readFile(path + ".shapes"), words({10, 2, 1, 5}) + std::string("\x01\x02\x03\x04\x05", 5) + words({2, 0}));
    EXPECT_EQ(readFile(path + ".anim"), words({10}) + std::string("\x09\x08\x07\x06\x05", 5));
    const std::string document = readFile(path);
    EXPECT_NE(document.find("\">\n\n  <Shapes externalShapesFile=\"level.q5x.shapes\">\n  </Shapes>\n\n  <Scene>\n"),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("  </Scene>\n\n\n  <Animation externalAnimFile=\"level.q5x.anim\" />\n</q5X>\n"),
              std::string::npos)
        << document;
    EXPECT_TRUE(output.shapeRecords[0].bytes.empty());  // released once written
    EXPECT_EQ(folder_.entries(), (std::vector<std::string>{"level.q5x", "level.q5x.anim", "level.q5x.shapes"}));
}

TEST_F(DocumentOutputTest, AnAnimationFileThatCannotBeWrittenFailsTheRunAndChangesNothing) {
    const std::string path = folder_.file("level.q5x");
    writeFile(path, "earlier document");
    writeFile(path + ".shapes", "earlier shapes");
    std::filesystem::create_directory(path + ".anim");  // nothing can replace a folder
    const ExportOptions options = binaryShapesAndAnimation();
    DocumentOutput output(options, path);
    output.shapeRecords.push_back({kCompanionRecordTriangleSet, {1}});
    output.animationBuffer = {1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(write(output, 0));
    EXPECT_EQ(readFile(path), "earlier document");
    EXPECT_EQ(readFile(path + ".shapes"), "earlier shapes");
    EXPECT_EQ(folder_.entries(), (std::vector<std::string>{"level.q5x", "level.q5x.anim", "level.q5x.shapes"}));
}

// The document goes to its staging file while it is written: a disk that fills up in the middle
// (a file size limit stands in for it) or a run killed in the middle leave the earlier document.
TEST_F(DocumentOutputTest, AStreamedDocumentThatCannotBeFinishedChangesNothing) {
    const std::string path = folder_.file("level.q5x");
    writeFile(path, "earlier document");
    const ExportOptions options;
    constexpr std::size_t kLines = 200000;  // about 8 MB, many times the text held at once

    const int diskFull = inChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1 << 20, 1 << 20};
        setrlimit(RLIMIT_FSIZE, &limit);
        DocumentOutput output(options, path);
        return write(output, kLines);
    });
    EXPECT_TRUE(WIFEXITED(diskFull) && WEXITSTATUS(diskFull) == 1);
    EXPECT_EQ(readFile(path), "earlier document");
    EXPECT_EQ(folder_.entries(), (std::vector<std::string>{"level.q5x"}));

    const int killed = inChild([&] {
        DocumentOutput output(options, path);
        bool replaced = false;
        output.begin("level", replaced);
        Q5XSaveUtil::XmlWriter scene = output.sectionWriter();
        for (std::size_t i = 0; i < kLines; ++i) scene.raw("    <TransformGroup nodeId=\"1\"/>\n");
        raise(SIGKILL);
        return true;
    });
    EXPECT_TRUE(WIFSIGNALED(killed));
    EXPECT_EQ(readFile(path), "earlier document");
    const std::vector<std::string> left = folder_.entries();
    ASSERT_EQ(left.size(), 2u);
    EXPECT_GT(std::filesystem::file_size(folder_.file(left[1])), 4u << 20);  // it had been streamed

    // The next run to the same target finishes and clears what the killed one left.
    DocumentOutput output(options, path);
    ASSERT_TRUE(write(output, kLines));
    EXPECT_EQ(folder_.entries(), (std::vector<std::string>{"level.q5x"}));
    const std::string document = readFile(path);
    EXPECT_EQ(document.size(), std::filesystem::file_size(path));
    EXPECT_NE(document.find("nodeId=\"200000\"/>\n  </Scene>\n\n</q5X>\n"), std::string::npos);
}
