#include "saveutil/NativeFile.h"
#include "saveutil/PathUtils.h"

#include "support/LogCapture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace Q5XSaveUtil;

TEST(NativeFile, ModesCreateTruncateAppendAndWriteNew) {
    TempFolder folder;
    const std::string path = folder.file("a.bin");
    {
        NativeFile file;
        ASSERT_TRUE(file.open(path, kFileModeWrite));
        EXPECT_EQ(file.write("hello", 5), 5u);
    }
    {
        NativeFile file;
        ASSERT_TRUE(file.open(path, kFileModeAppend));
        EXPECT_EQ(file.tell(), 5u);
        EXPECT_EQ(file.write(" world", 6), 6u);
    }
    EXPECT_EQ(readFile(path), "hello world");
    {
        LogCapture log;
        NativeFile file;
        EXPECT_FALSE(file.open(path, kFileModeWriteNew));
        EXPECT_TRUE(log.errors.empty());
        EXPECT_TRUE(log.warnings.empty());
    }
    EXPECT_EQ(readFile(path), "hello world");
    {
        NativeFile file;
        ASSERT_TRUE(file.open(folder.file("new.bin"), kFileModeWriteNew));
    }
    EXPECT_TRUE(std::filesystem::exists(folder.file("new.bin")));
    {
        NativeFile file;
        ASSERT_TRUE(file.open(path, kFileModeWrite));
        EXPECT_EQ(file.getSize(), 0u);
    }
    NativeFile file;
    EXPECT_FALSE(file.open(path, 4));
    EXPECT_FALSE(file.open(folder.file("missing.bin"), kFileModeRead));
    EXPECT_FALSE(file.open(folder.file("no/such/folder.bin"), kFileModeWrite));
}

TEST(NativeFile, ReadSetsEndOfFileAndClosedFilesReportErrors) {
    TempFolder folder;
    const std::string path = folder.file("data.bin");
    writeFile(path, "0123456789");

    NativeFile file;
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(file.isEof());
    char buffer[16] = {};
    EXPECT_EQ(file.read(buffer, 4), kFileError);
    EXPECT_EQ(file.write(buffer, 4), kFileError);
    EXPECT_FALSE(file.seek(0));
    EXPECT_EQ(file.tell(), ~std::uint64_t(0));
    EXPECT_EQ(file.getSize(), ~std::uint64_t(0));

    ASSERT_TRUE(file.open(path, kFileModeRead));
    EXPECT_TRUE(file.isReady());
    EXPECT_EQ(file.getSize(), 10u);
    EXPECT_EQ(file.read(buffer, 4), 4u);
    EXPECT_FALSE(file.isEof());
    EXPECT_EQ(file.tell(), 4u);
    EXPECT_EQ(file.read(buffer, 16), 6u);
    EXPECT_TRUE(file.isEof());
    EXPECT_EQ(std::string(buffer, 6), "456789");
    EXPECT_TRUE(file.seek(2));
    EXPECT_FALSE(file.isEof());
    EXPECT_EQ(file.read(buffer, 1), 1u);
    EXPECT_EQ(buffer[0], '2');
    EXPECT_EQ(file.write("x", 1), kFileError);  // opened for reading only
    EXPECT_GT(file.getModificationTime(), 1500000000u);
    EXPECT_EQ(file.name(), normalizePath(path));
}

TEST(NativeFile, WrongCaseOpensWithOneWarning) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("Textures"));
    writeFile(folder.file("Textures/a.dds"), "dds");

    LogCapture log;
    NativeFile file;
    ASSERT_TRUE(file.open(folder.file("textures/a.dds"), kFileModeRead));
    ASSERT_EQ(log.warnings.size(), 1u);
    EXPECT_EQ(log.warnings[0], "Warning: Loading file with invalid case '" + folder.file("textures/a.dds") + "'.\n");

    NativeFile exact;
    ASSERT_TRUE(exact.open(folder.file("Textures/a.dds"), kFileModeRead));
    EXPECT_EQ(log.warnings.size(), 1u);
}

TEST(NativeFile, SecondWriterMeetsASharingViolation) {
    TempFolder folder;
    const std::string path = folder.file("locked.q5x");
    LogCapture log;
    NativeFile writer;
    ASSERT_TRUE(writer.open(path, kFileModeWrite));
    NativeFile second;
    EXPECT_FALSE(second.open(path, kFileModeWrite));
    ASSERT_EQ(log.errors.size(), 1u);
    EXPECT_EQ(log.errors[0], "Error: Sharing violation on file '" + path + "' ... perhaps open in another program?\n");
    NativeFile reader;
    EXPECT_TRUE(reader.open(path, kFileModeRead));
}

TEST(NativeFile, FullDiskWritesReportTheErrorValue) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    NativeFile file;
    ASSERT_TRUE(file.open("/dev/full", kFileModeAppend));
    EXPECT_EQ(file.write("x", 1), kFileError);
}

TEST(NativeFile, PathKindTellsFilesFromFolders) {
    TempFolder folder;
    writeFile(folder.file("f.txt"), "");
    EXPECT_EQ(pathKind(folder.file("f.txt")), PathKind::File);
    EXPECT_EQ(pathKind(folder.root()), PathKind::Directory);
    EXPECT_EQ(pathKind(folder.file("none")), PathKind::Missing);
}
