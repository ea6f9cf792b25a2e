#include "CustomShaders.h"

#include "saveutil/NativeFile.h"
#include "saveutil/PathUtils.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <cmath>
#include <cstdio>
#include <set>
#include <utility>
#include <vector>

namespace {

void warn(const std::string& text) {
    MGlobal::displayWarning(text.c_str());
}

std::uint32_t floatCountOf(const std::string& type) {
    if (type == "float") return 1;
    if (type == "float2") return 2;
    if (type == "float3") return 3;
    if (type == "float4") return 4;
    return 0;
}

std::string text(const char* value) {
    return value ? std::string(value) : std::string();
}

bool findPlug(const MObject& node, const std::string& attributeName, MPlug& plug) {
    MStatus status;
    plug = MFnDependencyNode(node).findPlug(attributeName.c_str(), true, &status);
    return bool(status);
}

std::optional<std::string> stringAttribute(const MObject& node, const std::string& attributeName) {
    MPlug plug;
    MString value;
    if (!findPlug(node, attributeName, plug) || !plug.getValue(value)) return std::nullopt;
    return std::string(value.asChar());
}

bool isEnabled(const MObject& node, const std::string& name) {
    MPlug plug;
    bool enabled = false;
    return findPlug(node, "customParameter_enable_" + name, plug) && plug.getValue(enabled) && enabled;
}

bool isNumeric(const MPlug& plug) {
    const MObject attribute = plug.attribute();
    return attribute.hasFn(MFn::kNumericAttribute) || attribute.hasFn(MFn::kUnitAttribute);
}

// The values of a compound of exactly `count` numeric children.
bool readNumericChildren(const MPlug& plug, unsigned count, std::vector<float>& values) {
    if (!plug.isCompound() || plug.numChildren() != count) return false;
    for (unsigned i = 0; i < count; ++i) {
        const MPlug child = plug.child(i);
        float value = 0.0f;
        if (!isNumeric(child) || !child.getValue(value)) return false;
        values.push_back(value);
    }
    return true;
}

// Four significant digits in the stream's default form: 0.123456 is "0.1235", 2.0 is "2".
std::string joinFloats(const std::vector<float>& values) {
    std::string joined;
    for (const float value : values) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.4g", double(value));
        if (!joined.empty()) joined += ' ';
        joined += buffer;
    }
    return joined;
}

}  // namespace

bool readColourWithAlpha(const MPlug& plug, float (&rgba)[4]) {
    if (!plug.isCompound() || plug.numChildren() != 2) return false;
    std::vector<float> values;
    const MPlug alpha = plug.child(1);
    float a = 0.0f;
    if (!readNumericChildren(plug.child(0), 3, values) || !isNumeric(alpha) || !alpha.getValue(a)) return false;
    rgba[0] = values[0], rgba[1] = values[1], rgba[2] = values[2], rgba[3] = a;
    return true;
}

std::optional<std::string> readFloatParameter(const std::string& attributeName, const MObject& node, std::uint32_t floatCount) {
    if (floatCount < 1 || floatCount > 4) {
        warn("Custom parameter " + attributeName + " has an invalid number of floats\n");
        return std::nullopt;
    }
    MPlug plug;
    if (!findPlug(node, attributeName, plug)) return std::nullopt;
    std::vector<float> values;
    if (floatCount == 1) {
        float value = 0.0f;
        if (!plug.getValue(value)) return std::nullopt;
        values.push_back(value);
    } else if (floatCount == 4) {
        float rgba[4];
        if (!readColourWithAlpha(plug, rgba)) return std::nullopt;
        values.assign(rgba, rgba + 4);
    } else if (!readNumericChildren(plug, floatCount, values)) {
        return std::nullopt;
    }
    for (const float value : values) {
        if (!std::isfinite(value)) {
            warn("Custom parameter " + attributeName + " is not a finite number; it is left to the shader's default");
            return std::nullopt;
        }
    }
    return joinFloats(values);
}

std::optional<std::string> readTextureAttribute(const std::string& attributeName, const MObject& node) {
    MPlug plug;
    if (!findPlug(node, attributeName, plug)) return std::nullopt;
    MPlugArray sources;
    if (plug.connectedTo(sources, true, false)) {
        for (unsigned i = 0; i < sources.length(); ++i) {
            const MObject source = sources[i].node();
            if (source.apiType() != MFn::kFileTexture) continue;
            MString name;
            MFnDependencyNode(source).findPlug("fileTextureName", true).getValue(name);
            return std::string(name.asChar());
        }
    }
    const MObject attribute = plug.attribute();
    if (!attribute.hasFn(MFn::kTypedAttribute) || MFnTypedAttribute(attribute).attrType() != MFnData::kString) return std::nullopt;
    MString value;
    if (!plug.getValue(value)) return std::nullopt;
    return std::string(value.asChar());
}

std::string CustomShaders::gameFile(std::string name) const {
    if (!name.empty() && name[0] == '$') name.erase(0, 1);
    std::string joined;
    Q5XSaveUtil::joinPath(context_.gamePath, name, joined);
    return joined;
}

void CustomShaders::loadCustomShader(CustomShaderDefinition& definition, const std::string& path) {
    definition = CustomShaderDefinition();
    if (path.empty()) return;
    // A game-relative name is the file below the game path: that one is tested, and that one read.
    const std::string file = path[0] == '$' ? gameFile(path) : path;
    if (Q5XSaveUtil::pathKind(file) != Q5XSaveUtil::PathKind::File) {
        warn("Custom shader " + path + " not found!\n");
        return;
    }
    Q5XSaveUtil::DomXMLFile xml;
    if (!xml.load(file)) {
        warn("Could not load custom shader file " + path + "!\n");
        return;
    }
    const std::size_t parameters = xml.count("CustomShader.Parameters.Parameter");
    for (std::size_t i = 0; i < parameters; ++i) {
        const std::string element = "CustomShader.Parameters.Parameter(" + std::to_string(i) + ")";
        const char* name = xml.getAttribute(element, "name", nullptr);
        const char* type = xml.getAttribute(element, "type", nullptr);
        if (!name || !type) continue;
        const std::string parameterName = name;
        CustomShaderDefinition::Parameter parameter;
        parameter.floatCount = floatCountOf(type);
        const char* templateId = xml.getAttribute(element, "template", nullptr);
        parameter.hasTemplate = templateId != nullptr;
        parameter.templateId = text(templateId);
        const std::optional<std::int32_t> arraySize = xml.getArraySize(element);
        const std::size_t defaults = arraySize && *arraySize >= 1 ? xml.count(element + ".Default") : 0;
        if (!arraySize || (*arraySize >= 1 && defaults != std::size_t(*arraySize))) {
            warn("Array parameter " + parameterName + " in custom shader " + path +
                 " is malformed : arraySize attribute and entry number does not match\n");
            continue;
        }
        if (*arraySize < 1) {
            definition.parameters[parameterName] = parameter;
            continue;
        }
        for (std::size_t j = 0; j < defaults; ++j) {
            // An element without an index names no entry of its own.
            const char* index = xml.getAttribute(element + ".Default(" + std::to_string(j) + ")", "index", nullptr);
            if (index) definition.parameters[parameterName + index] = parameter;
        }
    }
    const std::size_t textures = xml.count("CustomShader.Textures.Texture");
    for (std::size_t i = 0; i < textures; ++i) {
        const std::string element = "CustomShader.Textures.Texture(" + std::to_string(i) + ")";
        const char* name = xml.getAttribute(element, "name", nullptr);
        if (!name) continue;
        const char* templateId = xml.getAttribute(element, "template", nullptr);
        definition.textures[name] = {templateId != nullptr, text(templateId)};
    }
    const std::size_t templates = xml.count("CustomShader.ParameterTemplates.ParameterTemplate");
    for (std::size_t i = 0; i < templates; ++i) {
        const std::string element = "CustomShader.ParameterTemplates.ParameterTemplate(" + std::to_string(i) + ")";
        const char* fileName = xml.getAttribute(element, "filename", nullptr);
        if (!fileName) continue;
        const char* id = xml.getAttribute(element, "id", nullptr);
        if (!id) {
            warn("ParameterTemplate " + std::string(fileName) + " in custom shader " + path + " has no id attribute and is skipped");
            continue;
        }
        definition.templates[id] = gameFile(fileName);
    }
}

std::optional<std::string> CustomShaders::resolveCustomParameter(const CustomShaderDefinition& definition, const std::string& entry,
                                                                 const MObject& material, const MObject* reference,
                                                                 CustomValueRules rules) {
    const auto found = definition.parameters.find(entry);
    if (found == definition.parameters.end()) return std::nullopt;
    const CustomShaderDefinition::Parameter& parameter = found->second;
    for (const MObject* node : {&material, reference}) {
        if (!node) continue;
        if (auto value = ownParameter(entry, parameter.floatCount, *node, rules)) return value;
        if (auto value = templateValue(definition, parameter.hasTemplate, parameter.templateId, entry, *node)) return value;
    }
    return std::nullopt;
}

std::optional<std::string> CustomShaders::resolveCustomTexture(const CustomShaderDefinition& definition, const std::string& texture,
                                                               const MObject& material, const MObject* reference,
                                                               CustomValueRules rules) {
    const auto found = definition.textures.find(texture);
    if (found == definition.textures.end()) return std::nullopt;
    for (const MObject* node : {&material, reference}) {
        if (!node) continue;
        if (auto value = ownTexture(texture, *node, rules)) return value;
        if (auto value = templateValue(definition, found->second.hasTemplate, found->second.templateId, texture, *node)) return value;
    }
    return std::nullopt;
}

std::optional<std::string> CustomShaders::ownParameter(const std::string& entry, std::uint32_t floatCount, const MObject& node,
                                                       CustomValueRules rules) {
    if (rules == CustomValueRules::Lambert) return stringAttribute(node, "customParameter_" + entry);
    if (!isEnabled(node, entry)) return std::nullopt;
    return readFloatParameter("customParameter_" + entry, node, floatCount);
}

std::optional<std::string> CustomShaders::ownTexture(const std::string& texture, const MObject& node, CustomValueRules rules) {
    if (rules == CustomValueRules::Lambert) return stringAttribute(node, "customTexture_" + texture);
    if (!isEnabled(node, texture)) return std::nullopt;
    return readTextureAttribute("customTexture_" + texture, node);
}

std::optional<std::string> CustomShaders::templateValue(const CustomShaderDefinition& definition, bool hasTemplate,
                                                        const std::string& templateId, const std::string& key,
                                                        const MObject& node) {
    if (!hasTemplate) return std::nullopt;
    const auto file = definition.templates.find(templateId);
    if (file == definition.templates.end()) return std::nullopt;
    return lookupParameterTemplate(key, templateId, file->second, "", node);
}

Q5XSaveUtil::DomXMLFile* CustomShaders::templateFile(const std::string& path) {
    auto found = templateFiles_.find(path);
    if (found == templateFiles_.end()) {
        auto xml = std::make_unique<Q5XSaveUtil::DomXMLFile>();
        if (!xml->load(path)) xml.reset();  // the loader has said why
        found = templateFiles_.emplace(path, std::move(xml)).first;
    }
    return found->second.get();
}

std::optional<std::string> CustomShaders::lookupParameterTemplate(const std::string& key, const std::string& templateId,
                                                                  std::string file, std::string defaultVariant,
                                                                  const MObject& node) {
    // Each level of the chain is one (file, variant) pair; a pair met again would repeat forever.
    std::set<std::pair<std::string, std::string>> chain;
    for (std::size_t depth = 0;; ++depth) {
        if (depth == kMaxTemplateChainDepth) {
            warn("Parameter template chain through " + file + " is more than " + std::to_string(kMaxTemplateChainDepth) +
                 " files deep; the value of " + key + " is not looked up further");
            return std::nullopt;
        }
        Q5XSaveUtil::DomXMLFile* xml = templateFile(file);
        const char* id = xml ? xml->getAttribute("templates", "id", nullptr) : nullptr;
        if (!id) {
            warn("Parameter template file" + file + "is malformed : No id attribute specified\n");
            return std::nullopt;
        }
        std::string variant;
        if (auto chosen = stringAttribute(node, "customParameterTemplate_" + templateId + "_" + id)) {
            variant = *chosen;
        } else if (!defaultVariant.empty()) {
            variant = defaultVariant;
        } else {
            return std::nullopt;
        }
        if (!chain.emplace(file, variant).second) {
            warn("Parameter template file " + file + " leads back to its variant " + variant + " through its parents; the value of " +
                 key + " is not looked up further");
            return std::nullopt;
        }
        std::string parentVariant;
        const std::size_t variants = xml->count("templates.template");
        for (std::size_t u = 0; u < variants; ++u) {
            const std::string element = "templates.template(" + std::to_string(u) + ")";
            if (text(xml->getAttribute(element, "name", nullptr)) != variant) continue;
            if (const char* value = xml->getAttribute(element, key, nullptr)) return std::string(value);
            parentVariant = text(xml->getAttribute(element, "parentTemplate", nullptr));
            break;
        }
        if (parentVariant.empty()) parentVariant = text(xml->getAttribute("templates", "parentTemplateDefault", nullptr));
        const char* parentFile = xml->getAttribute("templates", "parentTemplateFilename", nullptr);
        if (!parentFile) return std::nullopt;
        file = gameFile(parentFile);
        defaultVariant = parentVariant;
    }
}
