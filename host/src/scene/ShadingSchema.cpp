// Shading networks as Maya's node reference lists them: shading groups, the lambert family of
// surface shaders (each derived type with its own function set type, so that a reader can tell
// the ones it supports), file textures, bump and layered textures, environment textures with an
// image input, the GLSL hardware shader and the surface shader node that holds a plain colour.
#include "SchemaRegistry.h"

namespace mayahost {

namespace {

using N = MFnNumericData;
using U = MFnUnitAttribute;
using D = MFnData;

std::unique_ptr<AttributeSpec> colour(const char* longName, const char* shortName, double value) {
    return makeTriple(longName, shortName, N::kFloat, U::kInvalid, value, {"R", "G", "B"}, {"r", "g", "b"});
}

void defineSurfaceShaders(SchemaRegistry& registry, const NodeType& dependNode) {
    NodeType& lambert = registry.define("lambert", MFn::kLambert, &dependNode);
    lambert.add(colour("color", "c", 0.5));
    lambert.add(colour("transparency", "it", 0.0));
    lambert.add(colour("ambientColor", "ambc", 0.0));
    lambert.add(colour("incandescence", "ic", 0.0));
    lambert.add(makeNumeric("diffuse", "dc", N::kFloat, 0.8));
    lambert.add(makeTriple("normalCamera", "n", N::kFloat, U::kInvalid, 0.0));
    lambert.add(makeNumeric("glowIntensity", "gi", N::kFloat, 0.0));
    lambert.add(makeNumeric("translucence", "tc", N::kFloat, 0.0));
    lambert.add(makeNumeric("translucenceDepth", "trsd", N::kFloat, 0.5));
    lambert.add(makeNumeric("translucenceFocus", "tcf", N::kFloat, 0.5));
    lambert.add(makeNumeric("refractions", "rfn", N::kBoolean, 0));
    lambert.add(makeNumeric("refractiveIndex", "rdi", N::kFloat, 1.0));
    lambert.add(makeNumeric("refractionLimit", "rdl", N::kShort, 6));
    lambert.add(makeNumeric("lightAbsorbance", "la", N::kFloat, 0.0));
    lambert.add(makeNumeric("surfaceThickness", "sut", N::kFloat, 0.0));
    lambert.add(makeNumeric("shadowAttenuation", "fakc", N::kFloat, 0.5));
    lambert.add(colour("outColor", "oc", 0.0));
    lambert.add(colour("outTransparency", "ot", 0.0));

    NodeType& reflect = registry.define("reflect", MFn::kReflect, &lambert);
    reflect.add(colour("specularColor", "sc", 0.5));
    reflect.add(makeNumeric("reflectivity", "rfl", N::kFloat, 0.5));
    reflect.add(colour("reflectedColor", "rc", 0.0));
    reflect.add(makeNumeric("reflectionLimit", "rlm", N::kShort, 1));
    registry.define("phong", MFn::kPhong, &reflect).add(makeNumeric("cosinePower", "cp", N::kFloat, 20.0));
    NodeType& blinn = registry.define("blinn", MFn::kBlinn, &reflect);
    blinn.add(makeNumeric("eccentricity", "ec", N::kFloat, 0.3));
    blinn.add(makeNumeric("specularRollOff", "sro", N::kFloat, 0.7));
    registry.define("phongE", MFn::kPhongExplorer, &reflect);
    registry.define("anisotropic", MFn::kAnisotropy, &reflect);
    registry.define("rampShader", MFn::kRampShader, &reflect);
    registry.define("hairTubeShader", MFn::kHairTubeShader, &reflect);

    // The GLSL plug-in's hardware shader: its effect file and technique. The effect's parameters
    // are dynamic attributes that the scene file declares itself.
    NodeType& glsl = registry.define("GLSLShader", MFn::kPluginHardwareShader, &dependNode);
    glsl.add(makeTyped("shader", "s", D::kString));
    glsl.add(makeTyped("technique", "t", D::kString));

    NodeType& surfaceShader = registry.define("surfaceShader", MFn::kSurfaceShader, &dependNode);
    surfaceShader.add(colour("outColor", "oc", 0.0));
    surfaceShader.add(colour("outTransparency", "ot", 0.0));
}

void defineTextures(SchemaRegistry& registry, const NodeType& dependNode) {
    NodeType& file = registry.define("file", MFn::kFileTexture, &dependNode);
    file.add(makeTyped("fileTextureName", "ftn", D::kString));
    file.add(colour("outColor", "oc", 0.0));
    file.add(makeNumeric("outAlpha", "oa", N::kFloat, 0.0));
    registry.define("place2dTexture", MFn::kPlace2dTexture, &dependNode);
    registry.define("uvChooser", MFn::kUvChooser, &dependNode);

    NodeType& bump = registry.define("bump2d", MFn::kBump, &dependNode);
    bump.add(makeNumeric("bumpValue", "bv", N::kFloat, 0.0));
    bump.add(makeNumeric("bumpDepth", "bd", N::kFloat, 1.0));
    bump.add(makeEnum("bumpInterp", "bi", {"bump", "tangentSpaceNormals", "objectSpaceNormals"}));
    bump.add(makeTriple("outNormal", "o", N::kFloat, U::kInvalid, 0.0));

    // Layers, top first: each a colour, an alpha, a blend mode and a visibility switch.
    NodeType& layered = registry.define("layeredTexture", MFn::kLayeredTexture, &dependNode);
    std::vector<std::unique_ptr<AttributeSpec>> layer;
    layer.push_back(colour("color", "c", 0.0));
    layer.push_back(makeNumeric("alpha", "a", N::kFloat, 1.0));
    layer.push_back(makeEnum("blendMode", "bm", {"none", "over", "in", "out", "add", "subtract", "multiply",
                                                 "difference", "lighten", "darken", "saturate", "desaturate",
                                                 "illuminate"}, 1));
    layer.push_back(makeNumeric("isVisible", "iv", N::kBoolean, 1));
    layered.add(makeCompound("inputs", "cs", std::move(layer))).array = true;
    layered.add(colour("outColor", "oc", 0.0));

    // Environment textures that map an image: what is connected to "image" is the picture.
    NodeType& environment = registry.define("textureEnv", MFn::kTextureEnv, &dependNode);
    environment.add(colour("image", "i", 0.0));
    environment.add(colour("outColor", "oc", 0.0));
    registry.define("envBall", MFn::kEnvBall, &environment);
    registry.define("envSphere", MFn::kEnvSphere, &environment);
}

}  // namespace

void defineShadingTypes(SchemaRegistry& registry) {
    const NodeType& dependNode = registry.type("dependNode");
    NodeType& set = registry.define("objectSet", MFn::kSet, &dependNode);
    set.add(makeSimple("dagSetMembers", "dsm", AttrKind::Message)).array = true;
    set.add(makeSimple("dnSetMembers", "dnsm", AttrKind::Message)).array = true;
    NodeType& shadingEngine = registry.define("shadingEngine", MFn::kShadingEngine, &set);
    shadingEngine.add(makeTriple("surfaceShader", "ss", N::kFloat, U::kInvalid, 0.0));
    registry.define("character", MFn::kCharacter, &set);
    NodeType& materialInfo = registry.define("materialInfo", MFn::kMaterialInfo, &dependNode);
    materialInfo.add(makeSimple("shadingGroup", "sg", AttrKind::Message));
    materialInfo.add(makeSimple("material", "m", AttrKind::Message));
    materialInfo.add(makeSimple("texture", "t", AttrKind::Message)).array = true;
    defineSurfaceShaders(registry, dependNode);
    defineTextures(registry, dependNode);
}

}  // namespace mayahost
