#include <maya/MString.h>
#include <maya/MStringArray.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <sstream>

MString::MString() = default;
MString::MString(const char* text) : text_(text ? text : "") {}
MString::MString(const char* text, int byteCount) : text_(text ? std::string(text, byteCount) : "") {}
MString::MString(const MString& other) : text_(other.text_), lookupKey_(other.lookupKey_.load(std::memory_order_relaxed)) {}
MString::~MString() = default;

MString& MString::operator=(const MString& other) {
    text_ = other.text_;
    lookupKey_.store(other.lookupKey_.load(std::memory_order_relaxed), std::memory_order_relaxed);
    return *this;
}
MString& MString::operator=(const char* text) {
    text_ = text ? text : "";
    changed();
    return *this;
}
MString& MString::operator+=(const MString& other) {
    text_ += other.text_;
    changed();
    return *this;
}
MString& MString::operator+=(const char* text) {
    if (text) text_ += text;
    changed();
    return *this;
}
MString& MString::operator+=(char character) {
    text_ += character;
    changed();
    return *this;
}
MString& MString::operator+=(double value) {
    std::ostringstream stream;
    stream << value;
    text_ += stream.str();
    changed();
    return *this;
}
MString& MString::operator+=(int value) {
    text_ += std::to_string(value);
    changed();
    return *this;
}
MString& MString::operator+=(unsigned int value) {
    text_ += std::to_string(value);
    changed();
    return *this;
}

bool MString::operator==(const MString& other) const { return text_ == other.text_; }
bool MString::operator==(const char* text) const { return text_ == (text ? text : ""); }
bool MString::operator!=(const MString& other) const { return !(*this == other); }
bool MString::operator!=(const char* text) const { return !(*this == text); }

unsigned int MString::numChars() const {
    unsigned int count = 0;
    for (unsigned char byte : text_) {
        if ((byte & 0xC0) != 0x80) ++count;
    }
    return count;
}

MString MString::substring(int start, int end) const {
    const int size = static_cast<int>(text_.size());
    if (start < 0) start = 0;
    if (end >= size) end = size - 1;
    if (start > end) return MString();
    return MString(text_.c_str() + start, end - start + 1);
}

int MString::index(char character) const {
    const auto position = text_.find(character);
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

int MString::rindex(char character) const {
    const auto position = text_.rfind(character);
    return position == std::string::npos ? -1 : static_cast<int>(position);
}

MStatus MString::split(char separator, MStringArray& parts) const {
    parts.clear();
    std::string::size_type start = 0;
    while (start <= text_.size()) {
        auto end = text_.find(separator, start);
        if (end == std::string::npos) end = text_.size();
        if (end > start) parts.append(MString(text_.c_str() + start, static_cast<int>(end - start)));
        start = end + 1;
    }
    return MStatus::kSuccess;
}

MString MString::toLowerCase() const {
    MString result(*this);
    for (char& c : result.text_) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    result.changed();
    return result;
}

MString MString::toUpperCase() const {
    MString result(*this);
    for (char& c : result.text_) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    result.changed();
    return result;
}

bool MString::isInt() const {
    if (text_.empty()) return false;
    char* end = nullptr;
    std::strtol(text_.c_str(), &end, 10);
    return *end == '\0';
}

int MString::asInt() const { return static_cast<int>(std::strtol(text_.c_str(), nullptr, 10)); }

bool MString::isDouble() const {
    if (text_.empty()) return false;
    char* end = nullptr;
    std::strtod(text_.c_str(), &end);
    return *end == '\0';
}

double MString::asDouble() const { return std::strtod(text_.c_str(), nullptr); }

MString operator+(const MString& left, const MString& right) {
    MString result(left);
    result += right;
    return result;
}
MString operator+(const MString& left, const char* right) {
    MString result(left);
    result += right;
    return result;
}
MString operator+(const char* left, const MString& right) {
    MString result(left);
    result += right;
    return result;
}

std::ostream& operator<<(std::ostream& stream, const MString& text) {
    return stream << text.asChar();
}
