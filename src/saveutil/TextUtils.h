#ifndef Q5XSAVEUTIL_TEXTUTILS_H
#define Q5XSAVEUTIL_TEXTUTILS_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Q5XSaveUtil {

// Size of the buffer formatFloat writes into.
constexpr std::size_t kFloatTextSize = 16;

// Six decimals with trailing zeros and a bare point removed, "-0" written as "0". Returns
// `buffer`, or null when the text would not fit into kFloatTextSize bytes.
const char* formatFloat(float value, char (&buffer)[kFloatTextSize]);
// Locale-independent float reader: spaces, '-', digits, '.', fraction, lower-case 'e' exponent.
// Returns the first character not consumed.
const char* parseFloat(const char* text, float& out);
// Integer in base 10, or 2, 8, 16 after "0b", "0o", "0x"; no sign; stops at the first non-digit.
std::int32_t parseInt(const char* text);
// Replaces every occurrence of `from`; replacements are not searched again.
std::string replaceAll(const std::string& text, const std::string& from, const std::string& to);
// Splits at every `separator`, trimming blanks from each piece; true when a piece is non-empty.
bool splitList(const std::string& text, const std::string& separator, std::vector<std::string>& out);
// True when `text` equals `lowerCase` with ASCII letters compared without regard to case.
bool equalsIgnoringCase(std::string_view text, std::string_view lowerCase);
// Names ending in "_ignore" (any case) are left out of the export.
bool hasIgnoreSuffix(const std::string& name);

}  // namespace Q5XSaveUtil

#endif
