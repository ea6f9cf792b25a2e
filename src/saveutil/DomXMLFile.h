#ifndef Q5XSAVEUTIL_DOMXMLFILE_H
#define Q5XSAVEUTIL_DOMXMLFILE_H

#include <tinyxml2.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Q5XSaveUtil {

// Values addressed by path.
class Properties {
public:
    virtual ~Properties() = default;
    // The text at `path`, or null; "" instead of null for an element without text when asked.
    virtual const char* getText(const std::string& path, bool emptyIfNoText) = 0;
    virtual bool setText(const std::string& path, const std::string& value) = 0;
    virtual bool hasPath(const std::string& path, bool& found) = 0;
    virtual bool remove(const std::string& path) = 0;
    virtual bool save() = 0;
};

// Properties whose elements carry attributes.
class AttributedProperties : public Properties {
public:
    // getText(elementPath + "#" + attributeName), or `fallback` when that is null.
    const char* getAttribute(const std::string& elementPath, const std::string& attributeName, const char* fallback);
    // The element's "arraySize" attribute: an optional '-', then decimal digits, or binary, octal or
    // hexadecimal ones after "0b", "0o" or "0x", up to the first other character; 0 when missing;
    // none when the value does not fit 32 bits (such a parameter is malformed).
    std::optional<std::int32_t> getArraySize(const std::string& elementPath);
};

// A small query interface over an XML file (custom shaders and their parameter templates): load
// it, then read element texts and attribute values by dotted paths, count repeated elements.
// Paths: the root element's name, then '.'-separated steps, each an element name or "*" with an
// optional "(N)" index among the matching siblings, and optionally "#attribute" at the end:
// "CustomShader.Parameters.Parameter(2)#name".
class DomXMLFile : public AttributedProperties {
public:
    DomXMLFile() = default;
    ~DomXMLFile() override = default;

    // Reads the file through the file system and parses it; false (with a message in the log)
    // when it cannot be read or parsed. A failed load leaves no document: nothing answers from an
    // earlier file.
    bool load(const std::string& fileName);
    // Parses bytes as if they were the file's.
    bool parse(const char* bytes, std::size_t size);
    bool isLoaded() const { return loaded_; }

    const char* getText(const std::string& path, bool emptyIfNoText) override;
    bool setText(const std::string& path, const std::string& value) override;
    bool hasPath(const std::string& path, bool& found) override;
    bool remove(const std::string& path) override;
    bool save() override;
    // The addressed element and its following siblings of the same name (any name for "*").
    std::size_t count(const std::string& path);

private:
    struct Step {
        std::string name;
        int index = 0;
        bool wildcard = false;
    };
    struct CachedStep {
        const tinyxml2::XMLElement* parent;
        tinyxml2::XMLElement* element;
        std::string name;
        int index;
        bool wildcard;
    };
    bool splitPath(const std::string& path, std::vector<Step>& steps, std::string& attribute) const;
    tinyxml2::XMLElement* resolve(const std::vector<Step>& steps, bool create);
    tinyxml2::XMLElement* step(tinyxml2::XMLElement* parent, const Step& step, std::size_t depth, bool create);
    void clear();

    bool loaded_ = false;
    std::string fileName_;
    std::unique_ptr<tinyxml2::XMLDocument> document_;
    bool crlf_ = false;
    std::vector<CachedStep> cache_;  // the element resolved at each depth, with its parent
    std::string textBuffer_;         // what getText returns for an element without text
};

// Prints a document as the files it reads are written: a byte order mark, elements indented by
// four blanks per depth, values escaped; line ends "\r\n" in crlf mode.
class TinyXMLPrinter : public tinyxml2::XMLVisitor {
public:
    explicit TinyXMLPrinter(bool crlf) : lineEnd_(crlf ? "\r\n" : "\n") {}
    const std::string& text() const { return text_; }

    bool VisitEnter(const tinyxml2::XMLElement& element, const tinyxml2::XMLAttribute* attribute) override;
    bool VisitExit(const tinyxml2::XMLElement& element) override;
    bool Visit(const tinyxml2::XMLText& text) override;
    bool Visit(const tinyxml2::XMLComment& comment) override;
    bool Visit(const tinyxml2::XMLDeclaration& declaration) override;
    bool Visit(const tinyxml2::XMLUnknown& unknown) override;

private:
    void escaped(const char* value, bool attribute);
    void indent();

    std::string lineEnd_;
    std::string text_ = "\xEF\xBB\xBF";
    int depth_ = 0;
};

}  // namespace Q5XSaveUtil

#endif
