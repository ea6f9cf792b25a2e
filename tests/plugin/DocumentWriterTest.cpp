#include "plugin/DocumentSections.h"

#include "saveutil/FileSystem.h"
#include "saveutil/NativeFileLoader.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

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

class DocumentWriter : public ::testing::Test {
protected:
    DocumentWriter()
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

bool write(const std::string& path, DocumentSections& sections) {
    bool replaced = false;
    return writeDocument(binaryShapesAndAnimation(), path, "level", sections, replaced);
}

}  // namespace

TEST_F(DocumentWriter, CompanionFilesCarryTheRecordsAndTheDocumentNamesThem) {
    DocumentSections sections;
    sections.scene = "  <Scene>\n  </Scene>\n";
    sections.shapeRecords.push_back({kCompanionRecordTriangleSet, {1, 2, 3, 4, 5}});
    sections.shapeRecords.push_back({kCompanionRecordNurbsCurve, {}});
    sections.animationBuffer = {9, 8, 7, 6, 5};
    const std::string path = folder_.file("level.q5x");
    ASSERT_TRUE(write(path, sections));

    EXPECT_EQ(readFile(path + ".shapes"), words({10, 2, 1, 5}) + std::string("\x01\x02\x03\x04\x05", 5) + words({2, 0}));
    EXPECT_EQ(readFile(path + ".anim"), words({10}) + std::string("\x09\x08\x07\x06\x05", 5));
    const std::string document = readFile(path);
    EXPECT_NE(document.find("\">\n\n  <Shapes externalShapesFile=\"level.q5x.shapes\">\n  </Shapes>\n\n  <Scene>\n"),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("  </Scene>\n\n\n  <Animation externalAnimFile=\"level.q5x.anim\" />\n</q5X>\n"),
              std::string::npos)
        << document;
    EXPECT_TRUE(sections.shapeRecords[0].bytes.empty());  // released once written
    EXPECT_EQ(folder_.entries(), (std::vector<std::string>{"level.q5x", "level.q5x.anim", "level.q5x.shapes"}));
}

TEST_F(DocumentWriter, AnAnimationFileThatCannotBeWrittenFailsTheRunAndChangesNothing) {
    const std::string path = folder_.file("level.q5x");
    writeFile(path, "earlier document");
    writeFile(path + ".shapes", "earlier shapes");
    std::filesystem::create_directory(path + ".anim");  // nothing can replace a folder
    DocumentSections sections;
    sections.shapeRecords.push_back({kCompanionRecordTriangleSet, {1}});
    sections.animationBuffer = {1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(write(path, sections));
    EXPECT_EQ(readFile(path), "earlier document");
    EXPECT_EQ(readFile(path + ".shapes"), "earlier shapes");
    EXPECT_EQ(folder_.entries(), (std::vector<std::string>{"level.q5x", "level.q5x.anim", "level.q5x.shapes"}));
}
