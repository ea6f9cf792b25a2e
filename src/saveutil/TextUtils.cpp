#include "TextUtils.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace Q5XSaveUtil {

const char* formatFloat(float value, char (&buffer)[kFloatTextSize]) {
    // Whole numbers (zeros, unit scales, grid positions) are the digits of the integer: what
    // "%.6f" prints for them once the zero decimals are cut, "-0" included, which becomes "0".
    // (Below ten million, where that text always fits the buffer.)
    if (std::fabs(value) < 1e7f && value == std::trunc(value)) {
        const auto printed = std::to_chars(buffer, buffer + sizeof buffer - 1, static_cast<std::int64_t>(value));
        *printed.ptr = '\0';
        return buffer;
    }
    // The exact "%.6f" text, without printf's cost: to_chars rounds the same way.
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer - 1, static_cast<double>(value),
                                       std::chars_format::fixed, 6);
    if (printed.ec != std::errc()) return nullptr;
    *printed.ptr = '\0';
    const int length = static_cast<int>(printed.ptr - buffer);
    if (std::strchr(buffer, '.')) {
        int end = length;
        while (end > 0 && buffer[end - 1] == '0') --end;
        if (end > 0 && buffer[end - 1] == '.') --end;
        buffer[end] = '\0';
    }
    if (std::strcmp(buffer, "-0") == 0) std::strcpy(buffer, "0");
    return buffer;
}

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

float powerOfTen(std::uint32_t exponent) {
    float scale = 1.0f;
    for (; exponent >= 8; exponent -= 8) scale *= 1e8f;
    for (; exponent > 0; --exponent) scale *= 10.0f;
    return scale;
}

int digitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    return 99;
}

}  // namespace

const char* parseFloat(const char* text, float& out) {
    while (*text == ' ') ++text;
    const bool negative = *text == '-';
    if (negative) ++text;

    std::uint32_t integer = 0;
    for (; isDigit(*text); ++text) integer = integer * 10u + static_cast<std::uint32_t>(*text - '0');
    float value = static_cast<float>(integer);

    if (*text == '.') {
        ++text;
        double fraction = 0.0;
        double weight = 0.1;
        for (; isDigit(*text); ++text, weight *= 0.1) fraction += (*text - '0') * weight;
        value += static_cast<float>(fraction);
    }

    if (*text == 'e') {
        ++text;
        const bool negativeExponent = *text == '-';
        if (*text == '-' || *text == '+') ++text;
        std::uint32_t exponent = 0;
        for (; isDigit(*text); ++text) exponent = exponent * 10u + static_cast<std::uint32_t>(*text - '0');
        const float scale = powerOfTen(exponent);
        value = negativeExponent ? value / scale : value * scale;
    }

    out = negative ? -value : value;
    return text;
}

std::int32_t parseInt(const char* text) {
    std::uint32_t base = 10;
    if (text[0] == '0') {
        switch (text[1]) {
            case 'b': case 'B': base = 2; break;
            case 'o': case 'O': base = 8; break;
            case 'x': case 'X': base = 16; break;
            default: break;
        }
        if (base != 10) text += 2;
    }
    std::uint32_t value = 0;
    for (; *text; ++text) {
        const int digit = digitValue(*text);
        if (digit >= static_cast<int>(base)) break;
        value = value * base + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::string replaceAll(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty()) return text;
    std::string result = text;
    std::size_t position = 0;
    while ((position = result.find(from, position)) != std::string::npos) {
        result.replace(position, from.size(), to);
        position += to.size();
    }
    return result;
}

bool splitList(const std::string& text, const std::string& separator, std::vector<std::string>& out) {
    static const char* const kBlanks = " \t\r\n";
    bool anyPiece = false;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = separator.empty() ? std::string::npos : text.find(separator, start);
        std::string piece = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const std::size_t first = piece.find_first_not_of(kBlanks);
        piece = first == std::string::npos ? std::string() : piece.substr(first, piece.find_last_not_of(kBlanks) - first + 1);
        anyPiece = anyPiece || !piece.empty();
        out.push_back(piece);
        if (end == std::string::npos) return anyPiece;
        start = end + separator.size();
    }
}

bool equalsIgnoringCase(std::string_view text, std::string_view lowerCase) {
    if (text.size() != lowerCase.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerCase[i]) return false;
    }
    return true;
}

bool hasIgnoreSuffix(const std::string& name) {
    static constexpr std::string_view kSuffix = "_ignore";
    return name.size() >= kSuffix.size() &&
           equalsIgnoringCase(std::string_view(name).substr(name.size() - kSuffix.size()), kSuffix);
}

}  // namespace Q5XSaveUtil
