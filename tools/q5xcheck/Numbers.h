#ifndef Q5XCHECK_NUMBERS_H
#define Q5XCHECK_NUMBERS_H

#include <cmath>
#include <cstdint>
#include <locale>
#include <sstream>
#include <string_view>
#include <vector>

// Indices, counts and identifiers are unsigned decimal integers of 32 bits, nothing else: "1e20",
// "0x1", "1.5", "nan" or "4294967296" are no index, whatever a float reader would make of them.
inline bool parseUnsigned(std::string_view text, std::uint32_t& value) {
    if (text.empty() || text.size() > 10) return false;
    std::uint64_t number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + std::uint64_t(c - '0');
    }
    if (number > 0xFFFFFFFFull) return false;
    value = std::uint32_t(number);
    return true;
}

// A list of unsigned integers separated by `separator` (a space, or a comma); false when an item
// is not one.
inline bool parseUnsignedList(std::string_view text, std::vector<std::uint32_t>& values, char separator = ' ') {
    values.clear();
    while (!text.empty()) {
        const std::size_t end = text.find(separator);
        const std::string_view item = text.substr(0, end);
        if (!item.empty()) {
            std::uint32_t value = 0;
            if (!parseUnsigned(item, value)) return false;
            values.push_back(value);
        }
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return true;
}

// A list of exactly `count` finite numbers separated by blanks.
inline bool isFiniteNumberList(const char* text, std::size_t count) {
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    std::size_t seen = 0;
    double value = 0.0;
    while (in >> value) {
        if (!std::isfinite(value)) return false;
        ++seen;
    }
    return in.eof() && seen == count;
}

#endif
