#ifndef Q5XSAVEUTIL_XMLWRITER_H
#define Q5XSAVEUTIL_XMLWRITER_H

#include <cstdint>
#include <string>
#include <string_view>

namespace Q5XSaveUtil {

// Where a writer's text goes while it grows, so that a long document reaches its file on the way
// instead of being held whole: given the text so far, it takes it and leaves the string empty.
class TextSink {
public:
    virtual void take(std::string& text) = 0;

protected:
    ~TextSink() = default;
};

// Appends the document's text: indented tags, attributes and the two number formats. Every
// attribute value that is text is escaped, so that names and paths from a scene (which may hold
// any bytes) come back unchanged from an XML reader and can never add markup of their own.
class XmlWriter {
public:
    explicit XmlWriter(std::string& out) : out_(out) {}
    // With a sink, the text is handed over at the end of a line once it holds `kSinkChunk` bytes.
    XmlWriter(std::string& out, TextSink& sink) : out_(out), sink_(&sink) {}
    static constexpr std::size_t kSinkChunk = std::size_t(1) << 20;

    // Two spaces per level, then "<name".
    void startTag(unsigned levels, std::string_view name);
    // ">\n" after the attributes of an element with children.
    void endStartTag() {
        out_ += ">\n";
        lineEnded();
    }
    // "/>\n" after the attributes of an element without children.
    void endEmptyTag() {
        out_ += "/>\n";
        lineEnded();
    }
    // Two spaces per level, then "</name>\n".
    void endTag(unsigned levels, std::string_view name);
    // Text that needs no escaping (fixed markup of the format).
    void raw(std::string_view text) {
        out_ += text;
        if (!text.empty() && text.back() == '\n') lineEnded();
    }
    void indent(unsigned levels) { out_.append(2 * std::size_t(levels), ' '); }

    void attribute(std::string_view name, std::string_view text);
    void attribute(std::string_view name, const char* text) { attribute(name, std::string_view(text)); }
    void attribute(std::string_view name, std::uint32_t value);
    void attribute(std::string_view name, std::int32_t value);
    void attribute(std::string_view name, bool value) { attribute(name, value ? "true" : "false"); }
    // The stream format ("%g"): 6 significant digits, fixed or exponent form.
    void attribute(std::string_view name, float value, float fallback = 0.0f);
    // A double in the stream format.
    void streamAttribute(std::string_view name, double value, double fallback = 0.0) {
        beginValue(name);
        streamValue(value, fallback);
        endValue();
    }
    // "0x" and lower-case hexadecimal without leading zeros.
    void hexAttribute(std::string_view name, std::uint32_t value);

    // Attributes whose value is a list: open, add values separated by single spaces, close.
    void beginValue(std::string_view name);
    // NaN and infinities have no place in the document: `fallback` takes their place.
    void streamValue(double value, double fallback = 0.0);
    void fixedValue(float value, float fallback = 0.0f);
    void unsignedValue(std::uint32_t value);
    void endValue() { out_ += '"'; }

    // Bytes below 0x20 (other than tab, line feed, carriage return) that XML cannot carry were
    // written as "?" since construction; callers compare counts to name what held them.
    std::size_t replacedControlCharacters() const { return replacedControlCharacters_; }
    // Numbers that were not finite (a double beyond float range among them) and were written as
    // their fallback; callers compare counts to name what held them.
    std::size_t replacedNonFiniteNumbers() const { return replacedNonFiniteNumbers_; }

private:
    // " name=\"".
    void openAttribute(std::string_view name);
    void appendEscaped(std::string_view text);
    void separateValue();
    void lineEnded() {
        if (sink_ && out_.size() >= kSinkChunk) sink_->take(out_);
    }

    std::string& out_;
    TextSink* sink_ = nullptr;
    std::size_t replacedControlCharacters_ = 0;
    std::size_t replacedNonFiniteNumbers_ = 0;
    bool valueStarted_ = false;
};

// The stream format of a number: as printf "%g" writes it.
void appendStreamNumber(std::string& out, double value);
// The fixed format of a float: six decimals, trailing zeros and a bare point removed, "-0" as "0";
// values too long for the short form are written in full by the same rules.
void appendFixedNumber(std::string& out, float value);
std::string fixedNumberText(float value);

}  // namespace Q5XSaveUtil

#endif
