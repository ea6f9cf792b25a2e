#include "MaterialsSection.h"

#include "lookup/FilePaths.h"
#include "materials/CustomShaders.h"
#include "materials/MaterialExtraAttributes.h"
#include "materials/TextureElements.h"
#include "saveutil/NativeFile.h"
#include "saveutil/PathUtils.h"
#include "saveutil/TextUtils.h"

#include <maya/MColor.h>
#include <maya/MFnLambertShader.h>
#include <maya/MFnReflectShader.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>

#include <optional>
#include <set>
#include <string>

namespace {

void warn(const std::string& text) {
    MGlobal::displayWarning(text.c_str());
}

void writeColour(Q5XSaveUtil::XmlWriter& out, const char* name, const float* rgba, bool withAlpha) {
    out.beginValue(name);
    for (int i = 0; i < (withAlpha ? 4 : 3); ++i) out.streamValue(rgba[i]);
    out.endValue();
}

void writeColour(Q5XSaveUtil::XmlWriter& out, const char* name, const MColor& colour, bool withAlpha) {
    const float rgba[4] = {colour.r, colour.g, colour.b, colour.a};
    writeColour(out, name, rgba, withAlpha);
}

MPlug plugOf(const MObject& node, const char* name, bool& found) {
    MStatus status;
    const MPlug plug = MFnDependencyNode(node).findPlug(name, true, &status);
    found = bool(status);
    return plug;
}

bool boolAttribute(const MObject& node, const char* name) {
    bool found = false;
    const bool value = plugOf(node, name, found).asBool();
    return found && value;
}

float floatAttribute(const MObject& node, const char* name, float missing) {
    bool found = false;
    const MPlug plug = plugOf(node, name, found);
    float value = missing;
    return found && plug.getValue(value) ? value : missing;
}

std::optional<std::string> stringAttribute(const MObject& node, const char* name) {
    bool found = false;
    const MPlug plug = plugOf(node, name, found);
    MString value;
    if (!found || !plug.getValue(value)) return std::nullopt;
    return std::string(value.asChar());
}

bool colourWithAlpha(const MObject& node, const char* name, float (&rgba)[4]) {
    bool found = false;
    const MPlug plug = plugOf(node, name, found);
    return found && readColourWithAlpha(plug, rgba);
}

// The first node of the scene of exactly this name: what a material inherits custom values from.
std::optional<MObject> findReferenceMaterial(const std::string& name) {
    if (name.empty()) return std::nullopt;
    for (MItDependencyNodes it(MFn::kDependencyNode); !it.isDone(); it.next()) {
        const MObject node = it.thisNode();
        if (name == MFnDependencyNode(node).name().asChar()) return node;
    }
    return std::nullopt;
}

// A planar reflection for a material without a reflection texture whose refractive index bends light.
void writePlanarReflection(Q5XSaveUtil::XmlWriter& out, float refractiveIndex, const MaterialExtraAttributes& extras) {
    out.startTag(3, "Reflectionmap");
    out.attribute("type", "planar");
    out.attribute("refractiveIndex", refractiveIndex);
    out.attribute("bumpScale", extras.reflectionMapBumpScale);
    if (extras.reflectionMapResolution != 512) out.attribute("resolution", extras.reflectionMapResolution);
    if (extras.reflectionMapShapesObjectMask != 0xFFFFFFFFu) out.attribute("shapesObjectMask", extras.reflectionMapShapesObjectMask);
    if (extras.reflectionMapLightsObjectMask != 0xFFFFFFFFu) out.attribute("lightsObjectMask", extras.reflectionMapLightsObjectMask);
    out.endEmptyTag();
}

void writeRefraction(Q5XSaveUtil::XmlWriter& out, const MObject& node, const MaterialExtraAttributes& extras) {
    out.startTag(3, "Refractionmap");
    out.attribute("type", "planar");
    out.attribute("coeff", 1.0f - floatAttribute(node, "lightAbsorbance", 1.0f));
    out.attribute("bumpScale", extras.refractionMapBumpScale);
    if (extras.refractionMapWithSSRData) out.attribute("withSSRData", "true");
    out.endEmptyTag();
}

class MaterialsWriter {
public:
    MaterialsWriter(const ExportContext& context, const MaterialTable& materials, FileTable& files, Q5XSaveUtil::XmlWriter& out)
        : context_(context), materials_(materials), files_(files), out_(out), shaders_(context) {}

    void writeLambertPass() {
        for (MItDependencyNodes it(MFn::kLambert); !it.isDone(); it.next()) {
            const MObject node = it.thisNode();
            const std::string name = MFnDependencyNode(node).name().asChar();
            const MFn::Type type = node.apiType();
            if (type != MFn::kLambert && type != MFn::kBlinn && type != MFn::kPhong) {
                warn("Unsupported shader type (only lambert and phong supported): " + name + " is of type " + node.apiTypeStr());
                accounted_.insert(name);
                continue;
            }
            if (const std::uint32_t id = materialId(name)) writeLambertMaterial(node, name, id);
        }
    }

    void writeGlslPass() {
        for (MItDependencyNodes it(MFn::kPluginHardwareShader); !it.isDone(); it.next()) {
            const MObject node = it.thisNode();
            const std::string name = MFnDependencyNode(node).name().asChar();
            if (const std::uint32_t id = materialId(name)) writeGlslMaterial(node, name, id);
        }
    }

    // A material a shape uses whose node no pass writes leaves the engine with its default material.
    void warnAboutUnwrittenMaterials() const {
        for (const auto& entry : materials_.entries()) {
            if (accounted_.count(entry.first)) continue;
            MSelectionList list;
            MObject node;
            if (!list.add(entry.first.c_str()) || !list.getDependNode(0, node)) continue;
            warn("Material " + entry.first + " is of type " + MFnDependencyNode(node).typeName().asChar() +
                 ", which is not exported (only lambert, phong, blinn and GLSLShader are); the engine shows its default material");
        }
    }

private:
    // The material's id, or 0 when no exported shape uses it.
    std::uint32_t materialId(const std::string& name) {
        const auto found = materials_.entries().find(name);
        if (found == materials_.entries().end()) return 0;
        if (context_.options.verbose) MGlobal::displayInfo(("Shader: " + name).c_str());
        accounted_.insert(name);
        return found->second;
    }

    void writeLambertMaterial(const MObject& node, const std::string& name, std::uint32_t id) {
        const MFnLambertShader lambert(node);
        const float glow = lambert.glowIntensity();
        const float refractiveIndex = lambert.refractiveIndex();
        std::string children;
        Q5XSaveUtil::XmlWriter childOut(children);
        TextureElements textures(context_, files_, name, childOut);

        const bool emissive = glow == 1.0f;
        const bool colourTextured =
            textures.writeTextureSlot(node, "color", emissive ? TextureSlot::Emissivemap : TextureSlot::Texture, refractiveIndex) > 0;
        MColor diffuse = lambert.color();
        // Opacity is what the brightest transparency channel leaves.
        float hue = 0.0f, saturation = 0.0f, value = 0.0f;
        lambert.transparency().get(MColor::kHSV, hue, saturation, value);
        diffuse.a = 1.0f - value;
        textures.writeTextureSlot(node, "normalCamera", TextureSlot::Normalmap, refractiveIndex);

        bool reflectionTextured = false;
        bool specularTextured = true;
        MColor specular;
        const MFn::Type type = node.apiType();
        if (type == MFn::kBlinn || type == MFn::kPhong) {
            reflectionTextured = textures.writeTextureSlot(node, "reflectedColor", TextureSlot::Reflectionmap, refractiveIndex) > 0;
            specularTextured = textures.writeTextureSlot(node, "specularColor", TextureSlot::Glossmap, refractiveIndex) > 0;
            specular = MFnReflectShader(node).specularColor();
            if (type == MFn::kBlinn) {
                warn("Blinn shader type is not directly supported, approximating to phong shader (only lambert and phong supported): " + name);
            }
        }

        out_.startTag(2, "Material");
        out_.attribute("name", name);
        out_.attribute("materialId", id);
        if (!colourTextured) writeColour(out_, emissive ? "emissiveColor" : "diffuseColor", diffuse, true);
        if (!specularTextured) writeColour(out_, "specularColor", specular, false);
        if (lambert.translucenceCoeff() != 0.0f) out_.attribute("alphaBlending", "true");

        MaterialExtraAttributes extras;
        readMaterialExtraAttributes(context_, node, extras);
        if (extras.hasCustomShader) {
            const std::string& shader = extras.customShader;
            if (!shader.empty() && shader[0] != '$' && Q5XSaveUtil::pathKind(shader) != Q5XSaveUtil::PathKind::File) {
                warn("Custom shader " + shader + " not found!\n");
            }
            out_.attribute("customShaderId", files_.insert(shader));
            if (!extras.customShaderVariation.empty()) out_.attribute("customShaderVariation", extras.customShaderVariation);
        }
        if (!extras.shadingRate.empty()) out_.attribute("shadingRate", extras.shadingRate);
        out_.endStartTag();

        if (!reflectionTextured && refractiveIndex != 1.0f) writePlanarReflection(out_, refractiveIndex, extras);
        if (boolAttribute(node, "refractions")) writeRefraction(out_, node, extras);
        writeCustomValues(node, extras.hasCustomShader ? extras.customShader : std::string(), extras.referenceMaterial,
                          CustomValueRules::Lambert);
        out_.raw(children);
        out_.endTag(2, "Material");
    }

    void writeGlslMaterial(const MObject& node, const std::string& name, std::uint32_t id) {
        float emissiveColour[4] = {0, 0, 0, 1};
        const bool emissive = colourWithAlpha(node, "emissiveColor", emissiveColour) &&
                              (emissiveColour[0] != 0.0f || emissiveColour[1] != 0.0f || emissiveColour[2] != 0.0f);
        const float refractiveIndex = floatAttribute(node, "refractiveIndex", 1.3f);
        std::string children;
        Q5XSaveUtil::XmlWriter childOut(children);
        TextureElements textures(context_, files_, name, childOut);

        const bool diffuseTextured =
            textures.writeTextureSlot(node, "diffuseMap", emissive ? TextureSlot::Emissivemap : TextureSlot::Texture, refractiveIndex) > 0;
        textures.writeTextureSlot(node, "normalMap", TextureSlot::Normalmap, refractiveIndex);
        const bool specularTextured = textures.writeTextureSlot(node, "specularMap", TextureSlot::Glossmap, refractiveIndex) > 0;

        // An effect named "baseShader" is the engine's own; any other brings its description file.
        std::string customShader;
        std::string variation;
        if (const auto shader = stringAttribute(node, "shader")) {
            std::string baseName;
            Q5XSaveUtil::getFileName(*shader, baseName, false);
            if (baseName != "baseShader") {
                const std::string description = Q5XSaveUtil::replaceAll(*shader, ".ogsfx", ".xml");
                if (Q5XSaveUtil::pathKind(description) != Q5XSaveUtil::PathKind::File) {
                    warn("Custom shader file " + description + " set in GLSLShader " + name + " does not exist");
                } else {
                    customShader = description;
                    const auto chosen = stringAttribute(node, "customShaderVariation");
                    if (chosen && *chosen != "base") variation = *chosen;
                }
            }
        }
        const std::string shadingRate = stringAttribute(node, "shadingRate").value_or("");

        out_.startTag(2, "Material");
        out_.attribute("name", name);
        out_.attribute("materialId", id);
        float colour[4];
        if (!diffuseTextured && emissive) {
            writeColour(out_, "emissiveColor", emissiveColour, true);
        } else if (!diffuseTextured && colourWithAlpha(node, "diffuseColor", colour)) {
            writeColour(out_, "diffuseColor", colour, true);
        }
        if (!specularTextured && colourWithAlpha(node, "specularColor", colour)) writeColour(out_, "specularColor", colour, false);
        if (!customShader.empty()) {
            out_.attribute("customShaderId", files_.insert(customShader));
            if (!variation.empty()) out_.attribute("customShaderVariation", variation);
        }
        if (!shadingRate.empty() && shadingRate != "1x1") out_.attribute("shadingRate", shadingRate);
        if (stringAttribute(node, "technique").value_or("") == "alphaBlending") out_.attribute("alphaBlending", "true");
        out_.endStartTag();
        writeCustomValues(node, customShader, stringAttribute(node, "referenceMaterial").value_or(""), CustomValueRules::Glsl);
        out_.raw(children);
        out_.endTag(2, "Material");
    }

    // The custom shader's parameters and texture slots that the material, its template variants
    // or its reference material give a value.
    void writeCustomValues(const MObject& node, const std::string& customShader, const std::string& referenceMaterial,
                           CustomValueRules rules) {
        const std::optional<MObject> reference = findReferenceMaterial(referenceMaterial);
        const MObject* referenceNode = reference ? &*reference : nullptr;
        CustomShaderDefinition definition;
        shaders_.loadCustomShader(definition, customShader);
        for (const auto& parameter : definition.parameters) {
            const auto value = shaders_.resolveCustomParameter(definition, parameter.first, node, referenceNode, rules);
            if (!value) continue;
            out_.startTag(3, "CustomParameter");
            out_.attribute("name", parameter.first);
            out_.attribute("value", *value);
            out_.endEmptyTag();
        }
        const ExportOptions& options = context_.options;
        for (const auto& texture : definition.textures) {
            const auto file = shaders_.resolveCustomTexture(definition, texture.first, node, referenceNode, rules);
            if (!file) continue;
            const std::string resolved = resolveFilePath(*file, options.gameRelativePaths, context_.gamePath, context_.sceneDirectory);
            if (resolved.empty()) continue;  // an empty name registers nothing
            out_.startTag(3, "Custommap");
            out_.attribute("name", texture.first);
            out_.attribute("fileId", files_.insert(resolved));
            out_.endEmptyTag();
        }
    }

    const ExportContext& context_;
    const MaterialTable& materials_;
    FileTable& files_;
    Q5XSaveUtil::XmlWriter& out_;
    CustomShaders shaders_;
    std::set<std::string> accounted_;  // written, or warned about as unsupported
};

}  // namespace

bool writeMaterialsSection(const ExportContext& context, const MaterialTable& materials, FileTable& files,
                           Q5XSaveUtil::XmlWriter& out) {
    out.startTag(1, "Materials");
    out.endStartTag();
    MaterialsWriter writer(context, materials, files, out);
    writer.writeLambertPass();
    writer.writeGlslPass();
    writer.warnAboutUnwrittenMaterials();
    out.endTag(1, "Materials");
    out.raw("\n");
    return true;
}
