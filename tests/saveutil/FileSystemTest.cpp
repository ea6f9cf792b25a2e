#include "saveutil/FileSystem.h"

#include "saveutil/NativeFile.h"
#include "saveutil/NativeFileLoader.h"
#include "saveutil/StagedFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Q5XSaveUtil;

namespace {

// Answers every name with a file whose writes fail after `capacity` bytes, like a full disk.
class FullDiskFile : public NativeFile {
public:
    explicit FullDiskFile(std::uint32_t capacity) : capacity_(capacity) {}
    std::uint32_t write(const void* buffer, std::uint32_t size) override {
        if (size > capacity_) return kFileError;
        capacity_ -= size;
        return NativeFile::write(buffer, size);
    }

private:
    std::uint32_t capacity_;
};

class FullDiskLoader : public NativeFileLoader {
public:
    FullDiskLoader(std::string root, std::uint32_t capacity) : NativeFileLoader(std::move(root)), capacity_(capacity) {}
    File* open(const std::string& name, std::uint32_t mode, bool isAbsolute, bool) override {
        auto file = std::make_unique<FullDiskFile>(capacity_);
        if (!file->open(isAbsolute ? name : root() + name, mode)) return nullptr;
        return file.release();
    }

private:
    std::uint32_t capacity_;
};

}  // namespace

TEST(FileSystem, RelativeNamesGoBelowTheLoaderRootAbsoluteNamesStay) {
    TempFolder out;
    TempFolder other;
    FileSystem fileSystem;
    fileSystem.addLoader(new NativeFileLoader(out.root()));

    std::unique_ptr<File> relative(fileSystem.open("a.dds", kFileModeWrite));
    ASSERT_TRUE(relative);
    std::unique_ptr<File> absolute(fileSystem.open(other.file("b.dds"), kFileModeWrite));
    ASSERT_TRUE(absolute);
    EXPECT_EQ(out.entries(), (std::vector<std::string>{"a.dds"}));
    EXPECT_EQ(other.entries(), (std::vector<std::string>{"b.dds"}));
    EXPECT_EQ(fileSystem.open("missing/x.dds", kFileModeRead), nullptr);
}

TEST(FileSystem, ScopedLoadersLeaveWithTheirScope) {
    TempFolder first;
    TempFolder second;
    FileSystem fileSystem;
    {
        ScopedLoader loader(fileSystem, std::make_unique<NativeFileLoader>(first.root()));
        EXPECT_EQ(fileSystem.loaderCount(), 1u);
        delete fileSystem.open("one.txt", kFileModeWrite);
    }
    EXPECT_EQ(fileSystem.loaderCount(), 0u);
    {
        ScopedLoader loader(fileSystem, std::make_unique<NativeFileLoader>(second.root()));
        delete fileSystem.open("two.txt", kFileModeWrite);
    }
    EXPECT_EQ(first.entries(), (std::vector<std::string>{"one.txt"}));
    EXPECT_EQ(second.entries(), (std::vector<std::string>{"two.txt"}));
}

TEST(StagedFile, TargetAppearsOnlyWhenCommitted) {
    TempFolder folder;
    const std::string target = folder.file("level.q5x");
    writeFile(target, "old document");
    {
        StagedFile file;
        ASSERT_TRUE(file.openNative(target));
        EXPECT_TRUE(file.write(std::string("new document")));
        EXPECT_EQ(readFile(target), "old document");
        EXPECT_EQ(folder.entries().size(), 2u);
        ASSERT_TRUE(file.commit());
    }
    EXPECT_EQ(readFile(target), "new document");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"level.q5x"}));
    {
        StagedFile abandoned;
        ASSERT_TRUE(abandoned.openNative(target));
        abandoned.write(std::string("never"));
    }
    EXPECT_EQ(readFile(target), "new document");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"level.q5x"}));
}

TEST(StagedFile, FailedWriteLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    writeFile(folder.file("level.q5x.shapes"), "old shapes");
    FileSystem fileSystem;
    fileSystem.addLoader(new FullDiskLoader(folder.root(), 8));

    StagedFile file;
    ASSERT_TRUE(file.open(fileSystem, "level.q5x.shapes"));
    EXPECT_TRUE(file.write("12345678", 8));
    EXPECT_FALSE(file.write("9", 1));
    EXPECT_FALSE(file.write("0", 1));
    EXPECT_FALSE(file.commit());
    EXPECT_EQ(readFile(folder.file("level.q5x.shapes")), "old shapes");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"level.q5x.shapes"}));

    StagedFile missingFolder;
    EXPECT_FALSE(missingFolder.openNative(folder.file("no/such/level.q5x")));
    EXPECT_FALSE(missingFolder.commit());
}
