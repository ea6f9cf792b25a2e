#include "TextureElements.h"

#include "lookup/FilePaths.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

#include <algorithm>

namespace {

const char* elementName(TextureSlot kind) {
    switch (kind) {
    case TextureSlot::Texture: return "Texture";
    case TextureSlot::Normalmap: return "Normalmap";
    case TextureSlot::Emissivemap: return "Emissivemap";
    case TextureSlot::Glossmap: return "Glossmap";
    case TextureSlot::Reflectionmap: return "Reflectionmap";
    }
    return "Texture";
}

std::vector<MObject> sourcesOf(const MPlug& plug) {
    std::vector<MObject> nodes;
    MPlugArray sources;
    if (plug.isNull() || !plug.connectedTo(sources, true, false)) return nodes;
    for (unsigned i = 0; i < sources.length(); ++i) nodes.push_back(sources[i].node());
    return nodes;
}

std::string nameOf(const MObject& node) {
    return MFnDependencyNode(node).name().asChar();
}

}  // namespace

std::vector<MObject> incomingNodes(const MObject& node, const char* attributeName) {
    MStatus status;
    const MPlug plug = MFnDependencyNode(node).findPlug(attributeName, true, &status);
    return status ? sourcesOf(plug) : std::vector<MObject>();
}

TextureElements::TextureElements(const ExportContext& context, FileTable& files, std::string materialName,
                                 Q5XSaveUtil::XmlWriter& out)
    : context_(context), files_(files), materialName_(std::move(materialName)), out_(out) {}

unsigned TextureElements::writeTextureSlot(const MObject& material, const char* attributeName, TextureSlot kind,
                                           float refractiveIndex) {
    const std::vector<MObject> sources = incomingNodes(material, attributeName);
    return sources.empty() ? 0 : writeTextureSource(sources.front(), kind, refractiveIndex);
}

unsigned TextureElements::writeTextureSource(const MObject& source, TextureSlot kind, float refractiveIndex) {
    if (source.hasFn(MFn::kFileTexture)) return writeTextureElement(source, kind, false, 1.0f, refractiveIndex);
    if (source.hasFn(MFn::kBump)) {
        if (kind != TextureSlot::Normalmap) return 0;
        MStatus status;
        float bumpDepth = MFnDependencyNode(source).findPlug("bumpDepth", true, &status).asFloat();
        if (!status) bumpDepth = 1.0f;
        return writeEachSource(source, "bumpValue", kind, bumpDepth != 1.0f, bumpDepth, refractiveIndex);
    }
    if (source.hasFn(MFn::kTextureEnv)) {
        if (kind != TextureSlot::Reflectionmap) return 0;
        return writeEachSource(source, "image", kind, false, 1.0f, refractiveIndex);
    }
    if (source.hasFn(MFn::kLayeredTexture)) {
        return kind == TextureSlot::Texture ? writeLayers(source, refractiveIndex) : 0;
    }
    return 0;
}

unsigned TextureElements::writeEachSource(const MObject& node, const char* attributeName, TextureSlot kind,
                                          bool writeBumpDepth, float bumpDepth, float refractiveIndex) {
    unsigned count = 0;
    for (const MObject& source : incomingNodes(node, attributeName)) {
        count += writeTextureElement(source, kind, writeBumpDepth, bumpDepth, refractiveIndex);
    }
    return count;
}

unsigned TextureElements::writeLayers(const MObject& layeredTexture, float refractiveIndex) {
    const std::string name = nameOf(layeredTexture);
    if (std::find(layeredPath_.begin(), layeredPath_.end(), layeredTexture) != layeredPath_.end()) {
        MGlobal::displayWarning(("Layered texture " + name + " feeds itself through its layers (material " +
                                 materialName_ + "); the repeated layers are skipped").c_str());
        return 0;
    }
    if (layeredPath_.size() >= kMaxLayeredTextureDepth) {
        MGlobal::displayWarning(("Layered texture " + name + " lies more than " + std::to_string(kMaxLayeredTextureDepth) +
                                 " layered textures deep (material " + materialName_ + "); its layers are skipped").c_str());
        return 0;
    }
    MStatus status;
    const MPlug inputs = MFnDependencyNode(layeredTexture).findPlug("inputs", true, &status);
    if (!status) return 0;
    layeredPath_.push_back(layeredTexture);
    unsigned count = 0;
    const unsigned layers = inputs.numElements();
    for (unsigned i = 0; i < layers; ++i) {
        const MPlug layer = inputs.elementByPhysicalIndex(i);
        if (!layer.isCompound() || layer.numChildren() == 0) continue;
        for (const MObject& source : sourcesOf(layer.child(0))) {
            count += writeTextureSource(source, TextureSlot::Texture, refractiveIndex);
        }
    }
    layeredPath_.pop_back();
    return count;
}

unsigned TextureElements::writeTextureElement(const MObject& fileTexture, TextureSlot kind, bool writeBumpDepth,
                                              float bumpDepth, float refractiveIndex) {
    if (fileTexture.apiType() != MFn::kFileTexture) return 0;
    MString fileName;
    MFnDependencyNode(fileTexture).findPlug("fileTextureName", true).getValue(fileName);
    const ExportOptions& options = context_.options;
    const std::string resolved =
        resolveFilePath(fileName.asChar(), options.gameRelativePaths, context_.gamePath, context_.sceneDirectory);
    if (resolved.empty()) return 0;  // no file: the material keeps its colour
    out_.startTag(3, elementName(kind));
    out_.attribute("fileId", files_.insert(resolved));
    if (writeBumpDepth) out_.attribute("bumpDepth", bumpDepth);
    if (kind == TextureSlot::Reflectionmap) {
        out_.attribute("type", "cube");
        out_.attribute("wrap", "false");
        out_.attribute("refractiveIndex", refractiveIndex);
        out_.attribute("bumpScale", 0.1f);
    }
    out_.endEmptyTag();
    return 1;
}
