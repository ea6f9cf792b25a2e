#include "DdsFormat.h"

#include "saveutil/LittleEndianBytes.h"

#include <cstring>

namespace {

constexpr std::uint32_t kMagic = 0x20534444;  // "DDS "
constexpr std::uint32_t kHeaderSize = 124;
constexpr std::uint32_t kPixelFormatSize = 32;
constexpr std::uint32_t kHeaderFlags = 0x00021007;  // caps, height, width, pixel format, mip-map count
constexpr std::uint32_t kCapsTexture = 0x00001000;
constexpr std::uint32_t kPixelFormatFourCC = 0x4;
constexpr std::uint32_t kPixelFormatRgbAlpha = 0x41;
constexpr std::uint32_t kFourCCDx10 = 0x30315844;  // "DX10"
constexpr std::uint32_t kDimensionTexture2D = 3;
// The engine's loader recognises textures of at most 128 x 128 texels by this marker.
constexpr std::uint32_t kSmallTextureMarker = 0x288AE8D9;
constexpr std::uint32_t kSmallTextureValue = 2;
constexpr std::int64_t kSmallTextureTexels = 16384;

struct FormatCodes {
    std::uint32_t legacyFourCC;  // Direct3D 9 format number; 0 where only the extended header applies
    std::uint32_t dxgiFormat;
};

FormatCodes formatCodes(DdsStorage storage, std::uint32_t channels) {
    const unsigned slot = channels == 1 ? 0 : channels == 2 ? 1 : 2;
    static const FormatCodes kFloat[] = {{114, 41}, {115, 16}, {116, 2}};
    static const FormatCodes kHalf[] = {{111, 54}, {112, 34}, {113, 10}};
    static const FormatCodes kUnorm[] = {{0, 61}, {0, 49}, {0, 28}};
    switch (storage) {
        case DdsStorage::Float: return kFloat[slot];
        case DdsStorage::Half: return kHalf[slot];
        case DdsStorage::Unorm: return kUnorm[slot];
        case DdsStorage::Unknown: break;
    }
    return {0, 0};
}

}  // namespace

DdsStorage parseDdsStorage(const char* type) {
    if (!type) return DdsStorage::Unknown;
    if (std::strcmp(type, "float") == 0) return DdsStorage::Float;
    if (std::strcmp(type, "half") == 0) return DdsStorage::Half;
    if (std::strcmp(type, "unorm") == 0) return DdsStorage::Unorm;
    return DdsStorage::Unknown;
}

std::uint32_t bytesPerChannel(DdsStorage storage) {
    switch (storage) {
        case DdsStorage::Unorm: return 1;
        case DdsStorage::Half: return 2;
        case DdsStorage::Float: return 4;
        case DdsStorage::Unknown: break;
    }
    return 0;
}

std::uint64_t ddsDataSize(const DdsDescription& description) {
    std::uint64_t size = bytesPerChannel(description.storage);
    for (const std::uint64_t factor : {description.width, description.height, description.channels,
                                       description.arraySize}) {
        if (factor != 0 && size > UINT64_MAX / factor) return UINT64_MAX;
        size *= factor;
    }
    return size;
}

std::vector<std::uint8_t> buildDdsPreamble(const DdsDescription& description) {
    const bool extended = description.arraySize > 1 ||
                          (description.storage == DdsStorage::Unorm && description.channels < 4);
    const bool small = std::int64_t(std::int32_t(description.width * description.height)) <= kSmallTextureTexels;
    const FormatCodes codes = formatCodes(description.storage, description.channels);
    const bool rgba8 = !extended && description.storage == DdsStorage::Unorm;

    std::vector<std::uint8_t> bytes;
    Q5XSaveUtil::LittleEndianBytes out(bytes);
    out.u32(kMagic);
    out.u32(kHeaderSize);
    out.u32(kHeaderFlags);
    out.u32(description.height);
    out.u32(description.width);
    out.u32(0);  // pitch or linear size
    out.u32(0);  // depth
    out.u32(1);  // mip-map count
    out.u32(small ? kSmallTextureMarker : 0);
    out.u32(0);
    out.u32(small ? kSmallTextureValue : 0);
    for (int reserved = 3; reserved <= 10; ++reserved) out.u32(0);

    out.u32(kPixelFormatSize);
    out.u32(rgba8 ? kPixelFormatRgbAlpha : kPixelFormatFourCC);
    out.u32(extended ? kFourCCDx10 : codes.legacyFourCC);
    out.u32(rgba8 ? 32 : 0);
    out.u32(rgba8 ? 0x000000FF : 0);
    out.u32(rgba8 ? 0x0000FF00 : 0);
    out.u32(rgba8 ? 0x00FF0000 : 0);
    out.u32(rgba8 ? 0xFF000000 : 0);

    out.u32(kCapsTexture);
    for (int word = 0; word < 4; ++word) out.u32(0);  // caps 2, caps 3, caps 4, reserved

    if (extended) {
        out.u32(codes.dxgiFormat);
        out.u32(kDimensionTexture2D);
        out.u32(0);
        out.u32(description.arraySize);
        out.u32(0);
    }
    return bytes;
}
