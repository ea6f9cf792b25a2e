#include "DocumentCheck.h"

#include "AnimationFile.h"
#include "Numbers.h"
#include "ShapesFile.h"
#include "XmlAnimation.h"
#include "XmlMaterials.h"
#include "XmlSceneElements.h"
#include "XmlShapes.h"
#include "XmlDynamics.h"
#include "XmlPlace.h"
#include "XmlUserAttributes.h"

#include <tinyxml2.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <vector>

using tinyxml2::XMLElement;

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>";
const char* const kSectionOrder[] = {"Files", "Materials", "Shapes", "Dynamics", "Scene", "Animation", "UserAttributes"};

// A file's bytes, no more than its size: a name that leads to a device or a folder is no file.
bool readBytes(const std::string& path, std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.resize(std::size_t(size));
    in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size));
    bytes.resize(std::size_t(in.gcount()));
    return !in.bad();
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The exporter writes companion files beside the document under a plain name; a name with a
// folder, a drive or a parent step could make the checker read any file on the machine.
bool isPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

// The document is ISO-8859-1: a Latin-1 letter in a file name is one byte there and two in the
// UTF-8 names of the file system.
std::string latin1ToUtf8(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += char(0xC0 | (byte >> 6));
            out += char(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

// The numbers of a list attribute ("1,2" or "1 2"); false when one is no unsigned number.
bool numbersOf(const char* text, std::vector<std::uint32_t>& numbers) {
    const std::string_view list(text);
    return parseUnsignedList(list, numbers, list.find(',') != std::string_view::npos ? ',' : ' ');
}

// Every element below `root`, parents first, without recursion.
std::vector<const XMLElement*> elementsBelow(const XMLElement* root) {
    std::vector<const XMLElement*> all;
    std::vector<const XMLElement*> pending;
    for (const XMLElement* child = root->LastChildElement(); child; child = child->PreviousSiblingElement()) pending.push_back(child);
    while (!pending.empty()) {
        const XMLElement* element = pending.back();
        pending.pop_back();
        all.push_back(element);
        for (const XMLElement* child = element->LastChildElement(); child; child = child->PreviousSiblingElement()) {
            pending.push_back(child);
        }
    }
    return all;
}

class DocumentChecker {
public:
    DocumentChecker(const std::string& path, const CheckOptions& options, Report& report)
        : path_(path), options_(options), report_(report) {}

    bool run(const std::string& text, std::string& dumped);

private:
    void checkStructure(const std::string& text, const XMLElement* root);
    void collectTables(const XMLElement* root);
    bool checkShapes(const XMLElement* shapes, std::string& dumped);
    void checkSceneReferences(const XMLElement* scene);
    void checkFileReference(const XMLElement* element, const char* attribute);
    bool readAnimationFile(const XMLElement* animation);
    bool companionFile(const XMLElement* element, const char* attribute, std::string& file);
    void checkBindList(const XMLElement* node, std::size_t entries);

    std::string path_;
    CheckOptions options_;
    Report& report_;
    bool hasFiles_ = false;
    std::set<std::uint32_t> fileIds_, materialIds_, shapeIds_, nodeIds_, dynamicIds_;
    std::map<std::uint32_t, std::uint32_t> blendIndexSpans_;  // shapeId to one more than its highest blend index
};

void DocumentChecker::checkStructure(const std::string& text, const XMLElement* root) {
    if (text.compare(0, std::strlen(kDeclaration), kDeclaration) != 0) {
        report_.error(path_, "line 1", "the document does not begin with the declaration " + std::string(kDeclaration));
    }
    if (std::string(root->Name()) != "q5X") report_.error(path_, placeOf(root), "the root element is not q5X");
    if (!root->Attribute("version", "1.6")) report_.error(path_, placeOf(root), "the root's version is not \"1.6\"");
    if (!root->Attribute("name")) report_.error(path_, placeOf(root), "the root has no name");
    std::size_t last = 0;
    std::set<std::string> seen;
    for (const XMLElement* section = root->FirstChildElement(); section; section = section->NextSiblingElement()) {
        const std::string name = section->Name();
        std::size_t order = 0;
        while (order < std::size(kSectionOrder) && name != kSectionOrder[order]) ++order;
        if (order == std::size(kSectionOrder)) {
            report_.error(path_, placeOf(section), "not a section of the document");
            continue;
        }
        if (!seen.insert(name).second) {
            report_.error(path_, placeOf(section), "a second " + name + " section");
            continue;
        }
        if (order < last) report_.error(path_, placeOf(section), "the section comes after " + std::string(kSectionOrder[last]));
        last = std::max(last, order);
        // Each known section is measured once: the text is searched at most seven times.
        const std::size_t start = text.find("<" + name);
        const std::size_t end = text.find("</" + name + ">", start);
        if (start != std::string::npos) {
            const std::size_t close = end == std::string::npos ? text.find("/>", start) : end + name.size() + 3;
            if (close != std::string::npos) report_.count("bytes_" + name, close - start);
        }
    }
    if (!root->FirstChildElement("Scene")) report_.error(path_, placeOf(root), "the document has no Scene section");
}

void DocumentChecker::collectTables(const XMLElement* root) {
    if (const XMLElement* files = root->FirstChildElement("Files")) {
        hasFiles_ = true;
        for (const XMLElement* file = files->FirstChildElement("File"); file; file = file->NextSiblingElement("File")) {
            std::uint32_t id = 0;
            const char* text = file->Attribute("fileId");
            if (!text || !parseUnsigned(text, id)) {
                report_.error(path_, placeOf(file), "a File without a fileId that is an unsigned number");
            } else if (!fileIds_.insert(id).second) {
                report_.error(path_, placeOf(file), "a second File with fileId " + std::string(text));
            }
            if (!file->Attribute("filename")) report_.error(path_, placeOf(file), "a File without a filename");
            report_.count("files");
        }
    }
    if (const XMLElement* materials = root->FirstChildElement("Materials")) {
        for (const XMLElement* material = materials->FirstChildElement("Material"); material;
             material = material->NextSiblingElement("Material")) {
            checkXmlMaterial(material, path_, report_);
            const char* id = material->Attribute("materialId");
            if (id && !materialIds_.insert(material->UnsignedAttribute("materialId")).second) {
                report_.error(path_, placeOf(material), "a second Material with materialId " + std::string(id));
            }
            checkFileReference(material, "customShaderId");
            for (const XMLElement* child = material->FirstChildElement(); child; child = child->NextSiblingElement()) {
                checkFileReference(child, "fileId");
            }
            report_.count("materials");
        }
    }
}

bool DocumentChecker::checkShapes(const XMLElement* shapes, std::string& dumped) {
    for (const XMLElement* set = shapes->FirstChildElement("IndexedTriangleSet"); set;
         set = set->NextSiblingElement("IndexedTriangleSet")) {
        std::uint32_t shapeId = 0, blendIndexSpan = 0;
        if (!checkXmlTriangleSet(set, path_, report_, shapeId, blendIndexSpan)) continue;
        if (!shapeIds_.insert(shapeId).second) report_.error(path_, placeOf(set), "a second shape with shapeId " + std::to_string(shapeId));
        if (blendIndexSpan > 0) blendIndexSpans_[shapeId] = blendIndexSpan;
    }
    for (const XMLElement* curve = shapes->FirstChildElement("NurbsCurve"); curve; curve = curve->NextSiblingElement("NurbsCurve")) {
        std::uint32_t shapeId = 0;
        if (!checkXmlCurve(curve, path_, report_, shapeId)) continue;
        if (!shapeIds_.insert(shapeId).second) report_.error(path_, placeOf(curve), "a second shape with shapeId " + std::to_string(shapeId));
    }
    std::string file;
    if (!companionFile(shapes, "externalShapesFile", file)) return true;
    std::vector<std::uint8_t> bytes;
    if (!readBytes(file, bytes)) {
        report_.error(file, "file", "the companion shapes file cannot be read");
        return false;
    }
    ShapesFileContent content;
    checkShapesFile(bytes, file, options_.dump, report_, content);
    for (const std::uint32_t shapeId : content.shapeIds) {
        if (!shapeIds_.insert(shapeId).second) report_.error(file, "records", "a second shape with shapeId " + std::to_string(shapeId));
    }
    blendIndexSpans_.insert(content.blendIndexSpans.begin(), content.blendIndexSpans.end());
    dumped = content.dump;
    return true;
}

// The companion file an attribute names, beside the document; false (with an error when the name
// is not a plain file name) when there is none to read.
bool DocumentChecker::companionFile(const XMLElement* element, const char* attribute, std::string& file) {
    const char* name = element->Attribute(attribute);
    if (!name) return false;
    if (!isPlainFileName(name)) {
        report_.error(path_, placeOf(element), std::string(attribute) + " \"" + name +
                                                   "\" is not a plain file name in the document's folder; it is not read");
        return false;
    }
    file = folderOf(path_) + latin1ToUtf8(name);
    return true;
}

void DocumentChecker::checkFileReference(const XMLElement* element, const char* attribute) {
    const char* text = element->Attribute(attribute);
    if (!text) return;
    const std::uint32_t id = std::uint32_t(std::strtoul(text, nullptr, 10));
    if (fileIds_.count(id)) return;
    const std::string message = std::string(attribute) + " " + text + " names no File";
    if (hasFiles_) {
        report_.error(path_, placeOf(element), message);
    } else {
        report_.warning(path_, placeOf(element), message + " (the document has no Files section)");
    }
}

// Blend indices are positions in the bind list of the node that shows the shape.
void DocumentChecker::checkBindList(const XMLElement* node, std::size_t entries) {
    std::uint32_t shapeId = 0;
    const char* text = node->Attribute("shapeId");
    if (!text || !parseUnsigned(text, shapeId)) return;
    const auto span = blendIndexSpans_.find(shapeId);
    if (span == blendIndexSpans_.end() || span->second <= entries) return;
    report_.error(path_, placeOf(node), "shape " + std::to_string(shapeId) + " has blend index " + std::to_string(span->second - 1) +
                                            ", beyond the " + std::to_string(entries) + " entries of skinBindNodeIds");
}

void DocumentChecker::checkSceneReferences(const XMLElement* scene) {
    const std::vector<const XMLElement*> nodes = elementsBelow(scene);
    std::uint32_t lowest = 0;
    for (const XMLElement* node : nodes) {
        const char* text = node->Attribute("nodeId");
        if (!text) {
            report_.error(path_, placeOf(node), "a node without nodeId");
            continue;
        }
        const std::uint32_t id = node->UnsignedAttribute("nodeId");
        if (!nodeIds_.insert(id).second) report_.error(path_, placeOf(node), "a second node with nodeId " + std::string(text));
        lowest = lowest == 0 ? id : std::min(lowest, id);
        report_.count("nodes");
    }
    if (!nodes.empty() && lowest != 1) report_.error(path_, placeOf(scene), "nodeIds do not start at 1");
    std::vector<std::uint32_t> numbers;
    for (const XMLElement* node : nodes) {
        if (node->Attribute("shapeId") && !shapeIds_.count(node->UnsignedAttribute("shapeId"))) {
            report_.error(path_, placeOf(node), "shapeId " + std::string(node->Attribute("shapeId")) + " names no shape");
        }
        if (const char* ids = node->Attribute("materialIds")) {
            if (!numbersOf(ids, numbers)) report_.error(path_, placeOf(node), "materialIds is not a list of numbers");
            for (const std::uint32_t id : numbers) {
                // By design: materials of shader types the Materials section does not write have no element.
                if (!materialIds_.count(id)) report_.warning(path_, placeOf(node), "materialIds entry " + std::to_string(id) + " names no Material");
            }
        }
        numbers.clear();
        if (const char* ids = node->Attribute("skinBindNodeIds")) {
            if (!numbersOf(ids, numbers)) report_.error(path_, placeOf(node), "skinBindNodeIds is not a list of numbers");
            for (const std::uint32_t id : numbers) {
                if (id == 0) {
                    report_.warning(path_, placeOf(node), "a skinBindNodeIds entry is 0: an influence that is not exported");
                } else if (!nodeIds_.count(id)) {
                    report_.error(path_, placeOf(node), "skinBindNodeIds entry " + std::to_string(id) + " names no node");
                }
            }
        }
        checkBindList(node, numbers.size());
        for (const char* attribute : {"fileId", "customShaderId", "projTextureId", "iesProfileFileId", "referenceId"}) {
            checkFileReference(node, attribute);
        }
        checkLightOrCamera(node, path_, report_);
        if (std::string(node->Name()) == "Dynamic" && node->Attribute("dynamicId") &&
            !dynamicIds_.insert(node->UnsignedAttribute("dynamicId")).second) {
            report_.error(path_, placeOf(node), "a second Dynamic node with dynamicId " + std::string(node->Attribute("dynamicId")));
        }
    }
}

bool DocumentChecker::readAnimationFile(const XMLElement* animation) {
    std::string file;
    if (!companionFile(animation, "externalAnimFile", file)) return true;
    std::vector<std::uint8_t> bytes;
    if (!readBytes(file, bytes)) {
        report_.error(file, "file", "the companion animation file cannot be read");
        return false;
    }
    checkAnimationFile(bytes, file, nodeIds_, report_);
    return true;
}

bool DocumentChecker::run(const std::string& text, std::string& dumped) {
    tinyxml2::XMLDocument xml;
    if (xml.Parse(text.c_str(), text.size()) != tinyxml2::XML_SUCCESS) {
        report_.error(path_, "line " + std::to_string(xml.ErrorLineNum()), std::string("not well-formed XML: ") + xml.ErrorStr());
        return true;
    }
    const XMLElement* root = xml.RootElement();
    if (!root) {
        // A declaration alone parses as XML but holds nothing to check.
        report_.error(path_, "line 1", "the document has no root element");
        return true;
    }
    checkStructure(text, root);
    collectTables(root);
    bool readable = true;
    if (const XMLElement* shapes = root->FirstChildElement("Shapes")) readable = checkShapes(shapes, dumped) && readable;
    if (const XMLElement* scene = root->FirstChildElement("Scene")) checkSceneReferences(scene);
    if (const XMLElement* dynamics = root->FirstChildElement("Dynamics")) checkXmlDynamics(dynamics, dynamicIds_, path_, report_);
    // Animation tracks name Scene nodes: read after the Scene.
    if (const XMLElement* animation = root->FirstChildElement("Animation")) {
        readable = readAnimationFile(animation) && readable;
        for (const XMLElement* element : elementsBelow(animation)) {
            if (!element->Attribute("nodeId")) continue;
            const std::uint32_t id = element->UnsignedAttribute("nodeId");
            if (id == 0) {
                report_.warning(path_, placeOf(element), "the track has node id 0 (a transform the node table lacked)");
            } else if (!nodeIds_.count(id)) {
                report_.error(path_, placeOf(element), "the track's nodeId names no node");
            }
            if (std::strcmp(element->Name(), "Keyframes") == 0) checkXmlKeyframes(element, path_, report_);
        }
    }
    if (const XMLElement* userAttributes = root->FirstChildElement("UserAttributes")) {
        checkXmlUserAttributes(userAttributes, nodeIds_, path_, report_);
    }
    return readable;
}

}  // namespace

bool checkDocument(const std::string& path, const CheckOptions& options, Report& report, std::string& dumped) {
    std::vector<std::uint8_t> bytes;
    if (!readBytes(path, bytes)) {
        report.error(path, "file", "the document cannot be read");
        return false;
    }
    return checkDocumentText(std::string(bytes.begin(), bytes.end()), path, options, report, dumped);
}

bool checkDocumentText(const std::string& text, const std::string& path, const CheckOptions& options, Report& report,
                       std::string& dumped) {
    return DocumentChecker(path, options, report).run(text, dumped);
}
