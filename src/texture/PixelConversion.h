#ifndef Q5X_TEXTURE_PIXELCONVERSION_H
#define Q5X_TEXTURE_PIXELCONVERSION_H

#include "DdsFormat.h"

#include <cstddef>
#include <cstdint>

// Channel value to an 8-bit unsigned normalised byte: value * 255 in single precision, truncated.
// Above 255 gives 255; so does a product of -1 or less (its unsigned reading exceeds 255); a
// product between -1 and 0, and NaN, give 0.
std::uint8_t unormFromDouble(double value);
// IEEE binary16 by truncation (no rounding): overflow becomes infinity, NaN stays NaN, values
// below the smallest subnormal become zero.
std::uint16_t halfFromFloat(float value);

// Converts `count` channel values into `out`, which must hold count * bytesPerChannel(storage).
void convertChannels(const double* values, std::size_t count, DdsStorage storage, std::uint8_t* out);

#endif
