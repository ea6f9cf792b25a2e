#include "XmlUserAttributes.h"

#include "Numbers.h"

#include <cstdlib>
#include <cstring>

using tinyxml2::XMLElement;

namespace {

std::string placeOf(const XMLElement* element) {
    return std::string(element->Name()) + " (line " + std::to_string(element->GetLineNum()) + ")";
}

// Whether `value` is a value of the attribute type `type`; false for an unknown type.
bool isValueOf(const char* type, const char* value) {
    if (std::strcmp(type, "boolean") == 0) return std::strcmp(value, "true") == 0 || std::strcmp(value, "false") == 0;
    if (std::strcmp(type, "integer") == 0) {
        char* end = nullptr;
        std::strtol(value, &end, 10);
        return *value != '\0' && *end == '\0';
    }
    if (std::strcmp(type, "float") == 0) return isFiniteNumberList(value, 1);
    return std::strcmp(type, "string") == 0 || std::strcmp(type, "scriptCallback") == 0;
}

}  // namespace

void checkXmlUserAttributes(const XMLElement* section, const std::set<std::uint32_t>& nodeIds, const std::string& file,
                            Report& report) {
    for (const XMLElement* node = section->FirstChildElement(); node; node = node->NextSiblingElement()) {
        if (std::strcmp(node->Name(), "UserAttribute") != 0) {
            report.error(file, placeOf(node), "the UserAttributes section holds only UserAttribute elements");
            continue;
        }
        std::uint32_t id = 0;
        const char* idText = node->Attribute("nodeId");
        if (!idText || !parseUnsigned(idText, id) || !nodeIds.count(id)) {
            report.error(file, placeOf(node), "a UserAttribute whose nodeId names no node");
        }
        for (const XMLElement* attribute = node->FirstChildElement(); attribute; attribute = attribute->NextSiblingElement()) {
            const char* name = attribute->Attribute("name");
            const char* type = attribute->Attribute("type");
            const char* value = attribute->Attribute("value");
            if (std::strcmp(attribute->Name(), "Attribute") != 0 || !name || !type || !value || !*value) {
                report.error(file, placeOf(attribute), "an Attribute needs a name, a type and a value");
            } else if (!isValueOf(type, value)) {
                report.error(file, placeOf(attribute), "the value of " + std::string(name) + " is no " + type);
            }
            report.count("user_attributes");
        }
    }
}
