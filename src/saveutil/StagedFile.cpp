#include "StagedFile.h"

#include "File.h"
#include "FileSystem.h"
#include "NativeFile.h"
#include "PathUtils.h"

#include <algorithm>

namespace Q5XSaveUtil {

namespace {

// Writes go out in pieces a 32-bit byte count can carry.
constexpr std::size_t kMaxWriteChunk = 1u << 30;

}  // namespace

StagedFile::~StagedFile() {
    discard();
}

bool StagedFile::begin(File* file, const std::string& target) {
    file_.reset(file);
    getFileName(normalizeSlashes(target), targetFileName_, true);
    failed_ = !file_ || targetFileName_.empty();
    return !failed_;
}

bool StagedFile::open(FileSystem& fileSystem, const std::string& name) {
    discard();
    return begin(fileSystem.open(name + kTemporarySuffix, kFileModeWrite), name);
}

bool StagedFile::openNative(const std::string& path) {
    discard();
    auto file = std::make_unique<NativeFile>();
    if (!file->open(path + kTemporarySuffix, kFileModeWrite)) return begin(nullptr, path);
    return begin(file.release(), path);
}

bool StagedFile::write(const void* data, std::size_t size) {
    const char* bytes = static_cast<const char*>(data);
    while (!failed_ && size > 0) {
        const auto chunk = static_cast<std::uint32_t>(std::min(size, kMaxWriteChunk));
        const std::uint32_t written = file_->write(bytes, chunk);
        failed_ = written != chunk;
        bytes += chunk;
        size -= chunk;
    }
    return !failed_;
}

bool StagedFile::write(const std::string& text) {
    return write(text.data(), text.size());
}

bool StagedFile::readyToCommit() const {
    return !failed_ && file_ && file_->canRenameTo(targetFileName_);
}

bool StagedFile::commit() {
    if (failed_ || !file_ || !file_->sync() || !file_->closeAndRename(targetFileName_)) {
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
