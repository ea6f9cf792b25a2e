// Light elements: the light's type, colour, emission, shadow-map, soft-shadow, scattering, range
// and spot-cone attributes, and the ids of its projected texture and IES profile.
#include "AttributeReaders.h"
#include "CommonAttributes.h"
#include "NodeKinds.h"

#include "lookup/FilePaths.h"

#include <maya/MFnNonExtendedLight.h>
#include <maya/MFnSpotLight.h>
#include <maya/MPlugArray.h>

#include <cstring>

using Q5XSaveUtil::XmlWriter;

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

const char* lightTypeName(const MObject& light) {
    switch (light.apiType()) {
    case MFn::kAmbientLight: return "ambient";
    case MFn::kAreaLight: return "area";
    case MFn::kDirectionalLight: return "directional";
    case MFn::kPointLight: return "point";
    case MFn::kSpotLight: return "spot";
    default: return "unknown";
    }
}

void writeSteeringFloat(XmlWriter& out, const MFnDependencyNode& transform, const char* attribute, const char* name,
                        float fallback) {
    out.attribute(name, readAttribute<float>(transform, attribute, fallback));
}

void writeShadowMap(XmlWriter& out, const MFnNonExtendedLight& light, const MFnDependencyNode& transform) {
    out.attribute("castShadowMap", true);
    out.attribute("depthMapBias", light.depthMapBias());
    out.attribute("depthMapResolution", std::int32_t(light.depthMapResolution()));
    writeSteeringFloat(out, transform, "q5X_softShadowsLightSize", "softShadowsLightSize", 0.05f);
    writeSteeringFloat(out, transform, "q5X_softShadowsLightDistance", "softShadowsLightDistance", 15.0f);
    writeSteeringFloat(out, transform, "q5X_softShadowsDepthBiasFactor", "softShadowsDepthBiasFactor", 5.0f);
    writeSteeringFloat(out, transform, "q5X_softShadowsMaxPenumbraSize", "softShadowsMaxPenumbraSize", 0.5f);
}

// Light scattering through the air: point and spot lights only.
void writeScattering(XmlWriter& out, const MFnDependencyNode& transform, bool spot) {
    if (!hasAttribute(transform, "q5X_isLightScattering") || !readAttribute<bool>(transform, "q5X_isLightScattering", false)) return;
    out.attribute("scattering", true);
    writeSteeringFloat(out, transform, "q5X_lightScatteringIntensity", "scatteringIntensity", 1.0f);
    if (spot) writeSteeringFloat(out, transform, "q5X_lightScatteringConeAngle", "scatteringConeAngle", 60.0f);
}

}  // namespace

void writeLightAttributes(const NodeWriteContext& context, XmlWriter& out) {
    const MObject& lightNode = context.node.decidingChild;
    const MFnLight light(lightNode);
    const MFnDependencyNode transform(context.node.transform);
    writeTransformAttributes(context, {true, false, true, true}, out);
    const char* type = lightTypeName(lightNode);
    out.attribute("type", type);
    const MColor colour = light.color();
    out.beginValue("color");
    out.streamValue(colour.r);
    out.streamValue(colour.g);
    out.streamValue(colour.b);
    out.endValue();
    out.attribute("emitDiffuse", light.lightDiffuse());
    out.attribute("emitSpecular", light.lightSpecular());
    const bool spot = lightNode.hasFn(MFn::kSpotLight);
    if (lightNode.hasFn(MFn::kNonExtendedLight)) {
        const MFnNonExtendedLight nonExtended(lightNode);
        if (nonExtended.useDepthMapShadows()) writeShadowMap(out, nonExtended, transform);
        if (spot || std::strcmp(type, "point") == 0) writeScattering(out, transform, spot);
    }
    // The engine reads the light's intensity from "range".
    out.attribute("range", light.intensity());
    if (spot) {
        const MFnSpotLight spotLight(lightNode);
        out.streamAttribute("coneAngle", spotLight.coneAngle() * kDegreesPerRadian);
        out.streamAttribute("dropOff", spotLight.dropOff());
    }
    if (context.node.projectedTextureId != 0) out.attribute("projTextureId", context.node.projectedTextureId);
    if (context.node.iesProfileId != 0) out.attribute("iesProfileFileId", context.node.iesProfileId);
}

namespace {

// A file registered under its resolved name; 0 (no file) for an empty name.
std::uint32_t registerFile(NodeRecording& recording, const std::string& name) {
    const ExportContext& context = recording.context();
    const std::string resolved =
        resolveFilePath(name, context.options.gameRelativePaths, context.gamePath, context.sceneDirectory);
    return resolved.empty() ? 0 : recording.model().files.insert(resolved);
}

}  // namespace

bool recordLight(NodeRecording& recording, SceneNode& node) {
    node.decidingChild = MFnDagNode(recording.transform()).child(recording.classification().childIndex);
    if (node.decidingChild.hasFn(MFn::kSpotLight)) {
        // A file texture plugged into the spot light's colour is projected by it.
        MPlugArray sources;
        const MPlug colour = MFnDependencyNode(node.decidingChild).findPlug("color", true);
        if (colour.connectedTo(sources, true, false) && sources.length() > 0 && sources[0].node().hasFn(MFn::kFileTexture)) {
            node.projectedTextureId = registerFile(recording, readText(MFnDependencyNode(sources[0].node()), "fileTextureName"));
        }
    }
    node.iesProfileId = registerFile(recording, readText(MFnDependencyNode(recording.transform().node()), "q5X_iesProfileFile"));
    return true;
}
