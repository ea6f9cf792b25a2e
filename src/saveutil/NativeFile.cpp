#include "NativeFile.h"

#include "Log.h"
#include "PathUtils.h"

namespace Q5XSaveUtil {

namespace {

constexpr int kOpenAttempts = 3;
// Longest path prefix the case check looks up, as the Windows path limit allows.
constexpr std::size_t kMaxCheckedPrefix = 259;

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

// Names on disk that differ from the name asked for only in case work on Windows but break on
// case-sensitive systems and in archives, so they are reported.
void checkCase(const std::string& path) {
    std::size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        while (start < path.size() && !isSeparator(path[start])) ++start;
    }
    for (std::size_t end = start + 1; end <= path.size() && end <= kMaxCheckedPrefix; ++end) {
        if (end < path.size() && !isSeparator(path[end])) continue;
        if (isSeparator(path[end - 1])) continue;
        std::size_t componentStart = end;
        while (componentStart > 0 && !isSeparator(path[componentStart - 1])) --componentStart;
        const std::string component = path.substr(componentStart, end - componentStart);
        if (component == "..") continue;
        platform::DirectoryEntry entry;
        if (!platform::findEntry(path.substr(0, end), entry)) continue;
        if (entry.storedName != component) {
            Log::instance().warning("Warning: Loading file with invalid case '%s'.\n", path.c_str());
            return;
        }
    }
}

}  // namespace

PathKind pathKind(const std::string& path) {
    std::string lookup = normalizePath(path);
    if (!lookup.empty() && lookup.back() == '/') lookup.pop_back();
    platform::DirectoryEntry entry;
    if (!platform::findEntry(lookup, entry) || entry.isSystemOrTemporary) return PathKind::Missing;
    return entry.isDirectory ? PathKind::Directory : PathKind::File;
}

NativeFile::~NativeFile() {
    close();
}

void NativeFile::close() {
    if (handle_ != platform::kInvalidHandle) platform::closeHandle(handle_);
    handle_ = platform::kInvalidHandle;
}

bool NativeFile::open(const std::string& path, std::uint32_t mode) {
    close();
    name_ = normalizePath(path);
    openedPath_ = path;
    if (mode > kFileModeWriteNew) return false;

    const platform::Access access = mode == kFileModeRead ? platform::Access::Read : platform::Access::Write;
    const platform::Disposition disposition = mode == kFileModeRead       ? platform::Disposition::OpenExisting
                                              : mode == kFileModeAppend   ? platform::Disposition::OpenAlways
                                              : mode == kFileModeWriteNew ? platform::Disposition::CreateNew
                                                                          : platform::Disposition::CreateAlways;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        handle_ = platform::createFile(path, access, disposition);
        if (handle_ != platform::kInvalidHandle || platform::lastError() != platform::kErrorSharingViolation) break;
    }
    if (handle_ != platform::kInvalidHandle && mode == kFileModeAppend) {
        std::uint64_t end = 0;
        platform::setFilePointer(handle_, 0, platform::SeekOrigin::End, end);
    }
    if (handle_ == platform::kInvalidHandle) {
        if (platform::lastError() == platform::kErrorSharingViolation) {
            Log::instance().error("Error: Sharing violation on file '%s' ... perhaps open in another program?\n",
                                  path.c_str());
        }
        return false;
    }
    checkCase(path);
    return true;
}

bool NativeFile::isOpen() const {
    return handle_ != platform::kInvalidHandle;
}

bool NativeFile::isReady() const {
    return true;
}

std::uint32_t NativeFile::read(void* buffer, std::uint32_t size) {
    if (!isOpen()) return kFileError;
    eof_ = false;
    std::uint32_t count = 0;
    if (!platform::readFile(handle_, buffer, size, count)) return kFileError;
    eof_ = count < size;
    return count;
}

std::uint32_t NativeFile::write(const void* buffer, std::uint32_t size) {
    if (!isOpen()) return kFileError;
    std::uint32_t count = 0;
    if (!platform::writeFile(handle_, buffer, size, count)) return kFileError;
    return count;
}

bool NativeFile::seek(std::uint64_t position) {
    if (!isOpen()) return false;
    std::uint64_t reached = 0;
    if (!platform::setFilePointer(handle_, static_cast<std::int64_t>(position), platform::SeekOrigin::Begin,
                                  reached)) {
        return false;
    }
    eof_ = reached < position;
    return true;
}

std::uint64_t NativeFile::tell() {
    std::uint64_t position = 0;
    if (!isOpen() || !platform::setFilePointer(handle_, 0, platform::SeekOrigin::Current, position)) {
        return ~std::uint64_t(0);
    }
    return position;
}

std::uint64_t NativeFile::getSize() {
    std::uint64_t size = 0;
    if (!isOpen() || !platform::getFileSize(handle_, size)) return ~std::uint64_t(0);
    return size;
}

bool NativeFile::isEof() const {
    return isOpen() && eof_;
}

std::uint64_t NativeFile::getModificationTime() {
    std::int64_t seconds = 0;
    if (!platform::getLastWriteTime(openedPath_, seconds) || seconds < 0) return 0;
    return static_cast<std::uint64_t>(seconds);
}

bool NativeFile::sync() {
    return isOpen() && platform::flushFileBuffers(handle_);
}

std::string NativeFile::sibling(const std::string& fileName) const {
    const std::size_t separator = openedPath_.find_last_of("/\\");
    return (separator == std::string::npos ? std::string() : openedPath_.substr(0, separator + 1)) + fileName;
}

bool NativeFile::canRenameTo(const std::string& newFileName) const {
    return isOpen() && pathKind(sibling(newFileName)) != PathKind::Directory;
}

bool NativeFile::closeAndRename(const std::string& newFileName) {
    if (!isOpen()) return false;
    const bool closed = platform::closeHandle(handle_);
    handle_ = platform::kInvalidHandle;
    const std::string target = sibling(newFileName);
    const bool moved = closed && platform::moveFileReplacing(openedPath_, target);
    if (!moved) platform::deleteFile(openedPath_);
    return moved;
}

bool NativeFile::closeAndDelete() {
    if (!isOpen()) return false;
    close();
    return platform::deleteFile(openedPath_);
}

}  // namespace Q5XSaveUtil
