#include "plugin/ExportPaths.h"

#include "support/TempFolder.h"

#include <mayahost/Host.h>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

std::vector<std::string> infoTexts() {
    std::vector<std::string> texts;
    for (const auto& message : mayahost::messages()) texts.push_back(message.text);
    return texts;
}

class ExportPaths : public ::testing::Test {
protected:
    void SetUp() override {
        mayahost::setOutputStream(nullptr);
        mayahost::clearMessages();
        char buffer[4096];
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        previousFolder_ = buffer;
        ASSERT_EQ(chdir(folder_.root().c_str()), 0);
        ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
        workingFolder_ = buffer;
    }
    void TearDown() override { ASSERT_EQ(chdir(previousFolder_.c_str()), 0); }

    TempFolder folder_;
    std::string previousFolder_;
    std::string workingFolder_;
};

}  // namespace

TEST_F(ExportPaths, DrivePathsAndPosixRootsStayAsTheyAre) {
    EXPECT_EQ(normalizeOutputPath("C:$out$level.q5x"), "C:/out/level.q5x");
    EXPECT_EQ(normalizeOutputPath("\\\\server\\share\\level.q5x"), "\\\\server\\share\\level.q5x");
    EXPECT_EQ(normalizeOutputPath("/home/me/level.q5x"), "/home/me/level.q5x");
    EXPECT_EQ(normalizeOutputPath("$home$me$level.q5x"), "/home/me/level.q5x");
    EXPECT_TRUE(infoTexts().empty());
}

TEST_F(ExportPaths, RelativePathsJoinTheWorkingFolder) {
    EXPECT_EQ(normalizeOutputPath("level.q5x"), workingFolder_ + "/level.q5x");
    EXPECT_EQ(infoTexts(), (std::vector<std::string>{"CWD: " + workingFolder_ + "\n"}));
    EXPECT_EQ(normalizeOutputPath("out$level.q5x"), workingFolder_ + "/out/level.q5x");
    EXPECT_EQ(folderPart(normalizeOutputPath("level.q5x")), workingFolder_ + "/");
}

TEST_F(ExportPaths, GamePathGetsExactlyOneTrailingSlash) {
    EXPECT_EQ(normalizeGamePath(true, "D:$game"), "D:/game/");
    EXPECT_EQ(normalizeGamePath(true, "D:/game/"), "D:/game/");
    EXPECT_EQ(normalizeGamePath(true, ""), "");  // an empty value is no game path, not the root
    EXPECT_EQ(normalizeGamePath(false, "ignored"), "");
}

TEST_F(ExportPaths, FolderPartsLoaderRootsAndDocumentNames) {
    EXPECT_EQ(folderPart("C:/out/level.q5x"), "C:/out/");
    EXPECT_EQ(folderPart("level.q5x"), "level.q5x");
    EXPECT_EQ(loaderRoot("C:/out/level.q5x"), "C:/out/");
    EXPECT_EQ(loaderRoot("/level.q5x"), "");
    EXPECT_EQ(loaderRoot("level.q5x"), "");
    EXPECT_EQ(documentName(""), "untitled");
    EXPECT_EQ(documentName("C:/maps/level.final.mb"), "level.final");
    EXPECT_EQ(documentName("C:/maps.old/level"), "level");
}
