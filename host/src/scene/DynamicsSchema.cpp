// Particles, emitters and fields as Maya's node reference lists them, with the plugs Maya saves
// between them: a particle shape feeds its emitters (isFull, deltaTime, startTime, seed, ...) and
// takes their output in newParticles; it feeds its fields (fieldData) and takes their force in
// inputForce; a geometry connector carries the emitting surface (localGeometry) into its emitter.
// Fields and emitters are transforms in Maya, placed in the DAG like any other.
#include "SchemaRegistry.h"

namespace mayahost {

namespace {

using N = MFnNumericData;
using U = MFnUnitAttribute;

std::unique_ptr<AttributeSpec> arrayOf(std::unique_ptr<AttributeSpec> attribute) {
    attribute->array = true;
    return attribute;
}

// A field's or emitter's direction, with Maya's default for that node type.
std::unique_ptr<AttributeSpec> direction(double x, double y, double z) {
    auto attribute = makeTriple("direction", "d", N::kDouble, U::kInvalid, 0.0, {"X", "Y", "Z"}, {"x", "y", "z"});
    const double defaults[3] = {x, y, z};
    for (int c = 0; c < 3; ++c) attribute->children[std::size_t(c)]->defaultValue = defaults[c];
    return attribute;
}

}  // namespace

void defineDynamicsTypes(SchemaRegistry& registry) {
    const NodeType& transform = registry.type("transform");
    NodeType& particle = registry.define("particle", MFn::kParticle, &registry.type("shape"));
    particle.add(makeEnum("particleRenderType", "prt",
                          {"multiPoint", "multiStreak", "numeric", "points", "spheres", "sprites", "streak", "blobbySurface", "cloud",
                           "tube"},
                          3));
    particle.add(makeEnum("lifespanMode", "lfm", {"liveForever", "constant", "randomRange", "lifespanPPOnly"}));
    particle.add(makeNumeric("maxCount", "mxc", N::kLong, -1));
    particle.add(makeNumeric("depthSort", "ds", N::kBoolean));
    particle.add(arrayOf(makeTyped("newParticles", "npt", MFnData::kAny)));
    particle.add(arrayOf(makeTyped("inputForce", "ifc", MFnData::kAny)));
    particle.add(makeTyped("fieldData", "fd", MFnData::kAny));
    registry.define("nParticle", MFn::kNParticle, &particle);

    NodeType& emitter = registry.define("pointEmitter", MFn::kEmitter, &transform);
    emitter.add(makeEnum("emitterType", "emt", {"direction", "omni", "surface", "curve", "volume"}, 1));
    emitter.add(makeNumeric("rate", "rat", N::kDouble, 100.0));
    emitter.add(makeNumeric("speed", "spd", N::kDouble, 1.0));
    emitter.add(makeNumeric("speedRandom", "srnd", N::kDouble));
    emitter.add(makeNumeric("tangentSpeed", "tspd", N::kDouble));
    emitter.add(makeNumeric("normalSpeed", "nspd", N::kDouble, 1.0));
    emitter.add(direction(1.0, 0.0, 0.0));
    emitter.add(arrayOf(makeTyped("output", "ot", MFnData::kAny)));

    // Each field type has its own strength and falloff defaults.
    NodeType& field = registry.define("field", MFn::kField, &transform);
    field.add(arrayOf(makeTyped("outputForce", "of", MFnData::kAny)));
    field.add(arrayOf(makeTyped("inputData", "ind", MFnData::kAny)));
    NodeType& gravity = registry.define("gravityField", MFn::kGravity, &field);
    gravity.add(makeNumeric("magnitude", "mag", N::kDouble, 9.8));
    gravity.add(makeNumeric("attenuation", "att", N::kDouble, 0.0));
    gravity.add(direction(0.0, -1.0, 0.0));
    NodeType& air = registry.define("airField", MFn::kAir, &field);
    air.add(makeNumeric("magnitude", "mag", N::kDouble, 4.0));
    air.add(makeNumeric("attenuation", "att", N::kDouble, 1.0));
    air.add(direction(0.0, 1.0, 0.0));
    air.add(makeNumeric("speed", "spd", N::kDouble, 5.0));

    NodeType& connector = registry.define("geoConnector", MFn::kGeoConnector, &registry.type("dependNode"));
    connector.add(makeTyped("localGeometry", "lge", MFnData::kAny));
    connector.add(makeSimple("owner", "own", AttrKind::Message));
}

}  // namespace mayahost
