#include "FileSystem.h"

#include "File.h"
#include "PathUtils.h"

#include <algorithm>

namespace Q5XSaveUtil {

FileSystem& FileSystem::instance() {
    static FileSystem fileSystem;
    return fileSystem;
}

void FileSystem::addLoader(IFileLoader* loader) {
    std::lock_guard<std::mutex> lock(mutex_);
    loaders_.emplace_back(loader);
    std::stable_sort(loaders_.begin(), loaders_.end(),
                     [](const auto& a, const auto& b) { return a->priority() < b->priority(); });
}

bool FileSystem::removeLoader(IFileLoader* loader) {
    std::lock_guard<std::mutex> lock(mutex_);
    const auto found = std::find_if(loaders_.begin(), loaders_.end(),
                                    [loader](const auto& entry) { return entry.get() == loader; });
    if (found == loaders_.end()) return false;
    found->release();
    loaders_.erase(found);
    return true;
}

std::size_t FileSystem::loaderCount() {
    std::lock_guard<std::mutex> lock(mutex_);
    return loaders_.size();
}

File* FileSystem::open(const std::string& name, std::uint32_t mode) {
    std::lock_guard<std::mutex> lock(mutex_);
    const bool absolute = isAbsolutePath(name);
    for (const auto& loader : loaders_) {
        if (File* file = loader->open(name, mode, absolute, false)) return file;
    }
    return nullptr;
}

ScopedLoader::ScopedLoader(FileSystem& fileSystem, std::unique_ptr<IFileLoader> loader)
    : fileSystem_(fileSystem), loader_(loader.release()) {
    fileSystem_.addLoader(loader_);
}

ScopedLoader::~ScopedLoader() {
    if (fileSystem_.removeLoader(loader_)) delete loader_;
}

}  // namespace Q5XSaveUtil
