#ifndef Q5XSAVEUTIL_STAGEDFILE_H
#define Q5XSAVEUTIL_STAGEDFILE_H

#include "File.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace Q5XSaveUtil {

class FileSystem;

// An output file that appears under its name only once it is complete. The bytes go to a
// temporary file beside the target; commit() syncs it and renames it over the target, so a
// reader never sees a half-written file and a failed write leaves an earlier file untouched.
// A staged file that is never committed is deleted.
//
// The temporary file is "<target>.<process id>-<random>.q5xtmp", created exclusively: nothing
// planted beside the target (a link to another file) can be followed, two runs writing the same
// target never share one, and a file left by a killed run says whose it was: a later run to the
// same target removes it once that process is gone.
class StagedFile {
public:
    static constexpr const char* kTemporarySuffix = ".q5xtmp";
    // The unpredictable name of a new temporary file for `target`.
    static std::string temporaryName(const std::string& target);

    StagedFile() = default;
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Opens the temporary file for `name` through the file system's loaders.
    bool open(FileSystem& fileSystem, const std::string& name);
    // Opens the temporary file for `path` directly.
    bool openNative(const std::string& path);

    // False once any write has failed or was short; later writes are skipped.
    bool write(const void* data, std::size_t size);
    bool write(const std::string& text);
    // Whether commit() can succeed as far as can be told beforehand: every write went through
    // and nothing that cannot be replaced (a folder) stands at the target.
    bool readyToCommit();
    // Syncs and renames into place. False, with the temporary file removed, when anything failed.
    bool commit();
    // Drops the temporary file.
    void discard();
    // Why the first failing step failed, in words for a user ("the folder does not exist").
    std::string failureReason() const;

private:
    bool begin(File* file, const std::string& target);
    void fail(std::uint32_t error);

    std::unique_ptr<File> file_;
    std::string targetFileName_;
    bool failed_ = false;
    bool reasonKnown_ = false;
    std::uint32_t error_ = 0;
    bool folderAtTarget_ = false;
};

}  // namespace Q5XSaveUtil

#endif
