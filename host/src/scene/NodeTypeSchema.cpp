// The node types of a Maya scene the host models, with the static attributes the exporter and
// the Maya ASCII files use. Attributes a file sets that are not listed here are still kept (as
// written); only their type information is missing.
#include "NodeType.h"
#include "SchemaRegistry.h"

#include <cmath>
#include <map>

namespace mayahost {

namespace {

using N = MFnNumericData;
using U = MFnUnitAttribute;
using D = MFnData;

constexpr double kDegree = M_PI / 180.0;

class Registry : public SchemaRegistry {
public:
    Registry() {
        NodeType& dependNode = define("dependNode", MFn::kDependencyNode, nullptr);
        dependNode.add(makeSimple("message", "msg", AttrKind::Message));
        dependNode.add(makeNumeric("caching", "cch", N::kBoolean));
        dependNode.add(makeEnum("nodeState", "nds", {"normal", "passThrough", "blocking", "internallyDisabled", "waiting"}));
        dependNode.add(makeNumeric("isHistoricallyInteresting", "ihi", N::kByte, 2));
        unknownDependency_ = std::make_unique<NodeType>("unknown", MFn::kDependencyNode, &dependNode);

        NodeType& dagNode = define("dagNode", MFn::kDagNode, &dependNode);
        defineDagAttributes(dagNode);
        unknownDag_ = std::make_unique<NodeType>("unknownDag", MFn::kDagNode, &dagNode);

        NodeType& transform = define("transform", MFn::kTransform, &dagNode);
        defineTransformAttributes(transform);
        NodeType& joint = define("joint", MFn::kJoint, &transform);
        defineJointAttributes(joint);
        define("ikHandle", MFn::kIkHandle, &transform);
        define("ikEffector", MFn::kIkEffector, &transform);
        define("lodGroup", MFn::kTransform, &transform);

        NodeType& shape = define("shape", MFn::kShape, &dagNode);
        NodeType& geometry = define("geometryShape", MFn::kGeometric, &shape);
        NodeType& surface = define("surfaceShape", MFn::kSurface, &geometry);
        // Render stats that every surface carries, on by default.
        surface.add(makeNumeric("castsShadows", "csh", N::kBoolean, 1));
        surface.add(makeNumeric("receiveShadows", "rcsh", N::kBoolean, 1));
        defineMeshAttributes(define("mesh", MFn::kMesh, &surface));
        NodeType& curve = define("curveShape", MFn::kCurve, &geometry);
        defineNurbsCurveAttributes(define("nurbsCurve", MFn::kNurbsCurve, &curve));
        define("locator", MFn::kLocator, &shape);
        defineDynamicsTypes(*this);
        defineCameraAttributes(define("camera", MFn::kCamera, &shape));
        defineLights(shape);

        defineShadingTypes(*this);
        defineDependencyTypes(dependNode);
        defineGeometryHistoryTypes(*this);
        defineAnimationTypes(*this);
        defineMayaBuiltinTypes(*this);
    }

    const NodeType* find(const std::string& name) const {
        const auto found = types_.find(name);
        return found == types_.end() ? nullptr : found->second.get();
    }

    const NodeType& unknown(bool dag) const { return dag ? *unknownDag_ : *unknownDependency_; }

    NodeType& define(const std::string& name, MFn::Type apiType, const NodeType* parent) override {
        auto& slot = types_[name];
        slot = std::make_unique<NodeType>(name, apiType, parent);
        return *slot;
    }

    const NodeType& type(const std::string& name) const override { return *types_.at(name); }
    bool has(const std::string& name) const override { return types_.count(name) != 0; }

private:

    static void defineDagAttributes(NodeType& type) {
        type.add(makeNumeric("visibility", "v", N::kBoolean, 1));
        type.add(makeNumeric("intermediateObject", "io", N::kBoolean));
        type.add(makeNumeric("template", "tmp", N::kBoolean));
        type.add(makeNumeric("lodVisibility", "lodv", N::kBoolean, 1));
        std::vector<std::unique_ptr<AttributeSpec>> groupChildren;
        groupChildren.push_back(makeTyped("objectGrpCompList", "gcl", D::kComponentList));
        groupChildren.push_back(makeNumeric("objectGroupId", "gid", N::kLong));
        groupChildren.push_back(makeNumeric("objectGrpColor", "gco", N::kShort));
        auto objectGroups = makeCompound("objectGroups", "og", std::move(groupChildren));
        objectGroups->array = true;
        std::vector<std::unique_ptr<AttributeSpec>> instanceChildren;
        instanceChildren.push_back(std::move(objectGroups));
        auto instObjGroups = makeCompound("instObjGroups", "iog", std::move(instanceChildren));
        instObjGroups->array = true;
        type.add(std::move(instObjGroups));
        type.add(makeTyped("worldMatrix", "wm", D::kMatrix)).array = true;
        type.add(makeTyped("parentMatrix", "pm", D::kMatrix)).array = true;
    }

    static void addLimits(NodeType& type, const char* longStem, const char* shortStem, U::Type unit, double low,
                          double high) {
        for (const char axis : {'X', 'Y', 'Z'}) {
            const std::string a(1, axis);
            const std::string s(1, static_cast<char>(axis - 'A' + 'a'));
            auto value = [&](const std::string& longName, const std::string& shortName, double def) {
                return unit == U::kInvalid ? makeNumeric(longName, shortName, N::kDouble, def)
                                           : makeUnit(longName, shortName, unit, def);
            };
            type.add(value(std::string("min") + longStem + a + "Limit", std::string("m") + shortStem + s + "l", low));
            type.add(value(std::string("max") + longStem + a + "Limit", std::string("x") + shortStem + s + "l", high));
            type.add(makeNumeric(std::string("min") + longStem + a + "LimitEnable", std::string("m") + shortStem + s + "e", N::kBoolean));
            type.add(makeNumeric(std::string("max") + longStem + a + "LimitEnable", std::string("x") + shortStem + s + "e", N::kBoolean));
        }
    }

    static void defineTransformAttributes(NodeType& type) {
        type.add(makeTriple("translate", "t", N::kDouble, U::kDistance, 0.0));
        type.add(makeTriple("rotate", "r", N::kDouble, U::kAngle, 0.0));
        type.add(makeTriple("scale", "s", N::kDouble, U::kInvalid, 1.0));
        type.add(makeTriple("shear", "sh", N::kDouble, U::kInvalid, 0.0, {"XY", "XZ", "YZ"}, {"xy", "xz", "yz"}));
        type.add(makeTriple("rotatePivot", "rp", N::kDouble, U::kDistance, 0.0));
        type.add(makeTriple("rotatePivotTranslate", "rpt", N::kDouble, U::kDistance, 0.0));
        type.add(makeTriple("scalePivot", "sp", N::kDouble, U::kDistance, 0.0));
        type.add(makeTriple("scalePivotTranslate", "spt", N::kDouble, U::kDistance, 0.0));
        type.add(makeTriple("rotateAxis", "ra", N::kDouble, U::kAngle, 0.0));
        type.add(makeEnum("rotateOrder", "ro", {"xyz", "yzx", "zxy", "xzy", "yxz", "zyx"}));
        type.add(makeNumeric("inheritsTransform", "it", N::kBoolean, 1));
        type.add(makeNumeric("displayHandle", "dh", N::kBoolean));
        addLimits(type, "Trans", "t", U::kDistance, -1.0, 1.0);
        addLimits(type, "Rot", "r", U::kAngle, -360.0 * kDegree, 360.0 * kDegree);
        addLimits(type, "Scale", "s", U::kInvalid, -1.0, 1.0);
    }

    static void defineJointAttributes(NodeType& type) {
        type.add(makeTriple("jointOrient", "jo", N::kDouble, U::kAngle, 0.0));
        type.add(makeTriple("inverseScale", "is", N::kDouble, U::kInvalid, 1.0));
        type.add(makeTriple("preferredAngle", "pa", N::kDouble, U::kAngle, 0.0));
        type.add(makeNumeric("segmentScaleCompensate", "ssc", N::kBoolean, 1));
        type.add(makeTyped("bindPose", "bps", D::kMatrix));
        type.add(makeNumeric("radius", "radi", N::kDouble, 1.0));
        type.add(makeEnum("drawStyle", "ds", {"bone", "multiChild", "none", "joint"}));
        type.add(makeEnum("side", "sd", {"center", "left", "right", "none"}));
        type.add(makeNumeric("type", "typ", N::kShort));
        type.add(makeTyped("otherType", "otp", D::kString));
    }

    static void defineMeshAttributes(NodeType& type) {
        // Points are lengths: a file gives them in its working unit, like the tweaks ".pt".
        type.add(makeTriple("vrts", "vt", N::kFloat, U::kDistance, 0.0)).array = true;
        type.add(makeTriple("edge", "ed", N::kLong, U::kInvalid, 0.0, {"1", "2", "3"}, {"1", "2", "3"})).array = true;
        type.add(makeTyped("face", "fc", D::kAny)).array = true;
        type.add(makeTriple("normals", "n", N::kFloat, U::kInvalid, 0.0)).array = true;
        type.add(makeTriple("pnts", "pt", N::kFloat, U::kDistance, 0.0)).array = true;
        std::vector<std::unique_ptr<AttributeSpec>> uvChildren;
        uvChildren.push_back(makeTyped("uvSetName", "uvsn", D::kString));
        uvChildren.push_back(makeTriple("uvSetPoints", "uvsp", N::kFloat, U::kInvalid, 0.0, {"U", "V"}, {"u", "v"}));
        uvChildren.back()->array = true;
        auto uvSet = makeCompound("uvSet", "uvst", std::move(uvChildren));
        uvSet->array = true;
        type.add(std::move(uvSet));
        type.add(makeTyped("currentUVSet", "cuvs", D::kString));
        std::vector<std::unique_ptr<AttributeSpec>> colorChildren;
        colorChildren.push_back(makeTyped("colorName", "clsn", D::kString));
        colorChildren.push_back(makeEnum("representation", "rprt", {"", "A", "", "RGB", "RGBA"}, 4));
        colorChildren.push_back(makeTriple("colorSetPoints", "clsp", N::kFloat, U::kInvalid, 0.0, {"R", "G", "B", "A"}, {"r", "g", "b", "a"}));
        colorChildren.back()->array = true;
        colorChildren.back()->leadingChildrenOptional = true;
        auto colorSet = makeCompound("colorSet", "clst", std::move(colorChildren));
        colorSet->array = true;
        type.add(std::move(colorSet));
        type.add(makeTyped("currentColorSet", "ccls", D::kString));
        type.add(makeEnum("vertexNormalMethod", "vnm", {"unweighted", "angleWeighted", "areaWeighted", "angleAndAreaWeighted"}, 3));
        type.add(makeNumeric("displayColors", "dcol", N::kBoolean));
        type.add(makeTyped("inMesh", "i", D::kMesh));
        type.add(makeTyped("outMesh", "o", D::kMesh));
        type.add(makeTyped("worldMesh", "w", D::kMesh)).array = true;
    }

    static void defineNurbsCurveAttributes(NodeType& type) {
        // The curve as saved, the curve its history makes, and what it gives on; degree, spans and
        // form are read from the curve (rows of the evaluation table).
        type.add(makeTyped("cached", "cc", D::kNurbsCurve));
        type.add(makeTyped("create", "cr", D::kNurbsCurve));
        type.add(makeTyped("local", "l", D::kNurbsCurve));
        type.add(makeTyped("worldSpace", "ws", D::kNurbsCurve)).array = true;
        type.add(makeNumeric("degree", "d", N::kLong, 1));
        type.add(makeNumeric("spans", "s", N::kLong));
        type.add(makeEnum("form", "f", {"open", "closed", "periodic"}));
    }

    static void defineCameraAttributes(NodeType& type) {
        type.add(makeNumeric("focalLength", "fl", N::kDouble, 35.0));
        type.add(makeNumeric("orthographic", "o", N::kBoolean));
        type.add(makeUnit("orthographicWidth", "ow", U::kDistance, 30.0));
        type.add(makeUnit("nearClipPlane", "ncp", U::kDistance, 0.1));
        type.add(makeUnit("farClipPlane", "fcp", U::kDistance, 10000.0));
        type.add(makeNumeric("horizontalFilmAperture", "hfa", N::kDouble, 1.41732));
        type.add(makeNumeric("verticalFilmAperture", "vfa", N::kDouble, 0.94488));
        type.add(makeNumeric("lensSqueezeRatio", "lsr", N::kDouble, 1.0));
        type.add(makeEnum("filmFit", "ff", {"fill", "horizontal", "vertical", "overscan"}, 1));
        type.add(makeUnit("centerOfInterest", "coi", U::kDistance, 5.0));
        type.add(makeNumeric("renderable", "rnd", N::kBoolean, 1));
        type.add(makeTyped("imageName", "imn", D::kString));
        type.add(makeTyped("depthName", "den", D::kString));
        type.add(makeTyped("maskName", "man", D::kString));
        type.add(makeTyped("homeCommand", "hc", D::kString));
    }

    void defineLights(NodeType& shape) {
        NodeType& light = define("light", MFn::kLight, &shape);
        light.add(makeTriple("color", "cl", N::kFloat, U::kInvalid, 1.0, {"R", "G", "B"}, {"r", "g", "b"}));
        light.add(makeNumeric("intensity", "in", N::kFloat, 1.0));
        light.add(makeNumeric("emitDiffuse", "edi", N::kBoolean, 1));
        light.add(makeNumeric("emitSpecular", "esp", N::kBoolean, 1));
        define("ambientLight", MFn::kAmbientLight, &light);
        NodeType& nonAmbient = define("nonAmbientLightShapeNode", MFn::kNonAmbientLight, &light);
        nonAmbient.add(makeEnum("decayRate", "de", {"none", "linear", "quadratic", "cubic"}));
        NodeType& nonExtended = define("nonExtendedLightShapeNode", MFn::kNonExtendedLight, &nonAmbient);
        nonExtended.add(makeNumeric("useDepthMapShadows", "dms", N::kBoolean));
        nonExtended.add(makeNumeric("dmapBias", "dmb", N::kFloat, 0.001));
        nonExtended.add(makeNumeric("dmapResolution", "dr", N::kShort, 512));
        nonExtended.add(makeNumeric("useRayTraceShadows", "urs", N::kBoolean));
        define("directionalLight", MFn::kDirectionalLight, &nonExtended).add(makeNumeric("lightAngle", "lang", N::kDouble, 0.0));
        define("pointLight", MFn::kPointLight, &nonExtended);
        NodeType& spot = define("spotLight", MFn::kSpotLight, &nonExtended);
        spot.add(makeUnit("coneAngle", "ca", U::kAngle, 40.0 * kDegree));
        spot.add(makeUnit("penumbraAngle", "pa", U::kAngle, 0.0));
        spot.add(makeNumeric("dropoff", "dro", N::kDouble, 0.0));
        define("areaLight", MFn::kAreaLight, &nonExtended);
        define("volumeLight", MFn::kVolumeLight, &light);
    }

    void defineDependencyTypes(NodeType& dependNode) {
        NodeType& geometryFilter = define("geometryFilter", MFn::kGeometryFilt, &dependNode);
        geometryFilter.add(makeNumeric("envelope", "en", N::kFloat, 1));
        // Deformers: per deformed geometry an input (geometry and group) and an output.
        std::vector<std::unique_ptr<AttributeSpec>> inputChildren;
        inputChildren.push_back(makeTyped("inputGeometry", "ig", D::kAny));
        inputChildren.push_back(makeNumeric("groupId", "gi", N::kLong));
        geometryFilter.add(makeCompound("input", "ip", std::move(inputChildren))).array = true;
        geometryFilter.add(makeTyped("outputGeometry", "og", D::kAny)).array = true;
        NodeType& skinCluster = define("skinCluster", MFn::kSkinClusterFilter, &geometryFilter);
        skinCluster.add(makeTyped("matrix", "ma", D::kMatrix)).array = true;
        skinCluster.add(makeTyped("bindPreMatrix", "pm", D::kMatrix)).array = true;
        std::vector<std::unique_ptr<AttributeSpec>> weightChildren;
        weightChildren.push_back(makeNumeric("weights", "w", N::kDouble));
        weightChildren.back()->array = true;
        skinCluster.add(makeCompound("weightList", "wl", std::move(weightChildren))).array = true;
        NodeType& dagPose = define("dagPose", MFn::kDagPose, &dependNode);
        dagPose.add(makeTyped("xformMatrix", "xm", D::kMatrix)).array = true;
        dagPose.add(makeTyped("worldMatrix", "wm", D::kMatrix)).array = true;
        dagPose.add(makeSimple("members", "m", AttrKind::Message)).array = true;
        dagPose.add(makeNumeric("bindPose", "bp", N::kBoolean));
        define("groupId", MFn::kGroupId, &dependNode).add(makeNumeric("groupId", "id", N::kLong));
        define("time", MFn::kTime, &dependNode).add(makeUnit("outTime", "o", U::kTime, 0.0));
        // Scripts and expressions are kept as text; nothing ever runs them.
        NodeType& script = define("script", MFn::kScript, &dependNode);
        script.add(makeTyped("before", "b", D::kString));
        script.add(makeTyped("after", "a", D::kString));
        script.add(makeNumeric("scriptType", "st", N::kShort));
        script.add(makeNumeric("sourceType", "stp", N::kShort));
        define("expression", MFn::kExpression, &dependNode).add(makeTyped("expression", "exp", D::kString));
    }

    std::map<std::string, std::unique_ptr<NodeType>> types_;
    std::unique_ptr<NodeType> unknownDependency_;
    std::unique_ptr<NodeType> unknownDag_;
};

const Registry& registry() {
    static const Registry instance;
    return instance;
}

}  // namespace

const NodeType* findNodeType(const std::string& name) {
    return registry().find(name);
}

const NodeType& unknownNodeType(bool dag) {
    return registry().unknown(dag);
}

}  // namespace mayahost
