#include "DdsFormat.h"

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

class Preamble {
public:
    void word(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    void words(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) word(value);
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

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

    Preamble out;
    out.word(kMagic);
    out.word(kHeaderSize);
    out.word(kHeaderFlags);
    out.word(description.height);
    out.word(description.width);
    out.word(0);  // pitch or linear size
    out.word(0);  // depth
    out.word(1);  // mip-map count
    out.word(small ? kSmallTextureMarker : 0);
    out.word(0);
    out.word(small ? kSmallTextureValue : 0);
    out.words(0, 8);  // reserved words 3 to 10

    out.word(kPixelFormatSize);
    out.word(rgba8 ? kPixelFormatRgbAlpha : kPixelFormatFourCC);
    out.word(extended ? kFourCCDx10 : codes.legacyFourCC);
    out.word(rgba8 ? 32 : 0);
    out.word(rgba8 ? 0x000000FF : 0);
    out.word(rgba8 ? 0x0000FF00 : 0);
    out.word(rgba8 ? 0x00FF0000 : 0);
    out.word(rgba8 ? 0xFF000000 : 0);

    out.word(kCapsTexture);
    out.words(0, 4);  // caps 2, caps 3, caps 4, reserved

    if (extended) {
        out.word(codes.dxgiFormat);
        out.word(kDimensionTexture2D);
        out.word(0);
        out.word(description.arraySize);
        out.word(0);
    }
    return out.take();
}
