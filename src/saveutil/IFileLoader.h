#ifndef Q5XSAVEUTIL_IFILELOADER_H
#define Q5XSAVEUTIL_IFILELOADER_H

#include <cstdint>
#include <string>
#include <vector>

namespace Q5XSaveUtil {

class File;

enum FileMode : std::uint32_t {
    kFileModeRead = 0,
    kFileModeWrite = 1,     // create or truncate
    kFileModeAppend = 2,
    kFileModeWriteNew = 3,  // creates a new file; fails when anything (a link too) has that name
};

enum class PathKind { Missing = 0, File = 1, Directory = 2 };

// One source of files for the FileSystem. Lower priorities are asked first.
class IFileLoader {
public:
    explicit IFileLoader(std::uint32_t priority) : priority_(priority) {}
    virtual ~IFileLoader() = default;
    // A new file owned by the caller, or null.
    virtual File* open(const std::string& name, std::uint32_t mode, bool isAbsolute, bool asynchronous) = 0;
    virtual bool listDirectory(const std::string& directory, std::vector<std::string>& entries) = 0;
    virtual void update() = 0;
    virtual PathKind exists(const std::string& name, bool isAbsolute) = 0;
    virtual void setRoot(const std::string& root) = 0;
    virtual bool isArchive() const = 0;
    virtual bool isReadOnly() const = 0;

    std::uint32_t priority() const { return priority_; }

private:
    std::uint32_t priority_;
};

}  // namespace Q5XSaveUtil

#endif
