// The file services on Windows: the Win32 file API itself. Names are UTF-8 in and out and UTF-16
// for the system; its error codes are the ones the file layer expects, and its share modes and
// case-insensitive names are the behaviour the POSIX implementation imitates.
#include <platform/FileServices.h>
#include <platform/FileStatistics.h>

#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <atomic>

namespace platform {

namespace {

thread_local std::uint32_t threadLastError = kErrorNone;
std::atomic<std::uint64_t> placedFiles{0};

std::wstring wide(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(std::size_t(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), result.data(), length);
    return result;
}

std::string narrow(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return std::string();
    std::string result(std::size_t(length - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
    return result;
}

bool fail() {
    threadLastError = GetLastError();
    return false;
}

bool succeed() {
    threadLastError = kErrorNone;
    return true;
}

HANDLE handleOf(FileHandle handle) {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(handle));
}

}  // namespace

FileHandle createFile(const std::string& path, Access access, Disposition disposition) {
    const DWORD desired = access == Access::Read ? GENERIC_READ : GENERIC_WRITE;
    const DWORD share = access == Access::Read ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    DWORD creation = OPEN_EXISTING;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    switch (disposition) {
        case Disposition::OpenExisting: creation = OPEN_EXISTING; break;
        case Disposition::CreateAlways: creation = CREATE_ALWAYS; break;
        case Disposition::OpenAlways: creation = OPEN_ALWAYS; break;
        case Disposition::CreateNew:
            // Never through a link: a reparse point at the name is opened as itself, and fails.
            creation = CREATE_NEW;
            flags |= FILE_FLAG_OPEN_REPARSE_POINT;
            break;
    }
    const HANDLE handle = CreateFileW(wide(path).c_str(), desired, share, nullptr, creation, flags, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        fail();
        return kInvalidHandle;
    }
    succeed();
    return static_cast<FileHandle>(reinterpret_cast<std::intptr_t>(handle));
}

std::uint32_t lastError() {
    return threadLastError;
}

bool readFile(FileHandle handle, void* buffer, std::uint32_t size, std::uint32_t& bytesRead) {
    DWORD count = 0;
    const BOOL ok = ReadFile(handleOf(handle), buffer, size, &count, nullptr);
    bytesRead = count;
    return ok ? succeed() : fail();
}

bool writeFile(FileHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& bytesWritten) {
    DWORD count = 0;
    const BOOL ok = WriteFile(handleOf(handle), buffer, size, &count, nullptr);
    bytesWritten = count;
    return ok ? succeed() : fail();
}

bool setFilePointer(FileHandle handle, std::int64_t distance, SeekOrigin origin, std::uint64_t& newPosition) {
    const DWORD method = origin == SeekOrigin::Begin ? FILE_BEGIN : origin == SeekOrigin::Current ? FILE_CURRENT : FILE_END;
    LARGE_INTEGER move;
    move.QuadPart = distance;
    LARGE_INTEGER position;
    if (!SetFilePointerEx(handleOf(handle), move, &position, method)) return fail();
    newPosition = static_cast<std::uint64_t>(position.QuadPart);
    return succeed();
}

bool getFileSize(FileHandle handle, std::uint64_t& size) {
    LARGE_INTEGER value;
    if (!GetFileSizeEx(handleOf(handle), &value)) return fail();
    size = static_cast<std::uint64_t>(value.QuadPart);
    return succeed();
}

bool flushFileBuffers(FileHandle handle) {
    return FlushFileBuffers(handleOf(handle)) ? succeed() : fail();
}

bool closeHandle(FileHandle handle) {
    return CloseHandle(handleOf(handle)) ? succeed() : fail();
}

bool findEntry(const std::string& path, DirectoryEntry& entry) {
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW(wide(path).c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return fail();
    FindClose(search);
    entry.storedName = narrow(data.cFileName);
    entry.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    entry.isSystemOrTemporary = (data.dwFileAttributes & (FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_TEMPORARY)) != 0;
    return succeed();
}

bool getLastWriteTime(const std::string& path, std::int64_t& secondsSince1970) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data)) return fail();
    ULARGE_INTEGER ticks;  // 100-nanosecond steps since 1601
    ticks.LowPart = data.ftLastWriteTime.dwLowDateTime;
    ticks.HighPart = data.ftLastWriteTime.dwHighDateTime;
    constexpr std::uint64_t kTicksPerSecond = 10000000ull, kSecondsFrom1601To1970 = 11644473600ull;
    secondsSince1970 = static_cast<std::int64_t>(ticks.QuadPart / kTicksPerSecond) - std::int64_t(kSecondsFrom1601To1970);
    return succeed();
}

bool moveFileReplacing(const std::string& from, const std::string& to) {
    if (!MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return fail();
    ++placedFiles;
    return succeed();
}

bool deleteFile(const std::string& path) {
    return DeleteFileW(wide(path).c_str()) ? succeed() : fail();
}

bool getCurrentDirectory(std::string& folder) {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    if (length == 0) return fail();
    std::wstring buffer(length, L'\0');
    if (GetCurrentDirectoryW(length, buffer.data()) == 0) return fail();
    folder = narrow(buffer.c_str());
    return succeed();
}

bool listDirectory(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    WIN32_FIND_DATAW data;
    const HANDLE search = FindFirstFileW(wide((folder.empty() ? std::string(".") : folder) + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) return fail();
    do {
        const std::string name = narrow(data.cFileName);
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileW(search, &data));
    FindClose(search);
    return succeed();
}

std::uint32_t currentProcessId() {
    return GetCurrentProcessId();
}

bool processIsRunning(std::uint32_t processId) {
    if (processId == 0) return false;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    // A process that cannot be opened for lack of rights is running.
    if (!process) return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
}

std::uint64_t filesPutInPlace() {
    return placedFiles.load();
}

}  // namespace platform
