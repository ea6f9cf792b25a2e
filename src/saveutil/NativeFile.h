#ifndef Q5XSAVEUTIL_NATIVEFILE_H
#define Q5XSAVEUTIL_NATIVEFILE_H

#include "File.h"
#include "IFileLoader.h"

#include <platform/FileServices.h>

#include <string>

namespace Q5XSaveUtil {

// A file of the operating system.
class NativeFile : public File {
public:
    NativeFile() = default;
    ~NativeFile() override;
    NativeFile(const NativeFile&) = delete;
    NativeFile& operator=(const NativeFile&) = delete;

    // Opens `path` (as given) in one of the FileMode modes; true when the file is open.
    bool open(const std::string& path, std::uint32_t mode);

    bool isOpen() const override;
    bool isReady() const override;
    std::uint32_t read(void* buffer, std::uint32_t size) override;
    std::uint32_t write(const void* buffer, std::uint32_t size) override;
    bool seek(std::uint64_t position) override;
    std::uint64_t tell() override;
    std::uint64_t getSize() override;
    bool isEof() const override;
    std::uint64_t getModificationTime() override;
    bool sync() override;
    bool closeAndRename(const std::string& newFileName) override;
    bool closeAndDelete() override;
    bool canRenameTo(const std::string& newFileName) const override;

    // The path the file was opened with, normalised.
    const std::string& name() const { return name_; }

private:
    void close();
    std::string sibling(const std::string& fileName) const;

    platform::FileHandle handle_ = platform::kInvalidHandle;
    bool eof_ = false;
    std::string name_;
    std::string openedPath_;
};

// Whether `path` names a file, a directory or nothing.
PathKind pathKind(const std::string& path);

}  // namespace Q5XSaveUtil

#endif
