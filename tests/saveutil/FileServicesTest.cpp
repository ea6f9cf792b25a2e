// The operating system's file services as the exporter relies on them.
#include "support/TempFolder.h"

#include <platform/FileStatistics.h>
#include <platform/FileServices.h>

#include <gtest/gtest.h>

#include <filesystem>

using namespace platform;

TEST(FileServices, NamesResolveWithoutRegardToCase) {
    TempFolder folder;
    std::filesystem::create_directories(folder.file("Maps/Stone"));
    writeFile(folder.file("Maps/Stone/Wall.DDS"), "dds");

    const FileHandle handle = createFile(folder.file("maps/stone/wall.dds"), Access::Read, Disposition::OpenExisting);
    ASSERT_NE(handle, kInvalidHandle);
    char buffer[8];
    std::uint32_t read = 0;
    EXPECT_TRUE(readFile(handle, buffer, sizeof buffer, read));
    EXPECT_EQ(read, 3u);
    EXPECT_TRUE(closeHandle(handle));

    DirectoryEntry entry;
    ASSERT_TRUE(findEntry(folder.file("MAPS/stone"), entry));
    EXPECT_EQ(entry.storedName, "Stone");
    EXPECT_TRUE(entry.isDirectory);
    ASSERT_TRUE(findEntry(folder.file("maps\\STONE\\wall.dds"), entry));
    EXPECT_EQ(entry.storedName, "Wall.DDS");
    EXPECT_FALSE(entry.isDirectory);

    // Writing goes to exactly the name given: another case is another file on this platform, and
    // a missing folder of that case is not stood in for by the existing one.
    writeFile(folder.file("Notes.TXT"), "keep");
    const FileHandle created = createFile(folder.file("notes.txt"), Access::Write, Disposition::CreateAlways);
    ASSERT_NE(created, kInvalidHandle);
    closeHandle(created);
    EXPECT_EQ(readFile(folder.file("Notes.TXT")), "keep");
    EXPECT_TRUE(std::filesystem::exists(folder.file("notes.txt")));
    EXPECT_EQ(createFile(folder.file("maps/new.txt"), Access::Write, Disposition::CreateAlways), kInvalidHandle);
    EXPECT_TRUE(deleteFile(folder.file("notes.txt")));
    EXPECT_EQ(readFile(folder.file("Notes.TXT")), "keep");
}

TEST(FileServices, NewFilesAreCreatedExclusivelyAndNeverThroughLinks) {
    TempFolder folder;
    writeFile(folder.file("victim.txt"), "victim");
    std::filesystem::create_symlink(folder.file("victim.txt"), folder.file("planted"));
    std::filesystem::create_symlink(folder.file("nowhere"), folder.file("dangling"));
    for (const char* name : {"victim.txt", "planted", "dangling"}) {
        EXPECT_EQ(createFile(folder.file(name), Access::Write, Disposition::CreateNew), kInvalidHandle) << name;
        EXPECT_EQ(lastError(), kErrorFileExists) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("nowhere")));
    EXPECT_EQ(readFile(folder.file("victim.txt")), "victim");
    const FileHandle fresh = createFile(folder.file("fresh"), Access::Write, Disposition::CreateNew);
    EXPECT_NE(fresh, kInvalidHandle);
    closeHandle(fresh);
}

TEST(FileServices, ErrorsAndShareModesFollowWindows) {
    TempFolder folder;
    EXPECT_EQ(createFile(folder.file("missing.txt"), Access::Read, Disposition::OpenExisting), kInvalidHandle);
    EXPECT_EQ(lastError(), kErrorFileNotFound);
    EXPECT_EQ(createFile(folder.root(), Access::Read, Disposition::OpenExisting), kInvalidHandle);
    EXPECT_EQ(lastError(), kErrorAccessDenied);

    const FileHandle writer = createFile(folder.file("a.txt"), Access::Write, Disposition::CreateAlways);
    ASSERT_NE(writer, kInvalidHandle);
    EXPECT_EQ(createFile(folder.file("a.txt"), Access::Write, Disposition::OpenAlways), kInvalidHandle);
    EXPECT_EQ(lastError(), kErrorSharingViolation);
    const FileHandle reader = createFile(folder.file("a.txt"), Access::Read, Disposition::OpenExisting);
    EXPECT_NE(reader, kInvalidHandle);
    closeHandle(reader);
    std::uint32_t written = 0;
    EXPECT_TRUE(writeFile(writer, "0123456789", 10, written));
    std::uint64_t position = 0;
    EXPECT_TRUE(setFilePointer(writer, -4, SeekOrigin::End, position));
    EXPECT_EQ(position, 6u);
    EXPECT_TRUE(flushFileBuffers(writer));
    EXPECT_TRUE(closeHandle(writer));
    const FileHandle second = createFile(folder.file("a.txt"), Access::Write, Disposition::OpenAlways);
    EXPECT_NE(second, kInvalidHandle);
    closeHandle(second);
    EXPECT_EQ(readFile(folder.file("a.txt")), "0123456789");  // OpenAlways keeps the content
}

TEST(FileServices, FinishedFilesReplaceTheirTargetsAndAreCounted) {
    TempFolder folder;
    writeFile(folder.file("level.q5x"), "old");
    writeFile(folder.file("level.q5x.tmp"), "new");
    const std::uint64_t before = filesPutInPlace();
    ASSERT_TRUE(moveFileReplacing(folder.file("level.q5x.tmp"), folder.file("level.q5x")));
    EXPECT_EQ(filesPutInPlace(), before + 1);
    EXPECT_EQ(readFile(folder.file("level.q5x")), "new");
    EXPECT_FALSE(moveFileReplacing(folder.file("gone"), folder.file("level.q5x")));
    EXPECT_EQ(filesPutInPlace(), before + 1);
    std::int64_t seconds = 0;
    EXPECT_TRUE(getLastWriteTime(folder.file("level.q5x"), seconds));
    EXPECT_GT(seconds, 1500000000);
    EXPECT_TRUE(deleteFile(folder.file("level.q5x")));
    EXPECT_TRUE(folder.entries().empty());
}
