#include "DynamicsSection.h"

#include "lookup/Connections.h"

#include <maya/MDagPath.h>
#include <maya/MFnAirField.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnGravityField.h>
#include <maya/MFnParticleSystem.h>
#include <maya/MGlobal.h>
#include <maya/MItDag.h>
#include <maya/MPlug.h>

namespace {

// A plug's value, or the attribute's Maya default when the node has no such plug (sprite
// attributes exist only once a shape has been given them).
template <typename T>
T valueOf(const MFnDependencyNode& node, const char* attribute, T fallback) {
    MStatus status;
    const MPlug plug = node.findPlug(attribute, true, &status);
    T value = fallback;
    if (!status || !plug.getValue(value)) return fallback;
    return value;
}

void writeVector(Q5XSaveUtil::XmlWriter& out, const char* element, const char* attribute, const MVector& value) {
    out.startTag(3, element);
    out.beginValue(attribute);
    for (int c = 0; c < 3; ++c) out.streamValue(value[unsigned(c)]);
    out.endValue();
    out.endEmptyTag();
}

void writeParticleSystem(double unitScale, const std::map<std::string, std::uint32_t>& dynamicIds, const MDagPath& shape,
                         Q5XSaveUtil::XmlWriter& out) {
    const MFnParticleSystem particles(shape);
    if (particles.renderType() != MFnParticleSystem::kSprites) {
        MGlobal::displayWarning("q5xExport: ParticleSystem only Sprites supported (" + shape.partialPathName() + ")\n");
        return;
    }
    const MObject gravityNode = firstConnectedNode(shape.node(), Direction::From, MFn::kGravity);
    const MObject airNode = firstConnectedNode(shape.node(), Direction::From, MFn::kAir);
    const MObject emitterNode = firstConnectedNode(shape.node(), Direction::Into, MFn::kEmitter);
    if (emitterNode.isNull()) return;
    const std::string emitterName = MFnDagNode(emitterNode).partialPathName().asChar();
    const auto id = dynamicIds.find(emitterName);
    if (id == dynamicIds.end()) return;

    const MFnDependencyNode emitter(emitterNode);
    out.startTag(2, "ParticleSystem");
    out.attribute("name", emitterName);
    out.attribute("dynamicId", id->second);
    out.streamAttribute("rate", valueOf(emitter, "rate", 100.0f) * 0.001);
    out.attribute("lifespanInfinite", valueOf(particles, "lifespanMode", 0) == 0);
    out.streamAttribute("speed", valueOf(emitter, "speed", 1.0f) * unitScale * 0.001);
    out.streamAttribute("speedRandom", valueOf(emitter, "speedRandom", 0.0f) * unitScale);
    out.streamAttribute("tangentSpeed", valueOf(emitter, "tangentSpeed", 0.0f));
    out.streamAttribute("normalSpeed", valueOf(emitter, "normalSpeed", 1.0f));
    out.streamAttribute("lifespan", valueOf(particles, "lifespan", 1.0f) * 1000.0);
    const int maxCount = valueOf(particles, "maxCount", -1);
    out.attribute("maxCount", std::int32_t(maxCount < 1 ? 100 : maxCount));
    out.streamAttribute("spriteScaleX", valueOf(particles, "spriteScaleX", 1.0f) * unitScale);
    out.streamAttribute("spriteScaleY", valueOf(particles, "spriteScaleY", 1.0f) * unitScale);
    out.attribute("depthSort", valueOf(particles, "depthSort", false));
    if (gravityNode.isNull() && airNode.isNull()) {
        out.endEmptyTag();
        return;
    }
    out.endStartTag();
    if (!gravityNode.isNull()) {
        const MFnGravityField gravity(gravityNode);
        writeVector(out, "Gravity", "force", gravity.direction() * gravity.magnitude() * unitScale);
    }
    if (!airNode.isNull()) {
        const MFnAirField air(airNode);
        writeVector(out, "Air", "velocity", air.direction() * air.magnitude() * air.speed() * unitScale);
    }
    out.endTag(2, "ParticleSystem");
}

}  // namespace

void writeDynamics(double unitScale, const std::map<std::string, std::uint32_t>& dynamicIds, Q5XSaveUtil::XmlWriter& out) {
    out.raw("  <Dynamics>\n");
    for (MItDag it(MItDag::kDepthFirst, MFn::kParticle); !it.isDone(); it.next()) {
        MDagPath shape;
        it.getPath(shape);
        writeParticleSystem(unitScale, dynamicIds, shape, out);
    }
    out.raw("  </Dynamics>\n");
}
