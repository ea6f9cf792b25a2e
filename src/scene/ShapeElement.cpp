#include "ShapeElement.h"

#include "AttributeReaders.h"
#include "ExtraAttributes.h"
#include "TransformAttributes.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnMesh.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyGraph.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>

#include <algorithm>
#include <cctype>

namespace {

const TransformSwitches kShapeSwitches = {true, false, true, true};

MDagPath shapePath(const MDagPath& transform, const NodeClassification& classification) {
    MDagPath path = transform;
    path.push(transform.child(classification.childIndex));
    return path;
}

ShapeRecord& shapeRecord(ExportSettings& settings, SceneCollections& collections, const std::string& key,
                         const MObject& shape) {
    auto found = collections.shapes.find(key);
    if (found != collections.shapes.end()) return found->second;
    ShapeRecord& record = collections.shapes[key];
    record.shapeId = settings.nextShapeId++;
    record.shape = shape;
    return record;
}

bool lowerEquals(const std::string& text, const char* expected) {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == expected;
}

// "yes" and "no" (any case) on the transform, else the shape's own flag, else false.
ExtraAttributeValue shadowValue(const MFnDagNode& transform, const MFnDagNode& shape, const char* steering,
                                const char* mayaFlag) {
    ExtraAttributeValue value;
    const std::string text = readText(transform, steering);
    if (lowerEquals(text, "yes") || lowerEquals(text, "no")) {
        value.isSet = true;
        value.boolValue = lowerEquals(text, "yes");
        return value;
    }
    MStatus status;
    const MPlug own = shape.findPlug(mayaFlag, true, &status);
    if (status && own.getValue(value.boolValue)) value.isSet = true;
    return value;
}

void writeShadows(const MFnDagNode& transform, const MFnDagNode& shape, std::ostream& out) {
    writeExtraAttributeValue(shadowValue(transform, shape, "q5X_castsShadows", "castsShadows"), kShadowTable[0], out);
    writeExtraAttributeValue(shadowValue(transform, shape, "q5X_receiveShadows", "receiveShadows"), kShadowTable[1], out);
}

void writeMaterialIds(const MDagPath& shape, SceneCollections& collections, std::ostream& out) {
    MObjectArray groups;
    MIntArray indices;
    MFnMesh(shape).getConnectedShaders(0, groups, indices);
    int highest = -1;
    for (unsigned i = 0; i < indices.length(); ++i) highest = std::max(highest, indices[i]);
    std::string ids;
    for (int g = 0; g <= highest && g < int(groups.length()); ++g) {
        const MFnDependencyNode group(groups[unsigned(g)]);
        MStatus status;
        const MPlug surfaceShader = group.findPlug("surfaceShader", true, &status);
        MPlugArray sources;
        if (!status) {
            MGlobal::displayWarning(MString("q5xExport: ShadingGroup surfaceShader attribute not found (") + group.name() + ")");
        } else if (!surfaceShader.connectedTo(sources, true, false) || sources.length() == 0) {
            MGlobal::displayWarning(MString("q5xExport: ShadingGroup surfaceShader attribute source plug not found (") +
                                    group.name() + ")");
        } else {
            if (!ids.empty()) ids += ',';
            ids += std::to_string(collections.materials.insert(MFnDependencyNode(sources[0].node()).name().asChar()));
        }
    }
    if (ids.empty()) ids = std::to_string(collections.materials.insert("lambert1"));
    out << " materialIds=\"" << ids << '"';
}

// The nodes a skin cluster upstream of the mesh binds, in its "matrix" element order.
bool findSkinInfluences(const MDagPath& shape, std::vector<std::string>& influences) {
    MObject mesh = shape.node();
    MItDependencyGraph upstream(mesh, MFn::kSkinClusterFilter, MItDependencyGraph::kUpstream);
    if (upstream.isDone()) return false;
    MStatus status;
    const MPlug matrices = MFnDependencyNode(upstream.currentItem()).findPlug("matrix", true, &status);
    if (!status) return true;
    for (unsigned i = 0; i < matrices.numElements(); ++i) {
        MPlugArray sources;
        matrices.elementByPhysicalIndex(i).connectedTo(sources, true, false);
        MDagPath influence;
        if (sources.length() == 1 && MDagPath::getAPathTo(sources[0].node(), influence)) {
            influences.push_back(influence.partialPathName().asChar());
        } else {
            influences.emplace_back();
        }
    }
    return true;
}

// A split shape's first transform child named "collisions" (any case), when it is a plain group,
// contributes every plain-shape child as a collision mesh.
void collectCollisionMeshes(const ExportSettings& settings, const MDagPath& transform, ShapeRecord& record,
                            SceneCollections& collections) {
    const MFnDagNode node(transform);
    for (unsigned i = 0; i < node.childCount(); ++i) {
        if (!node.child(i).hasFn(MFn::kTransform)) continue;
        MDagPath group = transform;
        group.push(node.child(i));
        if (!lowerEquals(MFnDagNode(group).name().asChar(), "collisions")) return;
        const NodeClassification groupKind = classifyTransform(settings, group, collections);
        if (!groupKind.exportNode || groupKind.kind != NodeKind::TransformGroup) return;
        for (std::uint32_t index : groupKind.transformChildren) {
            MDagPath member = group;
            member.push(group.child(index));
            const NodeClassification memberKind = classifyTransform(settings, member, collections);
            if (memberKind.exportNode && memberKind.kind == NodeKind::Shape) {
                record.collisionMeshes.emplace_back(member.child(memberKind.childIndex), member.node());
            }
        }
        return;
    }
}

void writeRigidBody(const MFnDagNode& node, bool inCompound, ShapeRecord& record, bool split, std::ostream& out) {
    const bool isStatic = readAttribute<bool>(node, "q5X_static", true);
    const bool kinematic = readAttribute<bool>(node, "q5X_kinematic", false);
    const bool dynamic = readAttribute<bool>(node, "q5X_dynamic", false);
    const bool compoundChild = readAttribute<bool>(node, "q5X_compoundChild", false);
    if (!compoundChild) {
        out << (kinematic ? " kinematic=\"true\"" : dynamic ? " dynamic=\"true\"" : isStatic ? " static=\"true\"" : "");
    }
    if (!(isStatic || kinematic || dynamic || compoundChild)) return;
    writeExtraAttributes(node, kShapePhysicsTable, 15, out);
    if (!split) {
        record.usedDynamically = compoundChild ? inCompound
                                               : dynamic || kinematic || readAttribute<bool>(node, "q5X_trigger", false);
    }
}

void writeSplitUvs(const MFnDagNode& node, std::ostream& out) {
    static const char* const kNames[] = {"q5X_splitMinU", "q5X_splitMinV", "q5X_splitMaxU", "q5X_splitMaxV",
                                         "q5X_splitUvWorldScale"};
    float values[5];
    for (int i = 0; i < 5; ++i) {
        MStatus status;
        const MPlug plug = node.findPlug(kNames[i], true, &status);
        if (!status || !plug.getValue(values[i])) return;
    }
    out << " splitUvs=\"" << values[0] << ' ' << values[1] << ' ' << values[2] << ' ' << values[3] << ' ' << values[4] << '"';
}

}  // namespace

void writeMeshShape(ExportSettings& settings, const MDagPath& transform, const NodeClassification& classification,
                    bool inCompound, SceneCollections& collections, std::ostream& out) {
    const MFnDagNode node(transform);
    const MDagPath shape = shapePath(transform, classification);
    const bool split = classification.kind == NodeKind::SplitShape;
    // The shape object's name (its first path), so that every instance of a mesh shares one shape.
    const std::string key = std::string(MFnDagNode(shape.node()).partialPathName().asChar()) + (split ? "*SplitShape*" : "");
    const bool isNew = collections.shapes.count(key) == 0;
    ShapeRecord& record = shapeRecord(settings, collections, key, shape.node());
    if (isNew) {
        record.split = split;
        record.cpuMesh = classification.cpuMesh;
        const std::string range = readText(node, "q5X_vertexCompressionRange");
        record.vertexCompressionRange = range.empty() ? 0.0f : std::strtof(range.c_str(), nullptr);
        if (split) collectCollisionMeshes(settings, transform, record, collections);
    }
    out << "<Shape";
    writeTransformAttributes(settings, transform, kShapeSwitches, collections.nodes, out);
    out << " shapeId=\"" << record.shapeId << '"';
    writeRigidBody(node, inCompound, record, split, out);
    writeSplitUvs(node, out);
    writeShadows(node, MFnDagNode(shape), out);
    writeExtraAttributes(node, kRenderingTable, 10, out);
    writeMaterialIds(shape, collections, out);
    std::vector<std::string> influences;
    if (settings.skinWeights && findSkinInfluences(shape, influences)) {
        const std::string placeholder = transform.partialPathName().asChar();
        out << " skinBindNodeIds=\"" << placeholder << '"';
        collections.skinPlaceholders.emplace_back(placeholder, influences);
    }
}

void writeCurveShape(ExportSettings& settings, const MDagPath& transform, const NodeClassification& classification,
                     SceneCollections& collections, std::ostream& out) {
    const MDagPath curve = shapePath(transform, classification);
    ShapeRecord& record = shapeRecord(settings, collections, MFnDagNode(curve.node()).partialPathName().asChar(), curve.node());
    out << "<Shape";
    writeTransformAttributes(settings, transform, kShapeSwitches, collections.nodes, out);
    out << " shapeId=\"" << record.shapeId << '"';
    writeExtraAttributes(MFnDagNode(transform), kRenderingTable, 10, out);
}
