#ifndef Q5X_TEXTURE_DDSWRITER_H
#define Q5X_TEXTURE_DDSWRITER_H

#include "DdsFormat.h"

#include <maya/MTypes.h>

#include <cstdint>
#include <string>

// Largest pixel data a single 32-bit write can carry.
constexpr std::uint64_t kMaxDdsDataSize = 0xFFFFFFFFu;

enum class DdsWriteResult {
    Written,
    InvalidArguments,  // no file name or data, channels not 1, 2 or 4, unknown storage type
    TooLarge,          // the pixel data exceeds kMaxDdsDataSize
    WriteFailed,       // the file could not be opened or written; no file of that name changed
};

// Writes one uncompressed DDS texture: a single mip level, `description.arraySize` slices of
// tightly packed pixels read from `data` (ddsDataSize(description) bytes, owned by the caller).
// A relative `filename` is taken from the working folder. The file appears only when complete.
DdsWriteResult writeDdsFile(const std::string& filename, const DdsDescription& description, const void* data);

// Entry point for native callers; arraySize below 1 counts as 1. Reports nothing.
extern "C" PLUGIN_EXPORT void writeDDS(const char* filename, std::uint32_t width, std::uint32_t height, std::uint32_t channels,
                            std::int32_t arraySize, const char* type, const void* data);

#endif
