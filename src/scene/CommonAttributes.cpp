#include "CommonAttributes.h"

#include "AttributeReaders.h"
#include "SteeringAttributeNames.h"
#include "ExtraAttributes.h"

#include "saveutil/TextUtils.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <string_view>

using Q5XSaveUtil::XmlWriter;

namespace {

constexpr float kDefaultLodDistance = 100.0f;

// Written unless every component is `neutral` or formats as it.
void writeTriple(XmlWriter& out, const char* name, const double (&values)[3], double neutral) {
    if (values[0] == neutral && values[1] == neutral && values[2] == neutral) return;
    // Values that only print as the neutral one leave the element out too.
    const std::string neutralText = Q5XSaveUtil::fixedNumberText(float(neutral));
    bool allNeutral = true;
    for (const double value : values) {
        allNeutral = allNeutral && (value == neutral || Q5XSaveUtil::fixedNumberText(float(value)) == neutralText);
    }
    if (allNeutral) return;
    out.beginValue(name);
    for (const double value : values) out.fixedValue(float(value), float(neutral));
    out.endValue();
}

// The distance in a "lod_<distance>" name, read as scanf's "%f" would; the default when none.
float lodDistanceFromName(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    const char* digits = text + (*text == '-' || *text == '+');
    const bool number = (*digits >= '0' && *digits <= '9') || (*digits == '.' && digits[1] >= '0' && digits[1] <= '9');
    if (!number) return kDefaultLodDistance;
    float distance = kDefaultLodDistance;
    Q5XSaveUtil::parseFloat(*text == '+' ? text + 1 : text, distance);
    return distance;
}

void writeLevelOfDetail(const MFnDependencyNode& node, XmlWriter& out) {
    const MString name = node.name();
    if (std::string_view(name.asChar(), name.length()).substr(0, 4) == "lod_") {
        out.beginValue("lodDistance");
        out.streamValue(0.0);
        out.streamValue(lodDistanceFromName(name.asChar() + 4) * 0.5f);
        out.endValue();
        return;
    }
    if (hasAttribute(node, kLodAttribute) && !readAttribute<bool>(node, kLodAttribute, true)) return;
    const float lod1 = readAttribute<float>(node, kLod1Attribute, 0.0f);
    const float lod2 = readAttribute<float>(node, kLod2Attribute, 0.0f);
    const float lod3 = readAttribute<float>(node, kLod3Attribute, 0.0f);
    if (lod1 == 0.0f) return;
    out.beginValue("lodDistance");
    out.streamValue(0.0);
    out.streamValue(lod1);
    if (lod2 != 0.0f) out.streamValue(lod2);
    if (lod2 != 0.0f && lod3 != 0.0f) out.streamValue(lod3);
    out.endValue();
    if (hasAttribute(node, kLodBlendingAttribute) && !readAttribute<bool>(node, kLodBlendingAttribute, true)) {
        out.attribute("lodBlending", false);
    }
}

}  // namespace

void writeTransformAttributes(const NodeWriteContext& context, const TransformSwitches& switches, XmlWriter& out, const char* name) {
    const MFnDependencyNode node(context.node.transform);
    const MString ownName = node.name();
    out.attribute("name", name ? std::string_view(name) : std::string_view(ownName.asChar(), ownName.length()));
    if (switches.lockedGroup && readAttribute<bool>(node, kLockedGroupAttribute, false)) out.attribute("lockedgroup", true);
    if (switches.transform) {
        const TransformValues& values = context.node.transformValues;
        writeTriple(out, "translation", values.translation, 0.0);
        writeTriple(out, "rotation", values.rotation, 0.0);
        writeTriple(out, "scale", values.scale, 1.0);
    }
    if (switches.visibility && !readAttribute<bool>(node, kVisibilityAttribute, true)) out.attribute("visibility", false);
    if (switches.levelOfDetail) writeLevelOfDetail(node, out);
}

void writeClosingAttributes(const NodeWriteContext& context, XmlWriter& out) {
    const MFnDependencyNode node(context.node.transform);
    static const ExtraAttribute kObjectMask = {ExtraAttribute::kHexMask, false, 0.0f, 0, 255, "", "q5X_objectMask",
                                               "objectMask", true};
    const ExtraAttributeValue mask = readExtraAttribute(node, kObjectMask);
    if (mask.isSet && mask.unsignedValue != 255) out.hexAttribute("objectMask", mask.unsignedValue);
    MStatus status;
    const MPlug clip = node.findPlug(kClipDistanceAttribute, true, &status);
    float clipDistance = 0.0f;
    if (status && clip.getValue(clipDistance) && clipDistance != 0.0f) out.attribute("clipDistance", clipDistance);
    out.attribute("nodeId", context.node.nodeId);
    if (!writeExtraAttributes(node, kVisibilityConditionTable, out) &&
        readAttribute<bool>(node, kForceVisibilityConditionAttribute, false)) {
        out.attribute("weatherPreventMask", "0");
    }
}
