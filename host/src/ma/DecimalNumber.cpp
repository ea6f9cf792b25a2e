#include "DecimalNumber.h"

#include <charconv>
#include <cstdint>

namespace mayahost {

namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
// Below 2^53, so that the digits as an integer are exact in a double.
constexpr int kMaxExactDigits = 15;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Most numbers of a scene file are short decimals ("0.1234567", "-12"). Their digits as an
// integer and the power of ten are both exact, and a division of exact operands is correctly
// rounded: the result is the one a full decimal conversion gives, at a fraction of its cost.
bool parseShortDecimal(std::string_view text, double& value) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++at;
    std::uint64_t digits = 0;
    int digitCount = 0;
    int fractionDigits = 0;
    const std::size_t integerStart = at;
    for (; at < text.size() && isDigit(text[at]); ++at, ++digitCount) digits = digits * 10 + std::uint64_t(text[at] - '0');
    if (at == integerStart) return false;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionStart = ++at;
        for (; at < text.size() && isDigit(text[at]); ++at, ++digitCount) digits = digits * 10 + std::uint64_t(text[at] - '0');
        fractionDigits = int(at - fractionStart);
        if (fractionDigits == 0) return false;
    }
    if (at != text.size() || digitCount > kMaxExactDigits) return false;
    const double magnitude = double(digits) / kExactPowersOfTen[fractionDigits];
    value = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace

bool parseDecimal(std::string_view text, double& value) {
    if (parseShortDecimal(text, value)) return true;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace mayahost
