#include <platform/FileStatistics.h>
#include <platform/FileServices.h>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <map>
#include <mutex>
#include <utility>

namespace platform {

namespace {

thread_local std::uint32_t threadLastError = kErrorNone;
std::atomic<std::uint64_t> placedFiles{0};

using FileIdentity = std::pair<dev_t, ino_t>;

// Windows refuses a second writer while a file is open for writing; POSIX does not, so the
// open writers are tracked here.
struct ShareTable {
    std::mutex mutex;
    std::map<int, FileIdentity> writerByDescriptor;
    std::map<FileIdentity, int> writerCount;
};

ShareTable& shareTable() {
    static ShareTable table;
    return table;
}

std::uint32_t errorFromErrno(int error) {
    switch (error) {
        case 0: return kErrorNone;
        case ENOENT: return kErrorFileNotFound;
        case ENOTDIR: return kErrorPathNotFound;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS: return kErrorAccessDenied;
        case EBADF: return kErrorInvalidHandle;
        case EEXIST: return kErrorFileExists;
        case ENOSPC:
        case EFBIG:
        case EDQUOT: return kErrorDiskFull;
        default: return kErrorGenFailure;
    }
}

bool failWith(int error) {
    threadLastError = errorFromErrno(error);
    return false;
}

bool succeed() {
    threadLastError = kErrorNone;
    return true;
}

std::string withForwardSlashes(const std::string& path) {
    std::string result = path;
    for (char& c : result) {
        if (c == '\\') c = '/';
    }
    return result;
}

bool exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// Finds the entry of `folder` whose name equals `name` ignoring ASCII case.
bool findIgnoringCase(const std::string& folder, const std::string& name, std::string& stored) {
    DIR* directory = opendir(folder.empty() ? "." : folder.c_str());
    if (!directory) return false;
    bool found = false;
    while (dirent* entry = readdir(directory)) {
        if (strcasecmp(entry->d_name, name.c_str()) == 0) {
            stored = entry->d_name;
            found = true;
            break;
        }
    }
    closedir(directory);
    return found;
}

// Maps a path onto the names stored on disk, matching components without regard to case as
// Windows does. Components that do not exist are kept as written.
std::string resolveCase(const std::string& path) {
    std::string slashed = withForwardSlashes(path);
    if (slashed.empty() || exists(slashed)) return slashed;
    std::string resolved;
    std::size_t start = 0;
    if (slashed[0] == '/') {
        resolved = "/";
        start = 1;
    }
    bool matching = true;
    while (start <= slashed.size()) {
        std::size_t end = slashed.find('/', start);
        if (end == std::string::npos) end = slashed.size();
        std::string component = slashed.substr(start, end - start);
        if (matching && !component.empty() && component != "." && component != "..") {
            const std::string candidate = resolved + component;
            std::string stored;
            if (!exists(candidate)) {
                if (findIgnoringCase(resolved, component, stored)) {
                    component = stored;
                } else {
                    matching = false;
                }
            }
        }
        resolved += component;
        if (end < slashed.size()) resolved += '/';
        start = end + 1;
    }
    return resolved;
}

bool registerWriter(int descriptor) {
    struct stat info;
    if (fstat(descriptor, &info) != 0) return false;
    ShareTable& table = shareTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    const FileIdentity identity{info.st_dev, info.st_ino};
    if (table.writerCount[identity] > 0) return false;
    ++table.writerCount[identity];
    table.writerByDescriptor[descriptor] = identity;
    return true;
}

bool writerOpen(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return false;
    ShareTable& table = shareTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    const auto found = table.writerCount.find({info.st_dev, info.st_ino});
    return found != table.writerCount.end() && found->second > 0;
}

void unregisterWriter(int descriptor) {
    ShareTable& table = shareTable();
    std::lock_guard<std::mutex> lock(table.mutex);
    const auto found = table.writerByDescriptor.find(descriptor);
    if (found == table.writerByDescriptor.end()) return;
    if (--table.writerCount[found->second] == 0) table.writerCount.erase(found->second);
    table.writerByDescriptor.erase(found);
}

int descriptorOf(FileHandle handle) {
    return handle >= 0 && handle <= INT_MAX ? static_cast<int>(handle) : -1;
}

}  // namespace

FileHandle createFile(const std::string& path, Access access, Disposition disposition) {
    const bool creates = disposition != Disposition::OpenExisting;
    const std::string resolved = creates ? withForwardSlashes(path) : resolveCase(path);
    if (access == Access::Write && writerOpen(resolved)) {
        threadLastError = kErrorSharingViolation;
        return kInvalidHandle;
    }
    int flags = access == Access::Read ? O_RDONLY : O_WRONLY;
    if (disposition == Disposition::CreateAlways) flags |= O_CREAT | O_TRUNC;
    if (disposition == Disposition::OpenAlways) flags |= O_CREAT;
    if (disposition == Disposition::CreateNew) flags |= O_CREAT | O_EXCL | O_NOFOLLOW;
    const int descriptor = open(resolved.c_str(), flags | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        failWith(errno);
        return kInvalidHandle;
    }
    struct stat info;
    if (fstat(descriptor, &info) != 0 || S_ISDIR(info.st_mode)) {
        close(descriptor);
        threadLastError = kErrorAccessDenied;
        return kInvalidHandle;
    }
    if (access == Access::Write && !registerWriter(descriptor)) {
        close(descriptor);
        threadLastError = kErrorSharingViolation;
        return kInvalidHandle;
    }
    succeed();
    return descriptor;
}

std::uint32_t lastError() {
    return threadLastError;
}

bool readFile(FileHandle handle, void* buffer, std::uint32_t size, std::uint32_t& bytesRead) {
    bytesRead = 0;
    const int descriptor = descriptorOf(handle);
    char* target = static_cast<char*>(buffer);
    while (bytesRead < size) {
        const ssize_t count = read(descriptor, target + bytesRead, size - bytesRead);
        if (count < 0) {
            if (errno == EINTR) continue;
            return failWith(errno);
        }
        if (count == 0) break;
        bytesRead += static_cast<std::uint32_t>(count);
    }
    return succeed();
}

bool writeFile(FileHandle handle, const void* buffer, std::uint32_t size, std::uint32_t& bytesWritten) {
    bytesWritten = 0;
    const int descriptor = descriptorOf(handle);
    const char* source = static_cast<const char*>(buffer);
    while (bytesWritten < size) {
        const ssize_t count = write(descriptor, source + bytesWritten, size - bytesWritten);
        if (count < 0) {
            if (errno == EINTR) continue;
            return failWith(errno);
        }
        bytesWritten += static_cast<std::uint32_t>(count);
    }
    return succeed();
}

bool setFilePointer(FileHandle handle, std::int64_t distance, SeekOrigin origin, std::uint64_t& newPosition) {
    const int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
    const off_t position = lseek(descriptorOf(handle), static_cast<off_t>(distance), whence);
    if (position < 0) return failWith(errno);
    newPosition = static_cast<std::uint64_t>(position);
    return succeed();
}

bool getFileSize(FileHandle handle, std::uint64_t& size) {
    struct stat info;
    if (fstat(descriptorOf(handle), &info) != 0) return failWith(errno);
    size = static_cast<std::uint64_t>(info.st_size);
    return succeed();
}

bool flushFileBuffers(FileHandle handle) {
    if (fsync(descriptorOf(handle)) != 0) return failWith(errno);
    return succeed();
}

bool closeHandle(FileHandle handle) {
    const int descriptor = descriptorOf(handle);
    unregisterWriter(descriptor);
    if (close(descriptor) != 0) return failWith(errno);
    return succeed();
}

bool findEntry(const std::string& path, DirectoryEntry& entry) {
    const std::string resolved = resolveCase(path);
    struct stat info;
    if (lstat(resolved.c_str(), &info) != 0) return failWith(errno);
    const std::size_t slash = resolved.find_last_of('/');
    entry.storedName = slash == std::string::npos ? resolved : resolved.substr(slash + 1);
    entry.isDirectory = S_ISDIR(info.st_mode);
    entry.isSystemOrTemporary = !S_ISDIR(info.st_mode) && !S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode);
    return succeed();
}

bool getLastWriteTime(const std::string& path, std::int64_t& secondsSince1970) {
    struct stat info;
    if (stat(resolveCase(path).c_str(), &info) != 0) return failWith(errno);
    secondsSince1970 = static_cast<std::int64_t>(info.st_mtime);
    return succeed();
}

bool moveFileReplacing(const std::string& from, const std::string& to) {
    if (rename(withForwardSlashes(from).c_str(), withForwardSlashes(to).c_str()) != 0) return failWith(errno);
    ++placedFiles;
    return succeed();
}

bool deleteFile(const std::string& path) {
    if (unlink(withForwardSlashes(path).c_str()) != 0) return failWith(errno);
    return succeed();
}

bool getCurrentDirectory(std::string& folder) {
    char buffer[PATH_MAX];
    if (!getcwd(buffer, sizeof buffer)) return failWith(errno);
    folder = buffer;
    return succeed();
}

bool listDirectory(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    DIR* directory = opendir(folder.empty() ? "." : withForwardSlashes(folder).c_str());
    if (!directory) return failWith(errno);
    while (dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    closedir(directory);
    return succeed();
}

std::uint32_t currentProcessId() {
    return static_cast<std::uint32_t>(getpid());
}

bool processIsRunning(std::uint32_t processId) {
    if (processId == 0 || processId > std::uint32_t(INT_MAX)) return false;
    return kill(static_cast<pid_t>(processId), 0) == 0 || errno != ESRCH;
}

std::uint64_t filesPutInPlace() {
    return placedFiles.load();
}

}  // namespace platform
