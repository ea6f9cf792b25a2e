#ifndef Q5XSAVEUTIL_FILESYSTEM_H
#define Q5XSAVEUTIL_FILESYSTEM_H

#include "IFileLoader.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Q5XSaveUtil {

class File;

// The plug-in's virtual file system: an ordered list of loaders asked in turn.
class FileSystem {
public:
    // The process-wide instance, alive while the plug-in is loaded.
    static FileSystem& instance();

    // Takes ownership and keeps the list sorted by priority.
    void addLoader(IFileLoader* loader);
    // Gives ownership of a loader back to the caller; false when it is not in the list.
    bool removeLoader(IFileLoader* loader);
    std::size_t loaderCount();

    // A file owned by the caller, or null when no loader produced one.
    File* open(const std::string& name, std::uint32_t mode);

private:
    std::mutex mutex_;
    std::vector<std::unique_ptr<IFileLoader>> loaders_;
};

// A loader that belongs to the FileSystem only for the lifetime of this object, so that the
// loaders of one export or texture write never answer the relative names of the next.
class ScopedLoader {
public:
    ScopedLoader(FileSystem& fileSystem, std::unique_ptr<IFileLoader> loader);
    ~ScopedLoader();
    ScopedLoader(const ScopedLoader&) = delete;
    ScopedLoader& operator=(const ScopedLoader&) = delete;

private:
    FileSystem& fileSystem_;
    IFileLoader* loader_;
};

}  // namespace Q5XSaveUtil

#endif
