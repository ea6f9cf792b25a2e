#include "XmlMaterials.h"

#include "Numbers.h"

#include <cstdlib>
#include <cstring>

using tinyxml2::XMLElement;

namespace {

std::string placeOf(const XMLElement* element) {
    return std::string(element->Name()) + " line " + std::to_string(element->GetLineNum());
}

void checkColour(const XMLElement* material, const char* attribute, std::size_t count, const std::string& file, Report& report) {
    const char* text = material->Attribute(attribute);
    if (text && !isFiniteNumberList(text, count)) {
        report.error(file, placeOf(material), std::string(attribute) + " is not " + std::to_string(count) + " finite numbers");
    }
}

bool isTextureElement(const char* name) {
    for (const char* kind : {"Texture", "Normalmap", "Emissivemap", "Glossmap"}) {
        if (std::strcmp(name, kind) == 0) return true;
    }
    return false;
}

void checkChild(const XMLElement* child, const std::string& file, Report& report) {
    const char* name = child->Name();
    auto require = [&](const char* attribute) {
        if (!child->Attribute(attribute)) report.error(file, placeOf(child), std::string("no ") + attribute);
    };
    if (isTextureElement(name) || std::strcmp(name, "Custommap") == 0) {
        require("fileId");
        if (std::strcmp(name, "Custommap") == 0) require("name");
    } else if (std::strcmp(name, "Reflectionmap") == 0) {
        const char* type = child->Attribute("type");
        if (!type || (std::strcmp(type, "cube") != 0 && std::strcmp(type, "planar") != 0)) {
            report.error(file, placeOf(child), "a Reflectionmap's type is neither \"cube\" nor \"planar\"");
        } else if (std::strcmp(type, "cube") == 0) {
            require("fileId");
        }
        require("refractiveIndex");
    } else if (std::strcmp(name, "Refractionmap") == 0) {
        require("coeff");
    } else if (std::strcmp(name, "CustomParameter") == 0) {
        require("name");
        require("value");
    } else {
        report.error(file, placeOf(child), "a Material holds no element of this kind");
    }
    report.count(std::string("material_") + name);
}

}  // namespace

void checkXmlMaterial(const XMLElement* material, const std::string& file, Report& report) {
    if (!material->Attribute("name")) report.error(file, placeOf(material), "a Material without a name");
    std::uint32_t id = 0;
    const char* idText = material->Attribute("materialId");
    if (!idText || !parseUnsigned(idText, id) || id == 0) {
        report.error(file, placeOf(material), "a Material without a materialId that is a positive unsigned number");
    }
    checkColour(material, "diffuseColor", 4, file, report);
    checkColour(material, "emissiveColor", 4, file, report);
    checkColour(material, "specularColor", 3, file, report);
    if (material->Attribute("diffuseColor") && material->Attribute("emissiveColor")) {
        report.error(file, placeOf(material), "a Material with both a diffuse and an emissive colour");
    }
    for (const XMLElement* child = material->FirstChildElement(); child; child = child->NextSiblingElement()) {
        checkChild(child, file, report);
    }
}
