#include "DomXMLFile.h"

#include "File.h"
#include "FileSystem.h"
#include "Log.h"

#include <cstring>
#include <limits>

using tinyxml2::XMLElement;

namespace Q5XSaveUtil {

namespace {

// Custom shader and template files are a few kilobytes; one beyond this is no such file, and
// would cost its size several times over as a document tree.
constexpr std::uint64_t kMaxXmlFileBytes = 16u << 20;

bool matches(const XMLElement* element, const std::string& name, bool wildcard) {
    return wildcard || name == element->Name();
}

XMLElement* nextMatch(XMLElement* element, const std::string& name, bool wildcard) {
    for (element = element->NextSiblingElement(); element; element = element->NextSiblingElement()) {
        if (matches(element, name, wildcard)) return element;
    }
    return nullptr;
}

XMLElement* previousMatch(XMLElement* element, const std::string& name, bool wildcard) {
    for (element = element->PreviousSiblingElement(); element; element = element->PreviousSiblingElement()) {
        if (matches(element, name, wildcard)) return element;
    }
    return nullptr;
}

}  // namespace

const char* AttributedProperties::getAttribute(const std::string& elementPath, const std::string& attributeName,
                                               const char* fallback) {
    const char* value = getText(elementPath + "#" + attributeName, false);
    return value ? value : fallback;
}

std::optional<std::int32_t> AttributedProperties::getArraySize(const std::string& elementPath) {
    const char* text = getText(elementPath + "#arraySize", false);
    if (!text) return 0;
    const bool negative = *text == '-';
    if (negative) ++text;
    int base = 10;
    if (text[0] == '0' && (text[1] == 'b' || text[1] == 'o' || text[1] == 'x')) {
        base = text[1] == 'b' ? 2 : text[1] == 'o' ? 8 : 16;
        text += 2;
    }
    std::int64_t value = 0;
    for (; *text; ++text) {
        const char c = *text;
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
        if (digit >= base) break;
        value = value * base + digit;
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max() || value < std::numeric_limits<std::int32_t>::min()) return std::nullopt;
    return std::int32_t(value);
}

void DomXMLFile::clear() {
    cache_.clear();
    document_.reset();
    loaded_ = false;
}

bool DomXMLFile::load(const std::string& fileName) {
    clear();
    std::unique_ptr<File> file(FileSystem::instance().open(fileName, 0));
    if (!file || !file->isOpen()) {
        Log::instance().error("Error: Failed to open xml file '%s'.\n", fileName.c_str());
        return false;
    }
    const std::uint64_t size = file->getSize();
    if (size < 1 || size == ~0ull) {
        Log::instance().error("Error: Trying to open empty xml file '%s'.\n", fileName.c_str());
        return false;
    }
    if (size > kMaxXmlFileBytes) {
        Log::instance().error("Error: xml file '%s' is larger than %u bytes.\n", fileName.c_str(), unsigned(kMaxXmlFileBytes));
        return false;
    }
    std::string bytes(std::size_t(size), '\0');
    if (file->read(bytes.data(), std::uint32_t(size)) != size) {
        Log::instance().error("Error: Failed to read xml file '%s'.\n", fileName.c_str());
        return false;
    }
    fileName_ = fileName;
    return parse(bytes.data(), bytes.size());
}

bool DomXMLFile::parse(const char* bytes, std::size_t size) {
    clear();
    document_ = std::make_unique<tinyxml2::XMLDocument>(true, tinyxml2::COLLAPSE_WHITESPACE);
    crlf_ = false;
    for (std::size_t i = 0; i + 1 < size; ++i) {
        if (bytes[i] == '\r' && bytes[i + 1] == '\n') {
            crlf_ = true;
            break;
        }
    }
    document_->Parse(bytes, size);
    loaded_ = document_->ErrorID() == tinyxml2::XML_SUCCESS && document_->RootElement();
    if (!loaded_) {
        if (document_->ErrorID() == tinyxml2::XML_ERROR_EMPTY_DOCUMENT || !document_->RootElement()) {
            Log::instance().error("Error: %s. XML_ERROR_EMPTY_DOCUMENT.\n", fileName_.c_str());
        } else {
            const char* text = document_->ErrorStr();
            Log::instance().error("Error: %s. %s.\n", fileName_.c_str(), text ? text : "");
        }
        document_.reset();
    }
    return loaded_;
}

bool DomXMLFile::splitPath(const std::string& path, std::vector<Step>& steps, std::string& attribute) const {
    steps.clear();
    const std::size_t hash = path.find('#');
    attribute = hash == std::string::npos ? std::string() : path.substr(hash + 1);
    const std::string elements = path.substr(0, hash);
    std::size_t start = 0;
    while (start <= elements.size()) {
        std::size_t end = elements.find('.', start);
        if (end == std::string::npos) end = elements.size();
        std::string segment = elements.substr(start, end - start);
        Step step;
        const std::size_t open = segment.find('(');
        if (open != std::string::npos) {
            if (steps.empty() || segment.back() != ')') return false;
            const std::string number = segment.substr(open + 1, segment.size() - open - 2);
            if (number.empty() || number.size() > 9 || number.find_first_not_of("0123456789") != std::string::npos) return false;
            step.index = std::stoi(number);
            segment.erase(open);
        }
        step.wildcard = segment == "*" && !steps.empty();
        step.name = segment;
        if (step.name.empty()) return false;
        steps.push_back(step);
        start = end + 1;
    }
    return !steps.empty();
}

// One step below `parent`. A step of the same name and kind remembered at this depth is reused
// only when it was reached from this same parent: reading Parameter(1).Default after
// Parameter(0).Default must not start from the first parameter's Default.
XMLElement* DomXMLFile::step(XMLElement* parent, const Step& wanted, std::size_t depth, bool create) {
    XMLElement* element = nullptr;
    if (depth < cache_.size() && cache_[depth].parent == parent && cache_[depth].name == wanted.name &&
        cache_[depth].wildcard == wanted.wildcard) {
        element = cache_[depth].element;
        for (int i = cache_[depth].index; element && i < wanted.index; ++i) element = nextMatch(element, wanted.name, wanted.wildcard);
        for (int i = cache_[depth].index; element && i > wanted.index; --i) element = previousMatch(element, wanted.name, wanted.wildcard);
    } else {
        cache_.resize(std::min(cache_.size(), depth));
        for (XMLElement* child = parent->FirstChildElement(); child; child = child->NextSiblingElement()) {
            if (matches(child, wanted.name, wanted.wildcard)) {
                element = child;
                break;
            }
        }
        for (int i = 0; element && i < wanted.index; ++i) element = nextMatch(element, wanted.name, wanted.wildcard);
    }
    if (!element && create && !wanted.wildcard) {
        int present = 0;
        for (XMLElement* child = parent->FirstChildElement(wanted.name.c_str()); child; child = child->NextSiblingElement(wanted.name.c_str())) ++present;
        for (; present <= wanted.index; ++present) element = parent->InsertNewChildElement(wanted.name.c_str());
    }
    if (!element) {
        cache_.resize(std::min(cache_.size(), depth));
        return nullptr;
    }
    if (cache_.size() <= depth) cache_.resize(depth + 1);
    cache_[depth] = {parent, element, wanted.name, wanted.index, wanted.wildcard};
    return element;
}

XMLElement* DomXMLFile::resolve(const std::vector<Step>& steps, bool create) {
    if (!loaded_ || steps.empty()) return nullptr;
    XMLElement* element = document_->RootElement();
    if (!element || steps[0].name != element->Name() || steps[0].index != 0) return nullptr;
    for (std::size_t d = 1; d < steps.size() && element; ++d) element = step(element, steps[d], d, create);
    return element;
}

const char* DomXMLFile::getText(const std::string& path, bool emptyIfNoText) {
    std::vector<Step> steps;
    std::string attribute;
    if (!splitPath(path, steps, attribute)) return nullptr;
    const XMLElement* element = resolve(steps, false);
    if (!element) return nullptr;
    if (!attribute.empty() || path.find('#') != std::string::npos) return element->Attribute(attribute.c_str());
    if (const char* text = element->GetText()) return text;
    return emptyIfNoText ? "" : nullptr;
}

bool DomXMLFile::setText(const std::string& path, const std::string& value) {
    std::vector<Step> steps;
    std::string attribute;
    if (!splitPath(path, steps, attribute)) return false;
    XMLElement* element = resolve(steps, true);
    if (!element) return false;
    if (path.find('#') != std::string::npos) {
        element->SetAttribute(attribute.c_str(), value.c_str());
    } else {
        element->SetText(value.c_str());
    }
    return true;
}

bool DomXMLFile::hasPath(const std::string& path, bool& found) {
    std::vector<Step> steps;
    std::string attribute;
    found = false;
    if (!splitPath(path, steps, attribute)) return false;
    const XMLElement* element = resolve(steps, false);
    found = element && (path.find('#') == std::string::npos || element->Attribute(attribute.c_str()));
    return true;
}

bool DomXMLFile::remove(const std::string& path) {
    std::vector<Step> steps;
    std::string attribute;
    if (!splitPath(path, steps, attribute)) return false;
    XMLElement* element = resolve(steps, false);
    if (!element) return false;
    cache_.clear();
    if (path.find('#') != std::string::npos) {
        element->DeleteAttribute(attribute.c_str());
    } else if (element->Parent()) {
        element->Parent()->DeleteChild(element);
    }
    return true;
}

std::size_t DomXMLFile::count(const std::string& path) {
    std::vector<Step> steps;
    std::string attribute;
    if (!splitPath(path, steps, attribute)) return 0;
    XMLElement* element = resolve(steps, false);
    if (!element) return 0;
    const Step& last = steps.back();
    std::size_t total = 0;
    for (; element; element = nextMatch(element, last.name, last.wildcard || steps.size() == 1)) ++total;
    return total;
}

bool DomXMLFile::save() {
    if (fileName_.empty() || !loaded_) return false;
    std::unique_ptr<File> file(FileSystem::instance().open(fileName_, 1));
    if (!file || !file->isOpen()) return false;
    TinyXMLPrinter printer(crlf_);
    document_->Accept(&printer);
    const std::string& text = printer.text();
    return text.size() <= 0xFFFFFFFFu && file->write(text.data(), std::uint32_t(text.size())) == text.size();
}

void TinyXMLPrinter::indent() {
    if (text_.size() > 3) text_ += lineEnd_;
    text_.append(std::size_t(depth_) * 4, ' ');
}

void TinyXMLPrinter::escaped(const char* value, bool attribute) {
    for (const char* c = value; *c; ++c) {
        switch (*c) {
            case '&': text_ += "&amp;"; break;
            case '<': text_ += "&lt;"; break;
            case '"': text_ += attribute ? "&quot;" : "\""; break;
            case '\'': text_ += attribute ? "&apos;" : "'"; break;
            case '\n': text_ += lineEnd_; break;
            default: text_ += *c; break;
        }
    }
}

bool TinyXMLPrinter::VisitEnter(const XMLElement& element, const tinyxml2::XMLAttribute* attribute) {
    indent();
    text_ += '<';
    text_ += element.Name();
    for (; attribute; attribute = attribute->Next()) {
        text_ += ' ';
        text_ += attribute->Name();
        text_ += "=\"";
        escaped(attribute->Value(), true);
        text_ += '"';
    }
    if (!element.FirstChild()) {
        text_ += "/>";
        return true;
    }
    text_ += '>';
    ++depth_;
    return true;
}

bool TinyXMLPrinter::VisitExit(const XMLElement& element) {
    if (!element.FirstChild()) return true;
    --depth_;
    indent();
    text_ += "</";
    text_ += element.Name();
    text_ += '>';
    return true;
}

bool TinyXMLPrinter::Visit(const tinyxml2::XMLText& text) {
    indent();
    escaped(text.Value(), false);
    return true;
}

bool TinyXMLPrinter::Visit(const tinyxml2::XMLComment& comment) {
    indent();
    text_ += "<!--" + std::string(comment.Value()) + "-->";
    return true;
}

bool TinyXMLPrinter::Visit(const tinyxml2::XMLDeclaration& declaration) {
    indent();
    text_ += "<?" + std::string(declaration.Value()) + "?>";
    return true;
}

bool TinyXMLPrinter::Visit(const tinyxml2::XMLUnknown& unknown) {
    indent();
    text_ += "<!" + std::string(unknown.Value()) + ">";
    return true;
}

}  // namespace Q5XSaveUtil
