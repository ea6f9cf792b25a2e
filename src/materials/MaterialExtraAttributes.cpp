#include "MaterialExtraAttributes.h"

#include "lookup/FilePaths.h"
#include "lookup/OwnAttributes.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <type_traits>

namespace {

// An extra attribute's value: text, a number, or neither.
struct ExtraValue {
    std::optional<std::string> text;
    std::optional<double> number;
};

ExtraValue valueOf(const MPlug& plug, const MObject& attribute) {
    ExtraValue value;
    if (attribute.hasFn(MFn::kTypedAttribute) && MFnTypedAttribute(attribute).attrType() == MFnData::kString) {
        MString text;
        if (plug.getValue(text)) value.text = text.asChar();
        return value;
    }
    if (attribute.hasFn(MFn::kNumericAttribute)) {
        const MFnNumericData::Type type = MFnNumericAttribute(attribute).unitType();
        if (type == MFnNumericData::kInt || type == MFnNumericData::kFloat || type == MFnNumericData::kDouble) {
            double number = 0.0;
            if (plug.getValue(number)) value.number = number;
            return value;
        }
    }
    // A file texture plugged into the attribute names a file.
    MPlugArray sources;
    if (plug.connectedTo(sources, true, false) && sources.length() > 0 && sources[0].node().apiType() == MFn::kFileTexture) {
        MString text;
        MFnDependencyNode(sources[0].node()).findPlug("fileTextureName", true).getValue(text);
        value.text = text.asChar();
    }
    return value;
}

// Digits in base 10, or 2, 8, 16 after "0b", "0o", "0x", up to the first that is none of the base.
std::optional<std::uint64_t> parseUnsignedText(const std::string& text) {
    std::size_t at = 0;
    int base = 10;
    if (text.size() >= 2 && text[0] == '0') {
        const char prefix = text[1];
        base = prefix == 'b' || prefix == 'B' ? 2 : prefix == 'o' || prefix == 'O' ? 8 : prefix == 'x' || prefix == 'X' ? 16 : 10;
        if (base != 10) at = 2;
    }
    std::uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
        if (digit >= base) break;
        value = value * std::uint64_t(base) + std::uint64_t(digit);
        if (value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    }
    return value;
}

// A decimal integer with an optional sign, up to the first character that is no digit.
std::optional<double> parseSignedText(const std::string& text) {
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno == ERANGE) return std::nullopt;
    return static_cast<double>(value);
}

// A whole number in [low, high] from a number (truncated) or text; nothing when out of range.
template <typename Integer>
std::optional<Integer> wholeNumber(const ExtraValue& value, bool isUnsigned) {
    std::optional<double> number = value.number;
    if (value.text) {
        if (isUnsigned) {
            const auto parsed = parseUnsignedText(*value.text);
            if (parsed) number = static_cast<double>(*parsed);
            else number.reset();
        } else {
            number = parseSignedText(*value.text);
        }
        if (!number) return std::nullopt;
    }
    if (!number || !std::isfinite(*number)) return std::nullopt;
    const double truncated = std::trunc(*number);
    if (truncated < double(std::numeric_limits<Integer>::min()) || truncated > double(std::numeric_limits<Integer>::max())) {
        return std::nullopt;
    }
    return static_cast<Integer>(truncated);
}

template <typename Integer>
void readWholeNumber(const ExtraValue& value, const std::string& name, const std::string& material, Integer& field) {
    if (!value.text && !value.number) return;
    const auto whole = wholeNumber<Integer>(value, std::is_unsigned<Integer>::value);
    if (whole) {
        field = *whole;
        return;
    }
    MGlobal::displayWarning(("Material " + material + ": the value of " + name + " is out of range; the default " +
                             std::to_string(field) + " is used").c_str());
}

void readScale(const ExtraValue& value, const std::string& name, const std::string& material, float& field) {
    double number = 0.0;
    if (value.text) {
        number = std::strtod(value.text->c_str(), nullptr);
    } else if (value.number) {
        number = *value.number;
    } else {
        return;
    }
    if (std::isfinite(number) && std::fabs(number) <= double(std::numeric_limits<float>::max())) {
        field = static_cast<float>(number);
        return;
    }
    MGlobal::displayWarning(("Material " + material + ": the value of " + name + " is not a finite number; the default is used").c_str());
}

}  // namespace

void readMaterialExtraAttributes(const ExportContext& context, const MObject& material, MaterialExtraAttributes& record) {
    const MFnDependencyNode node(material);
    const std::string materialName = node.name().asChar();
    forEachOwnAttribute(node, [&](const MObject& attribute, const MPlug& plug, const std::string& name) {
        const ExtraValue value = valueOf(plug, attribute);
        if (name == "customShader") {
            if (value.text && !value.text->empty()) {
                const ExportOptions& options = context.options;
                record.customShader = resolveFilePath(*value.text, options.gameRelativePaths, context.gamePath, context.sceneDirectory);
                record.hasCustomShader = true;
            }
        } else if (name == "customShaderVariation") {
            if (value.text) record.customShaderVariation = *value.text;
        } else if (name == "reflectionMapBumpScale") {
            readScale(value, name, materialName, record.reflectionMapBumpScale);
        } else if (name == "refractionMapBumpScale") {
            readScale(value, name, materialName, record.refractionMapBumpScale);
        } else if (name == "reflectionMapResolution") {
            readWholeNumber(value, name, materialName, record.reflectionMapResolution);
        } else if (name == "reflectionMapShapesObjectMask") {
            readWholeNumber(value, name, materialName, record.reflectionMapShapesObjectMask);
        } else if (name == "reflectionMapLightsObjectMask") {
            readWholeNumber(value, name, materialName, record.reflectionMapLightsObjectMask);
        } else if (name == "refractionMapWithSSRData") {
            record.refractionMapWithSSRData = value.text && *value.text == "true";
        } else if (name == "shadingRate") {
            if (value.text && !value.text->empty() && *value.text != "1x1") record.shadingRate = *value.text;
        } else if (name == "referenceMaterial") {
            if (value.text && !value.text->empty()) record.referenceMaterial = *value.text;
        }
    });
}
