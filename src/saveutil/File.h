#ifndef Q5XSAVEUTIL_FILE_H
#define Q5XSAVEUTIL_FILE_H

#include <cstdint>
#include <string>

namespace Q5XSaveUtil {

// Byte counts of read and write on error.
constexpr std::uint32_t kFileError = 0xFFFFFFFFu;

// An open file. Destroying it closes it.
class File {
public:
    virtual ~File() = default;
    virtual bool isOpen() const = 0;
    virtual bool isReady() const = 0;
    // Bytes read or written, or kFileError.
    virtual std::uint32_t read(void* buffer, std::uint32_t size) = 0;
    virtual std::uint32_t write(const void* buffer, std::uint32_t size) = 0;
    virtual bool seek(std::uint64_t position) = 0;
    // All ones on error.
    virtual std::uint64_t tell() = 0;
    virtual std::uint64_t getSize() = 0;
    virtual bool isEof() const = 0;
    // Seconds since 1970, 0 on failure.
    virtual std::uint64_t getModificationTime() = 0;

    // Forces the written bytes to stable storage.
    virtual bool sync() = 0;
    // Closes the file and gives it the file name `newFileName` in its own folder, replacing any
    // file of that name in one step. When that fails the file is deleted instead.
    virtual bool closeAndRename(const std::string& newFileName) = 0;
    // Closes the file and deletes it.
    virtual bool closeAndDelete() = 0;
    // Whether closeAndRename to `newFileName` could replace what stands there (not a folder).
    virtual bool canRenameTo(const std::string& newFileName) const = 0;
};

}  // namespace Q5XSaveUtil

#endif
