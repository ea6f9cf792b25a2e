#include "PixelConversion.h"

#include <cmath>
#include <cstring>

std::uint8_t unormFromDouble(double value) {
    const float product = static_cast<float>(value) * 255.0f;
    if (std::isnan(product) || (product > -1.0f && product < 1.0f)) return 0;
    if (product >= 255.0f || product <= -1.0f) return 255;
    return static_cast<std::uint8_t>(static_cast<std::int64_t>(product));
}

std::uint16_t halfFromFloat(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const std::uint32_t sign = (bits >> 16) & 0x8000u;
    const std::uint32_t mantissa = bits & 0x007FFFFFu;
    const int exponent = static_cast<int>((bits >> 23) & 0xFFu) - 112;

    if (exponent < -10) return 0;
    if (exponent <= 0) return static_cast<std::uint16_t>(sign | (((mantissa | 0x800000u) >> (1 - exponent)) >> 13));
    if (exponent == 143) {
        if (mantissa == 0) return static_cast<std::uint16_t>(sign | 0x7C00u);
        const std::uint32_t payload = mantissa >> 13;
        return static_cast<std::uint16_t>(sign | 0x7C00u | payload | (payload == 0 ? 1u : 0u));
    }
    if (exponent >= 31) return static_cast<std::uint16_t>(sign | 0x7C00u);
    return static_cast<std::uint16_t>(sign | (static_cast<std::uint32_t>(exponent) << 10) | (mantissa >> 13));
}

void convertChannels(const double* values, std::size_t count, DdsStorage storage, std::uint8_t* out) {
    switch (storage) {
        case DdsStorage::Unorm:
            for (std::size_t i = 0; i < count; ++i) out[i] = unormFromDouble(values[i]);
            break;
        case DdsStorage::Half:
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint16_t half = halfFromFloat(static_cast<float>(values[i]));
                out[2 * i] = static_cast<std::uint8_t>(half);
                out[2 * i + 1] = static_cast<std::uint8_t>(half >> 8);
            }
            break;
        case DdsStorage::Float:
            for (std::size_t i = 0; i < count; ++i) {
                const float single = static_cast<float>(values[i]);
                std::memcpy(out + 4 * i, &single, sizeof single);
            }
            break;
        case DdsStorage::Unknown: break;
    }
}
