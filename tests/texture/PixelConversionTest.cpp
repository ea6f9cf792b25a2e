#include "texture/PixelConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

TEST(PixelConversion, UnormTruncatesAndClampsTheProduct) {
    EXPECT_EQ(unormFromDouble(1.0), 255);
    EXPECT_EQ(unormFromDouble(0.999), 254);
    EXPECT_EQ(unormFromDouble(0.5), 127);
    EXPECT_EQ(unormFromDouble(2.0), 255);
    EXPECT_EQ(unormFromDouble(0.0), 0);
    EXPECT_EQ(unormFromDouble(-0.001), 0);
    EXPECT_EQ(unormFromDouble(-0.5), 255);
    EXPECT_EQ(unormFromDouble(-1e30), 255);
    EXPECT_EQ(unormFromDouble(std::numeric_limits<double>::infinity()), 255);
    EXPECT_EQ(unormFromDouble(std::nan("")), 0);
}

TEST(PixelConversion, HalfTruncatesWithoutRounding) {
    EXPECT_EQ(halfFromFloat(0.0f), 0x0000);
    EXPECT_EQ(halfFromFloat(-0.0f), 0x0000);  // everything below the subnormals flushes to +0
    EXPECT_EQ(halfFromFloat(1.0f), 0x3C00);
    EXPECT_EQ(halfFromFloat(-2.0f), 0xC000);
    EXPECT_EQ(halfFromFloat(65504.0f), 0x7BFF);
    EXPECT_EQ(halfFromFloat(65520.0f), 0x7BFF);
    EXPECT_EQ(halfFromFloat(1.0e6f), 0x7C00);
    EXPECT_EQ(halfFromFloat(-1.0e6f), 0xFC00);
    EXPECT_EQ(halfFromFloat(1.0e-10f), 0x0000);
    EXPECT_EQ(halfFromFloat(-1.0e-10f), 0x0000);
    // Subnormal halves: 2^-24 is the smallest, 2^-15 sits in the middle of the range.
    EXPECT_EQ(halfFromFloat(std::ldexp(1.0f, -24)), 0x0001);
    EXPECT_EQ(halfFromFloat(std::ldexp(1.0f, -15)), 0x0200);
    EXPECT_EQ(halfFromFloat(std::ldexp(1.0f, -14)), 0x0400);
    EXPECT_EQ(halfFromFloat(std::numeric_limits<float>::infinity()), 0x7C00);
    EXPECT_EQ(halfFromFloat(-std::numeric_limits<float>::infinity()), 0xFC00);
    // A NaN whose payload sits below the half's mantissa still comes out as a NaN.
    std::uint32_t quietBits = 0x7F800001u;
    float lowNaN;
    std::memcpy(&lowNaN, &quietBits, sizeof lowNaN);
    EXPECT_EQ(halfFromFloat(lowNaN), 0x7C01);
    EXPECT_EQ(halfFromFloat(std::numeric_limits<float>::quiet_NaN()), 0x7E00);
}

TEST(PixelConversion, ChannelsAreStoredLittleEndian) {
    const double values[] = {1.0, -2.0};
    std::uint8_t halves[4];
    convertChannels(values, 2, DdsStorage::Half, halves);
    EXPECT_EQ(halves[0], 0x00);
    EXPECT_EQ(halves[1], 0x3C);
    EXPECT_EQ(halves[3], 0xC0);
    std::uint8_t floats[8];
    convertChannels(values, 2, DdsStorage::Float, floats);
    float back[2];
    std::memcpy(back, floats, sizeof back);
    EXPECT_EQ(back[0], 1.0f);
    EXPECT_EQ(back[1], -2.0f);
}
