#include "DdsWriter.h"

#include "saveutil/FileSystem.h"
#include "saveutil/NativeFileLoader.h"
#include "saveutil/PathUtils.h"
#include "saveutil/StagedFile.h"
#include "saveutil/WorkingFolder.h"

#include <memory>

DdsWriteResult writeDdsFile(const std::string& filename, const DdsDescription& description, const void* data) {
    const bool validChannels = description.channels == 1 || description.channels == 2 || description.channels == 4;
    if (filename.empty() || !data || !validChannels || description.arraySize < 1 ||
        description.storage == DdsStorage::Unknown) {
        return DdsWriteResult::InvalidArguments;
    }
    const std::uint64_t dataSize = ddsDataSize(description);
    if (dataSize > kMaxDdsDataSize) return DdsWriteResult::TooLarge;

    // The name is made absolute first, so whichever loader answers (an export run may have its own
    // in the list) opens the same file, and a relative name always means the working folder.
    std::string path = filename;
    std::string workingFolder;
    Q5XSaveUtil::absoluteFromWorkingFolder(path, workingFolder);
    std::string folder;
    Q5XSaveUtil::getDirectory(path, folder);
    Q5XSaveUtil::FileSystem& fileSystem = Q5XSaveUtil::FileSystem::instance();
    Q5XSaveUtil::ScopedLoader loader(fileSystem, std::make_unique<Q5XSaveUtil::NativeFileLoader>(folder));

    Q5XSaveUtil::StagedFile file;
    const std::vector<std::uint8_t> preamble = buildDdsPreamble(description);
    const bool written = file.open(fileSystem, path) && file.write(preamble.data(), preamble.size()) &&
                         file.write(data, static_cast<std::size_t>(dataSize)) && file.commit();
    return written ? DdsWriteResult::Written : DdsWriteResult::WriteFailed;
}

void writeDDS(const char* filename, std::uint32_t width, std::uint32_t height, std::uint32_t channels,
              std::int32_t arraySize, const char* type, const void* data) {
    if (!filename) return;
    const DdsDescription description{width, height, channels, arraySize < 1 ? 1u : std::uint32_t(arraySize),
                                     parseDdsStorage(type)};
    writeDdsFile(filename, description, data);
}
