#ifndef Q5X_TEXTURE_DDSFORMAT_H
#define Q5X_TEXTURE_DDSFORMAT_H

#include <cstddef>
#include <cstdint>
#include <vector>

// How pixel channels are stored in the file.
enum class DdsStorage { Unorm, Half, Float, Unknown };

// Exact, case-sensitive: "unorm", "half" or "float".
DdsStorage parseDdsStorage(const char* type);
std::uint32_t bytesPerChannel(DdsStorage storage);

struct DdsDescription {
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t channels;   // 1, 2 or 4
    std::uint32_t arraySize;  // at least 1
    DdsStorage storage;
};

// Bytes of pixel data the file carries; UINT64_MAX when that does not fit in 64 bits.
std::uint64_t ddsDataSize(const DdsDescription& description);
// The magic, the 124-byte header and, for array textures and 1- or 2-channel unorm data, the
// 20-byte extended header.
std::vector<std::uint8_t> buildDdsPreamble(const DdsDescription& description);

#endif
