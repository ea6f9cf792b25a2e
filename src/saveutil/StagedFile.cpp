#include "StagedFile.h"

#include "File.h"
#include "FileSystem.h"
#include "NativeFile.h"
#include "PathUtils.h"

#include <platform/FileServices.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <random>

namespace Q5XSaveUtil {

namespace {

// Writes go out in pieces a 32-bit byte count can carry.
constexpr std::size_t kMaxWriteChunk = 1u << 30;
// Fresh names to try when one is taken (which only a hostile neighbour can arrange).
constexpr int kCreateAttempts = 8;

// Staging files of `target` that a killed run left behind: "<target>.<pid>-<hex>.q5xtmp" whose
// process is gone. Files of running processes (this one included) and other names stay.
void removeStaleStagingFiles(const std::string& folder, const std::string& target) {
    std::vector<std::string> names;
    if (!platform::listDirectory(folder, names)) return;
    const std::string prefix = target + ".";
    const std::string suffix = StagedFile::kTemporarySuffix;
    for (const std::string& name : names) {
        if (name.size() <= prefix.size() + suffix.size() || name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        const std::string middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        const std::size_t dash = middle.find('-');
        if (dash == 0 || dash == std::string::npos || middle.size() - dash - 1 != 16 ||
            middle.find_first_not_of("0123456789") != dash || middle.find_first_not_of("0123456789abcdef", dash + 1) != std::string::npos) {
            continue;
        }
        const unsigned long owner = std::strtoul(middle.c_str(), nullptr, 10);
        if (owner > 0xFFFFFFFFul || platform::processIsRunning(std::uint32_t(owner))) continue;
        platform::deleteFile(folder + name);
    }
}

// Opens a new temporary file for `target` with `create`, trying fresh names while they are taken.
template <typename Create>
File* createTemporary(const std::string& target, Create create) {
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        if (File* file = create(StagedFile::temporaryName(target))) return file;
    }
    return nullptr;
}

}  // namespace

StagedFile::~StagedFile() {
    discard();
}

void StagedFile::fail(std::uint32_t error) {
    if (!reasonKnown_) error_ = error, reasonKnown_ = true;
    failed_ = true;
}

std::string StagedFile::failureReason() const {
    if (folderAtTarget_) return "a folder of that name stands there";
    switch (error_) {
        case platform::kErrorFileNotFound:
        case platform::kErrorPathNotFound: return "the folder does not exist";
        case platform::kErrorAccessDenied: return "access is denied";
        case platform::kErrorSharingViolation: return "another program has the file open";
        case platform::kErrorDiskFull: return "the disk is full";
        case platform::kErrorNone: return "the write was cut short";
        default: return "system error " + std::to_string(error_);
    }
}

bool StagedFile::begin(File* file, const std::string& target) {
    const std::uint32_t openError = platform::lastError();
    file_.reset(file);
    getFileName(normalizeSlashes(target), targetFileName_, true);
    failed_ = false;
    reasonKnown_ = false;
    if (!file_ || targetFileName_.empty()) fail(file_ ? platform::kErrorPathNotFound : openError);
    if (const auto* native = dynamic_cast<const NativeFile*>(file_.get()); native && !failed_) {
        std::string folder;
        getDirectory(native->name(), folder);
        removeStaleStagingFiles(folder, targetFileName_);
    }
    return !failed_;
}

std::string StagedFile::temporaryName(const std::string& target) {
    std::random_device entropy;
    const std::uint64_t random = (std::uint64_t(entropy()) << 32) ^ entropy();
    char tail[48];
    std::snprintf(tail, sizeof tail, ".%u-%016llx", platform::currentProcessId(), static_cast<unsigned long long>(random));
    return target + tail + kTemporarySuffix;
}

bool StagedFile::open(FileSystem& fileSystem, const std::string& name) {
    discard();
    return begin(createTemporary(name, [&](const std::string& temporary) {
                     return fileSystem.open(temporary, kFileModeWriteNew);
                 }),
                 name);
}

bool StagedFile::openNative(const std::string& path) {
    discard();
    return begin(createTemporary(path, [](const std::string& temporary) -> File* {
                     auto file = std::make_unique<NativeFile>();
                     return file->open(temporary, kFileModeWriteNew) ? file.release() : nullptr;
                 }),
                 path);
}

bool StagedFile::write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (!failed_ && size > 0) {
        const auto chunk = static_cast<std::uint32_t>(std::min(size, kMaxWriteChunk));
        const std::uint32_t written = file_->write(bytes, chunk);
        if (written != chunk) fail(platform::lastError());
        bytes += chunk;
        size -= chunk;
    }
    return !failed_;
}

bool StagedFile::write(const std::string& text) {
    return write(text.data(), text.size());
}

bool StagedFile::readyToCommit() {
    if (!failed_ && file_ && !file_->canRenameTo(targetFileName_)) {
        folderAtTarget_ = true;
        fail(platform::kErrorAccessDenied);
    }
    return !failed_ && file_;
}

bool StagedFile::commit() {
    if (!failed_ && file_ && !(file_->sync() && file_->closeAndRename(targetFileName_))) fail(platform::lastError());
    if (failed_ || !file_) {
        discard();
        return false;
    }
    file_.reset();
    return true;
}

void StagedFile::discard() {
    if (file_) file_->closeAndDelete();
    file_.reset();
    failed_ = true;
}

}  // namespace Q5XSaveUtil
