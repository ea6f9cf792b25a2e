#ifndef PLATFORM_FILESERVICES_H
#define PLATFORM_FILESERVICES_H

// The operating system's file services as the exporter's file layer expects them: handles,
// 32-bit transfer counts, Windows error codes, case-preserving but case-insensitive names and
// share modes. FileServicesPosix.cpp provides them on Linux and macOS, FileServicesWindows.cpp on
// Windows (the Win32 file API itself).

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using FileHandle = std::int64_t;
constexpr FileHandle kInvalidHandle = -1;

enum class Access { Read, Write };
// Read access shares reading and writing; write access shares reading only.
// CreateNew fails when anything, a link included, stands at the name (it never follows links).
enum class Disposition { OpenExisting, CreateAlways, OpenAlways, CreateNew };
enum class SeekOrigin { Begin, Current, End };

enum ErrorCode : std::uint32_t {
    kErrorNone = 0,
    kErrorFileNotFound = 2,
    kErrorPathNotFound = 3,
    kErrorAccessDenied = 5,
    kErrorInvalidHandle = 6,
    kErrorGenFailure = 31,
    kErrorSharingViolation = 32,
    kErrorFileExists = 80,
    kErrorDiskFull = 112,
};

struct DirectoryEntry {
    std::string storedName;  // the last component as the file system stores it
    bool isDirectory = false;
    bool isSystemOrTemporary = false;
};

// Paths are UTF-8 with '/' or '\\' as separators. Reading and look-ups match names without regard to
// case, as Windows does; creating, replacing and deleting act on exactly the name given. Every call
// sets the calling thread's last error.
FileHandle createFile(const std::string& path, Access access, Disposition disposition);
std::uint32_t lastError();
bool readFile(FileHandle handle, void* buffer, std::uint32_t size, std::uint32_t& bytesRead);
bool writeFile(FileHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& bytesWritten);
bool setFilePointer(FileHandle handle, std::int64_t distance, SeekOrigin origin, std::uint64_t& newPosition);
bool getFileSize(FileHandle handle, std::uint64_t& size);
// Forces written data to stable storage.
bool flushFileBuffers(FileHandle handle);
bool closeHandle(FileHandle handle);

// Looks up one entry (no wildcards). False when nothing of that name exists.
bool findEntry(const std::string& path, DirectoryEntry& entry);
bool getLastWriteTime(const std::string& path, std::int64_t& secondsSince1970);
// Renames a finished file over its target in one step; the target's old content stays until then.
bool moveFileReplacing(const std::string& from, const std::string& to);
bool deleteFile(const std::string& path);
bool getCurrentDirectory(std::string& folder);
// The names of a folder's entries (no "." or ".."); false when it cannot be read.
bool listDirectory(const std::string& folder, std::vector<std::string>& names);
std::uint32_t currentProcessId();
// Whether a process of that id is running (false only when it surely is not).
bool processIsRunning(std::uint32_t processId);

}  // namespace platform

#endif
