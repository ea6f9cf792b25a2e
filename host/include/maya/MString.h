#ifndef MAYA_MSTRING_H
#define MAYA_MSTRING_H

#include <maya/MStatus.h>

#include <atomic>
#include <cstdint>
#include <iosfwd>
#include <string>

class MStringArray;

// UTF-8 text.
class MString {
public:
    MString();
    MString(const char* text);
    MString(const char* text, int byteCount);
    MString(const MString& other);
    ~MString();

    MString& operator=(const MString& other);
    MString& operator=(const char* text);
    MString& operator+=(const MString& other);
    MString& operator+=(const char* text);
    MString& operator+=(char character);
    MString& operator+=(double value);
    MString& operator+=(int value);
    MString& operator+=(unsigned int value);

    bool operator==(const MString& other) const;
    bool operator==(const char* text) const;
    bool operator!=(const MString& other) const;
    bool operator!=(const char* text) const;

    const char* asChar() const { return text_.c_str(); }
    const char* asUTF8() const { return text_.c_str(); }
    unsigned int length() const { return static_cast<unsigned int>(text_.size()); }
    unsigned int numChars() const;

    // Characters start to end, both inclusive.
    MString substring(int start, int end) const;
    int index(char character) const;
    int rindex(char character) const;
    MStatus split(char separator, MStringArray& parts) const;
    MString toLowerCase() const;
    MString toUpperCase() const;

    bool isInt() const;
    int asInt() const;
    bool isDouble() const;
    double asDouble() const;

private:
    friend class MStringAccess;
    void changed() { lookupKey_.store(0, std::memory_order_relaxed); }

    std::string text_;
    // Worked out by the first attribute look-up by this name and kept until the text changes:
    // an exporter asks every node for the same names. 0 until then.
    mutable std::atomic<std::uint64_t> lookupKey_{0};
};

MString operator+(const MString& left, const MString& right);
MString operator+(const MString& left, const char* right);
MString operator+(const char* left, const MString& right);
std::ostream& operator<<(std::ostream& stream, const MString& text);

#endif
