#include "MaterialsSection.h"

#include "materials/MaterialExtraAttributes.h"
#include "materials/TextureElements.h"
#include "saveutil/NativeFile.h"

#include <maya/MColor.h>
#include <maya/MFnLambertShader.h>
#include <maya/MFnReflectShader.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlug.h>
#include <maya/MSelectionList.h>

#include <set>
#include <string>

namespace {

void warn(const std::string& text) {
    MGlobal::displayWarning(text.c_str());
}

void writeColour(Q5XSaveUtil::XmlWriter& out, const char* name, const MColor& colour, bool withAlpha) {
    out.beginValue(name);
    out.streamValue(colour.r);
    out.streamValue(colour.g);
    out.streamValue(colour.b);
    if (withAlpha) out.streamValue(colour.a);
    out.endValue();
}

bool boolAttribute(const MFnDependencyNode& node, const char* name) {
    MStatus status;
    const bool value = node.findPlug(name, true, &status).asBool();
    return status && value;
}

float floatAttribute(const MFnDependencyNode& node, const char* name, float missing) {
    MStatus status;
    const float value = node.findPlug(name, true, &status).asFloat();
    return status ? value : missing;
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

void writeRefraction(Q5XSaveUtil::XmlWriter& out, const MFnDependencyNode& node, const MaterialExtraAttributes& extras) {
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
        : context_(context), materials_(materials), files_(files), out_(out) {}

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
            const auto found = materials_.entries().find(name);
            if (found == materials_.entries().end()) continue;
            if (context_.options.verbose) MGlobal::displayInfo(("Shader: " + name).c_str());
            writeLambertMaterial(node, name, found->second);
            accounted_.insert(name);
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
                 ", which is not exported (only lambert, phong and blinn are); the engine shows its default material");
        }
    }

private:
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
        const float translucence = lambert.translucenceCoeff();

        out_.startTag(2, "Material");
        out_.attribute("name", name);
        out_.attribute("materialId", id);
        if (!colourTextured) writeColour(out_, emissive ? "emissiveColor" : "diffuseColor", diffuse, true);
        if (!specularTextured) writeColour(out_, "specularColor", specular, false);
        if (translucence != 0.0f) out_.attribute("alphaBlending", "true");

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

        const MFnDependencyNode dependNode(node);
        if (!reflectionTextured && refractiveIndex != 1.0f) writePlanarReflection(out_, refractiveIndex, extras);
        if (boolAttribute(dependNode, "refractions")) writeRefraction(out_, dependNode, extras);
        out_.raw(children);
        out_.endTag(2, "Material");
    }

    const ExportContext& context_;
    const MaterialTable& materials_;
    FileTable& files_;
    Q5XSaveUtil::XmlWriter& out_;
    std::set<std::string> accounted_;  // written, or warned about as unsupported
};

}  // namespace

bool writeMaterialsSection(const ExportContext& context, const MaterialTable& materials, FileTable& files,
                           Q5XSaveUtil::XmlWriter& out) {
    out.startTag(1, "Materials");
    out.endStartTag();
    MaterialsWriter writer(context, materials, files, out);
    writer.writeLambertPass();
    writer.warnAboutUnwrittenMaterials();
    out.endTag(1, "Materials");
    out.raw("\n");
    return true;
}
