#include "ma/DecimalNumber.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

// What the full conversion gives, or "none" when it does not read the whole word.
std::string reference(const std::string& text) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return "none";
    char bits[32];
    std::snprintf(bits, sizeof bits, "%a", value);
    return bits;
}

std::string parsed(const std::string& text) {
    double value = 0.0;
    if (!mayahost::parseDecimal(text, value)) return "none";
    char bits[32];
    std::snprintf(bits, sizeof bits, "%a", value);
    return bits;
}

}  // namespace

// The short path must give the very double the full conversion gives, sign of zero included.
TEST(DecimalNumber, ReadsEveryWordAsTheFullConversionDoes) {
    for (const char* text : {"0", "-0", "-0.0", "1", "-12", "0.1", "0.1234567", "123456789012345", "1234567890123456",
                             "0.000000000000001", "0.0000000000000000000001", "0.00000000000000000000001",
                             "99999999999999.9", "9007199254740993", "1e-05", "-2.5E3", "1.", ".5", "-", "", "--1",
                             "1.2.3", "0x10", "inf", "nan", "1 ", " 1", "4.35", "0.3", "2.675", "1.0000000000000002"}) {
        EXPECT_EQ(parsed(text), reference(text)) << '"' << text << '"';
    }
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> magnitude(-9.0, 9.0);
    std::uniform_int_distribution<int> precision(1, 17);
    for (int i = 0; i < 200000; ++i) {
        char text[64];
        const double value = std::pow(10.0, magnitude(random)) * ((i & 1) ? -1.0 : 1.0);
        std::snprintf(text, sizeof text, (i & 2) ? "%.*f" : "%.*g", precision(random), value);
        ASSERT_EQ(parsed(text), reference(text)) << text;
    }
}
