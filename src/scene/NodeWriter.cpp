#include "NodeWriter.h"

#include "AttributeReaders.h"
#include "ExtraAttributes.h"
#include "ShapeElement.h"
#include "TransformAttributes.h"

#include "saveutil/TextUtils.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnTransform.h>

#include <cstdlib>

namespace {

constexpr double kLimitRadiansToDegrees = 57.29577951308232;

void indent(std::ostream& out, unsigned depth) {
    for (unsigned i = 0; i < depth + 2; ++i) out << "  ";
}

// A joint's limits that Maya has switched on.
void writeJointLimits(const MFnTransform& joint, std::ostream& out) {
    struct Limit {
        MFnTransform::LimitType type;
        const char* name;
        bool rotation;
    };
    static const Limit kLimits[] = {
        {MFnTransform::kRotateMinX, "rotMinX", true},      {MFnTransform::kRotateMinY, "rotMinY", true},
        {MFnTransform::kRotateMinZ, "rotMinZ", true},      {MFnTransform::kRotateMaxX, "rotMaxX", true},
        {MFnTransform::kRotateMaxY, "rotMaxY", true},      {MFnTransform::kRotateMaxZ, "rotMaxZ", true},
        {MFnTransform::kTranslateMinX, "transMinX", false}, {MFnTransform::kTranslateMinY, "transMinY", false},
        {MFnTransform::kTranslateMinZ, "transMinZ", false}, {MFnTransform::kTranslateMaxX, "transMaxX", false},
        {MFnTransform::kTranslateMaxY, "transMaxY", false}, {MFnTransform::kTranslateMaxZ, "transMaxZ", false},
    };
    for (const Limit& limit : kLimits) {
        if (!joint.isLimited(limit.type)) continue;
        const double value = joint.limitValue(limit.type);
        out << ' ' << limit.name << "=\"" << (limit.rotation ? value * kLimitRadiansToDegrees : value) << '"';
    }
}

void writeTransformGroup(const ExportSettings& settings, const MDagPath& transform, SceneCollections& collections,
                         std::ostream& out) {
    const MFnTransform node(transform);
    out << "<TransformGroup";
    writeTransformAttributes(settings, transform, {true, true, true, true}, collections.nodes, out);
    if (!readAttribute<bool>(node, "q5X_joint", false)) {
        writeExtraAttributes(node, kTransformRigidBodyTable, 16, out);
        return;
    }
    out << " joint=\"true\"";
    writeExtraAttributes(node, kJointTable, 13, out);
    writeJointLimits(node, out);
}

void writeReferenceNode(ExportSettings& settings, const MDagPath& transform, const std::string& referenceFile,
                        SceneCollections& collections, std::ostream& out) {
    const MFnDagNode node(transform);
    out << "<ReferenceNode";
    writeTransformAttributes(settings, transform, {true, false, true, false}, collections.nodes, out);
    out << " referenceId=\"" << collections.files.insert(referenceFile) << '"';
    if (hasAttribute(node, "q5X_referenceRuntimeLoaded") && !readAttribute<bool>(node, "q5X_referenceRuntimeLoaded", true)) {
        out << " referenceRuntimeLoaded=\"false\"";
    }
    writeNodeId(settings, transform, collections.nodes, out);
    out << "/>\n";
}

bool writeElement(ExportSettings& settings, const MDagPath& transform, const NodeClassification& classification,
                  bool inCompound, SceneCollections& collections, std::ostream& out) {
    switch (classification.kind) {
        case NodeKind::TransformGroup:
            writeTransformGroup(settings, transform, collections, out);
            return true;
        case NodeKind::Shape:
        case NodeKind::SplitShape:
            writeMeshShape(settings, transform, classification, inCompound, collections, out);
            return true;
        case NodeKind::NurbsCurve:
            writeCurveShape(settings, transform, classification, collections, out);
            return true;
        default:
            return false;
    }
}

const char* endTag(NodeKind kind) {
    return kind == NodeKind::TransformGroup ? "</TransformGroup>\n" : "</Shape>\n";
}

bool isWritten(NodeKind kind) {
    return kind == NodeKind::TransformGroup || kind == NodeKind::Shape || kind == NodeKind::SplitShape ||
           kind == NodeKind::NurbsCurve;
}

}  // namespace

void writeNode(ExportSettings& settings, const MDagPath& transform, const NodeClassification& classification,
               unsigned depth, bool inCompound, SceneCollections& collections, std::ostream& out) {
    const MFnDagNode node(transform);
    if (Q5XSaveUtil::hasIgnoreSuffix(node.name().asChar())) return;
    // Lights, cameras, emitters and merge groups have writers of their own, which this exporter
    // does not have yet: such nodes are left out with their subtrees rather than written wrong.
    if (!isWritten(classification.kind)) return;
    indent(out, depth);
    const std::string referenceFile = readText(node, "q5X_referenceFilename");
    if (!referenceFile.empty()) {
        writeReferenceNode(settings, transform, referenceFile, collections, out);
        return;
    }
    if (hasAttribute(node, "q5X_compound")) {
        MStatus status;
        bool compound = false;
        if (node.findPlug("q5X_compound", true, &status).getValue(compound) && compound) {
            inCompound = readAttribute<bool>(node, "q5X_dynamic", false) || readAttribute<bool>(node, "q5X_kinematic", false) ||
                         readAttribute<bool>(node, "q5X_trigger", false);
        }
    }
    writeElement(settings, transform, classification, inCompound, collections, out);
    writeClosingAttributes(settings, transform, collections.nodes, out);
    if (classification.transformChildren.empty()) {
        out << "/>\n";
        return;
    }
    out << ">\n";
    for (std::uint32_t index : classification.transformChildren) {
        MDagPath child = transform;
        child.push(transform.child(index));
        visitTransform(settings, child, depth + 1, inCompound, collections, out);
    }
    indent(out, depth);
    out << endTag(classification.kind);
}

std::string replaceSkinPlaceholders(const std::string& scene, const SceneCollections& collections) {
    std::string result = scene;
    for (const auto& placeholder : collections.skinPlaceholders) {
        const std::string marker = " skinBindNodeIds=\"" + placeholder.first + "\"";
        std::string ids;
        for (const std::string& influence : placeholder.second) {
            const auto record = collections.nodes.find(influence);
            if (record == collections.nodes.end()) continue;
            if (!ids.empty()) ids += ' ';
            ids += std::to_string(record->second.nodeId);
        }
        const std::size_t position = result.find(marker);
        if (position != std::string::npos) result.replace(position, marker.size(), " skinBindNodeIds=\"" + ids + "\"");
    }
    return result;
}
