#include "TransformAttributes.h"

#include "AttributeReaders.h"
#include "ExtraAttributes.h"
#include "SceneWalk.h"

#include "saveutil/TextUtils.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnIkJoint.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>

#include <cmath>
#include <cstdio>

namespace {

constexpr double kRadiansToDegrees = 180.0 * 0.3183098861837907;
constexpr float kDefaultLodDistance = 100.0f;

struct Components {
    double translation[3];
    MEulerRotation rotation;
    double scale[3];
};

bool isIdentity(const MQuaternion& q) {
    return q.x == 0.0 && q.y == 0.0 && q.z == 0.0 && q.w == 1.0;
}

std::string triple(double a, double b, double c) {
    return fixedText(float(a)) + " " + fixedText(float(b)) + " " + fixedText(float(c));
}

// Written unless every component is `neutral` or formats as it.
void writeTriple(std::ostream& out, const char* name, const double (&values)[3], double neutral) {
    if (values[0] == neutral && values[1] == neutral && values[2] == neutral) return;
    const std::string text = triple(values[0], values[1], values[2]);
    const std::string neutralText = triple(neutral, neutral, neutral);
    if (text != neutralText) out << ' ' << name << "=\"" << text << '"';
}

// The bind matrix of a joint: its "bindPose" plug feeds exactly one plug of a pose node, and the
// pose's "xformMatrix" element of the same index holds the matrix.
bool findBindPose(const MFnDagNode& joint, MTransformationMatrix& bind) {
    MStatus status;
    const MPlug bindPose = joint.findPlug("bindPose", true, &status);
    MPlugArray destinations;
    if (!status || !bindPose.connectedTo(destinations, false, true)) return false;
    int poses = 0;
    MPlug posePlug;
    for (unsigned i = 0; i < destinations.length(); ++i) {
        if (destinations[i].node().hasFn(MFn::kDagPose)) {
            ++poses;
            posePlug = destinations[i];
        }
    }
    if (poses != 1 || !posePlug.isElement()) return false;
    const MPlug matrices = MFnDependencyNode(posePlug.node()).findPlug("xformMatrix", true, &status);
    if (!status) return false;
    MObject data = matrices.elementByLogicalIndex(posePlug.logicalIndex()).asMObject(&status);
    if (!status) return false;
    bind = MFnMatrixData(data).transformation(&status);
    return static_cast<bool>(status);
}

Components readComponents(const ExportSettings& settings, const MDagPath& transform, NodeRecord& record) {
    const MFnTransform node(transform);
    // One reading of the transform's components serves translation, rotation, scale and axis.
    const MTransformationMatrix current = node.transformation();
    Components components;
    const MVector t = current.getTranslation(MSpace::kTransform);
    components.translation[0] = t.x;
    components.translation[1] = t.y;
    components.translation[2] = t.z;
    components.rotation = current.eulerRotation();
    current.getScale(components.scale, MSpace::kTransform);
    const MQuaternion rotateAxis = current.rotationOrientation();
    record.hasRotateAxis = !isIdentity(rotateAxis);
    record.rotateAxis = record.hasRotateAxis ? rotateAxis : MQuaternion();
    record.hasJointOrientation = false;
    record.jointOrientation = MQuaternion();
    if (transform.hasFn(MFn::kJoint)) {
        if (!settings.ignoreBindPoses) {
            MTransformationMatrix bind;
            if (findBindPose(node, bind)) {
                const MVector bt = bind.getTranslation(MSpace::kTransform);
                components.translation[0] = bt.x;
                components.translation[1] = bt.y;
                components.translation[2] = bt.z;
                components.rotation = bind.eulerRotation();
                bind.getScale(components.scale, MSpace::kTransform);
            } else {
                MGlobal::displayWarning(MString("q5xExport: Joint without bind pose found. Using current rotation (") +
                                        transform.partialPathName() + ").\n");
            }
        }
        MQuaternion orientation;
        MFnIkJoint(transform).getOrientation(orientation);
        record.hasJointOrientation = !isIdentity(orientation);
        if (record.hasJointOrientation) record.jointOrientation = orientation;
    }
    record.rotationOrder = components.rotation.order;
    if (!record.hasRotateAxis && !record.hasJointOrientation) {
        components.rotation.reorderIt(MEulerRotation::kXYZ);
    } else {
        MQuaternion q = components.rotation.asQuaternion();
        if (record.hasRotateAxis) q = record.rotateAxis * q;
        if (record.hasJointOrientation) q = q * record.jointOrientation;
        components.rotation = q.asEulerRotation();
        components.rotation.reorderIt(MEulerRotation::kXYZ);
    }
    return components;
}

void writeLevelOfDetail(const MFnDagNode& node, std::ostream& out) {
    const std::string name = node.name().asChar();
    if (name.compare(0, 4, "lod_") == 0) {
        float distance = kDefaultLodDistance;
        if (std::sscanf(name.c_str() + 4, "%f", &distance) != 1) distance = kDefaultLodDistance;
        out << " lodDistance=\"0 " << distance * 0.5f << '"';
        return;
    }
    if (hasAttribute(node, "q5X_lod") && !readAttribute<bool>(node, "q5X_lod", true)) return;
    const float lod1 = readAttribute<float>(node, "q5X_lod1", 0.0f);
    const float lod2 = readAttribute<float>(node, "q5X_lod2", 0.0f);
    const float lod3 = readAttribute<float>(node, "q5X_lod3", 0.0f);
    if (lod1 == 0.0f) return;
    out << " lodDistance=\"0 " << lod1;
    if (lod2 != 0.0f) out << ' ' << lod2;
    if (lod2 != 0.0f && lod3 != 0.0f) out << ' ' << lod3;
    out << '"';
    if (hasAttribute(node, "q5X_lodBlending") && !readAttribute<bool>(node, "q5X_lodBlending", true)) {
        out << " lodBlending=\"false\"";
    }
}

}  // namespace

std::string fixedText(float value) {
    char buffer[Q5XSaveUtil::kFloatTextSize];
    if (const char* text = Q5XSaveUtil::formatFloat(value, buffer)) return text;
    // Too long for the short form: the same rules, printed in full.
    char wide[64];
    std::snprintf(wide, sizeof wide, "%.6f", static_cast<double>(value));
    std::string text = wide;
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

void writeTransformAttributes(const ExportSettings& settings, const MDagPath& transform, const TransformSwitches& switches,
                              NodeTable& nodes, std::ostream& out, const std::string& replacementName) {
    const MFnDagNode node(transform);
    out << " name=\"" << (replacementName.empty() ? std::string(node.name().asChar()) : replacementName) << '"';
    if (switches.lockedGroup && readAttribute<bool>(node, "q5X_lockedGroup", false)) out << " lockedgroup=\"true\"";
    if (switches.transform) {
        NodeRecord& record = nodes[transform.partialPathName().asChar()];
        Components components = readComponents(settings, transform, record);
        for (double& t : components.translation) t *= settings.unitScale;
        const double degrees[3] = {components.rotation.x * kRadiansToDegrees, components.rotation.y * kRadiansToDegrees,
                                   components.rotation.z * kRadiansToDegrees};
        writeTriple(out, "translation", components.translation, 0.0);
        writeTriple(out, "rotation", degrees, 0.0);
        writeTriple(out, "scale", components.scale, 1.0);
    }
    if (switches.visibility && !readAttribute<bool>(node, "visibility", true)) out << " visibility=\"false\"";
    if (switches.levelOfDetail) writeLevelOfDetail(node, out);
}

void writeClosingAttributes(ExportSettings& settings, const MDagPath& transform, NodeTable& nodes, std::ostream& out) {
    const MFnDagNode node(transform);
    static const ExtraAttribute kObjectMask = {ExtraAttribute::kHexMask, false, 0.0f, 0, 255, "", "q5X_objectMask",
                                               "objectMask", true};
    const ExtraAttributeValue mask = readExtraAttribute(node, kObjectMask);
    if (mask.isSet && mask.unsignedValue != 255) out << " objectMask=\"0x" << std::hex << mask.unsignedValue << std::dec << '"';
    MStatus status;
    const MPlug clip = node.findPlug("q5X_clipDistance", true, &status);
    float clipDistance = 0.0f;
    if (status && clip.getValue(clipDistance) && clipDistance != 0.0f) out << " clipDistance=\"" << clipDistance << '"';
    writeNodeId(settings, transform, nodes, out);
    if (!writeExtraAttributes(node, kVisibilityConditionTable, 10, out) &&
        readAttribute<bool>(node, "q5X_forceVisibilityCondition", false)) {
        out << " weatherPreventMask=\"0\"";
    }
}
