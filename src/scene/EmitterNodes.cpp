// Emitters: a transform with an emitter below it is a Dynamic node, which the engine binds to the
// particle system the emitter feeds. It needs the particles, the surface the emitter emits from
// and the particles' shader; without all three it is written as a TransformGroup (so that nothing
// below it is lost), with a warning for each that is missing.
#include "NodeKinds.h"

#include "lookup/Connections.h"

#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MGlobal.h>

namespace {

// The mesh an emitter emits from, through the geometry connector that links them.
MObject emittingSurface(const MObject& emitter) {
    const MObject connector = firstConnectedNode(emitter, Direction::Into, MFn::kGeoConnector);
    return connector.isNull() ? MObject::kNullObj : firstConnectedNode(connector, Direction::Into, MFn::kMesh);
}

// The lambert-family shader of the shading group the particles are a member of.
MObject particleShader(const MObject& particles) {
    const MObject group = firstConnectedNode(particles, Direction::From, MFn::kShadingEngine, FnMatch::HasFn);
    return group.isNull() ? MObject::kNullObj : firstConnectedNode(group, Direction::Into, MFn::kLambert, FnMatch::HasFn);
}

}  // namespace

bool recordEmitter(NodeRecording& recording, SceneNode& node) {
    const MObject emitter = MFnDagNode(recording.transform()).child(recording.classification().childIndex);
    MDagPath emitterPath = recording.transform();
    emitterPath.push(emitter);
    const MString name = emitterPath.partialPathName();
    const MObject particles = firstConnectedNode(emitter, Direction::Into, MFn::kParticle);
    if (particles.isNull()) MGlobal::displayWarning("q5xExport: Particle System not found (" + name + ")\n");
    const bool surface = !emittingSurface(emitter).isNull();
    const bool shader = !particles.isNull() && !particleShader(particles).isNull();
    if (!surface) MGlobal::displayWarning("q5xExport: Emitter Shape not found (" + name + ")\n");
    if (!shader) MGlobal::displayWarning("q5xExport: Shader not found (" + name + ")\n");
    if (particles.isNull() || !surface || !shader) {
        node.element = &transformGroupElement();
        return true;
    }
    node.decidingChild = emitter;
    auto& ids = recording.model().dynamicIds;
    node.dynamicId = ids.try_emplace(name.asChar(), std::uint32_t(ids.size() + 1)).first->second;
    return true;
}
