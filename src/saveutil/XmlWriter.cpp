#include "XmlWriter.h"

#include "TextUtils.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace Q5XSaveUtil {

namespace {

// Length of the UTF-8 sequence starting at `text`, and its code point; 0 when the bytes are not
// a well-formed sequence (such bytes are taken as single ISO-8859-1 characters).
std::size_t decodeUtf8(std::string_view text, std::size_t at, std::uint32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1Fu, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0Fu, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07u, minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return length;
}

bool needsEscaping(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x80 || c == '&' || c == '<' || c == '"') return true;
    }
    return false;
}

// An integer's decimal digits, printed into `digits`.
template <typename Integer>
std::string_view decimalText(char (&digits)[16], Integer value) {
    const auto printed = std::to_chars(digits, digits + sizeof digits, value);
    return std::string_view(digits, std::size_t(printed.ptr - digits));
}

void appendCharacterReference(std::string& out, std::uint32_t codePoint) {
    char digits[16];
    out += "&#";
    out += decimalText(digits, codePoint);
    out += ';';
}

}  // namespace

void appendStreamNumber(std::string& out, double value) {
    char buffer[32];
    // Whole numbers below a million print as integers in the "%g" form: the common case (grid
    // positions, axis-aligned normals) skips the general formatter.
    if (value > -1e6 && value < 1e6 && value == double(std::int32_t(value)) && !(value == 0.0 && std::signbit(value))) {
        const auto printed = std::to_chars(buffer, buffer + sizeof buffer, std::int32_t(value));
        out.append(buffer, printed.ptr);
        return;
    }
    const auto printed = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    out.append(buffer, printed.ptr);
}

void appendFixedNumber(std::string& out, float value) {
    char buffer[kFloatTextSize];
    if (const char* text = formatFloat(value, buffer)) {
        out += text;
        return;
    }
    char wide[64];
    std::snprintf(wide, sizeof wide, "%.6f", static_cast<double>(value));
    std::string_view text = wide;
    while (!text.empty() && text.back() == '0') text.remove_suffix(1);
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    out += text;
}

std::string fixedNumberText(float value) {
    std::string text;
    appendFixedNumber(text, value);
    return text;
}

void XmlWriter::startTag(unsigned levels, std::string_view name) {
    indent(levels);
    out_ += '<';
    out_ += name;
}

void XmlWriter::endTag(unsigned levels, std::string_view name) {
    indent(levels);
    out_ += "</";
    out_ += name;
    out_ += ">\n";
    lineEnded();
}

void XmlWriter::openAttribute(std::string_view name) {
    // One growth of the text instead of three: a level's Scene section has millions of these.
    const std::size_t at = out_.size();
    out_.resize(at + name.size() + 3);
    char* text = &out_[at];
    text[0] = ' ';
    std::memcpy(text + 1, name.data(), name.size());
    text[name.size() + 1] = '=';
    text[name.size() + 2] = '"';
}

void XmlWriter::attribute(std::string_view name, std::string_view text) {
    openAttribute(name);
    appendEscaped(text);
    out_ += '"';
}

void XmlWriter::attribute(std::string_view name, std::uint32_t value) {
    char digits[16];
    attribute(name, decimalText(digits, value));
}

void XmlWriter::attribute(std::string_view name, std::int32_t value) {
    char digits[16];
    attribute(name, decimalText(digits, value));
}

void XmlWriter::attribute(std::string_view name, float value, float fallback) {
    beginValue(name);
    streamValue(value, fallback);
    endValue();
}

void XmlWriter::hexAttribute(std::string_view name, std::uint32_t value) {
    char digits[16] = {'0', 'x'};
    const auto printed = std::to_chars(digits + 2, digits + sizeof digits, value, 16);
    attribute(name, std::string_view(digits, std::size_t(printed.ptr - digits)));
}

void XmlWriter::beginValue(std::string_view name) {
    openAttribute(name);
    valueStarted_ = false;
}

void XmlWriter::separateValue() {
    if (valueStarted_) out_ += ' ';
    valueStarted_ = true;
}

void XmlWriter::streamValue(double value, double fallback) {
    separateValue();
    if (!std::isfinite(value)) {
        ++replacedNonFiniteNumbers_;
        value = fallback;
    }
    appendStreamNumber(out_, value);
}

void XmlWriter::unsignedValue(std::uint32_t value) {
    separateValue();
    char digits[16];
    out_ += decimalText(digits, value);
}

void XmlWriter::fixedValue(float value, float fallback) {
    separateValue();
    if (!std::isfinite(value)) {
        ++replacedNonFiniteNumbers_;
        value = fallback;
    }
    appendFixedNumber(out_, value);
}

// The document is declared ISO-8859-1: ASCII and Latin-1 characters are written as bytes, every
// other character as a numeric reference; markup characters, and the white space an XML reader
// would normalise to a space, as references too.
void XmlWriter::appendEscaped(std::string_view text) {
    if (!needsEscaping(text)) {
        out_ += text;
        return;
    }
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80) {
            std::uint32_t codePoint = 0;
            const std::size_t length = decodeUtf8(text, i, codePoint);
            if (length == 0) {
                out_ += c;
                ++i;
            } else if (codePoint <= 0xFF) {
                out_ += static_cast<char>(codePoint);
                i += length;
            } else {
                appendCharacterReference(out_, codePoint);
                i += length;
            }
            continue;
        }
        if (c == '&') {
            out_ += "&amp;";
        } else if (c == '<') {
            out_ += "&lt;";
        } else if (c == '"') {
            out_ += "&quot;";
        } else if (c == '\t' || c == '\n' || c == '\r') {
            appendCharacterReference(out_, byte);
        } else if (byte < 0x20) {
            out_ += '?';
            ++replacedControlCharacters_;
        } else {
            out_ += c;
        }
        ++i;
    }
}

}  // namespace Q5XSaveUtil
