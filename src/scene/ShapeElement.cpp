// Shape elements: meshes (plain and split) and NURBS curves.
#include "AttributeReaders.h"
#include "CommonAttributes.h"
#include "ExtraAttributes.h"
#include "ShapeAttributes.h"
#include "ShapeRecords.h"

#include "saveutil/TextUtils.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

using Q5XSaveUtil::XmlWriter;

namespace {

void writeRigidBody(const MFnDependencyNode& node, XmlWriter& out) {
    const RigidBodyFlags flags = readRigidBodyFlags(node);
    if (!flags.compoundChild) {
        if (flags.kinematic) {
            out.attribute("kinematic", true);
        } else if (flags.dynamic) {
            out.attribute("dynamic", true);
        } else if (flags.isStatic) {
            out.attribute("static", true);
        }
    }
    if (flags.any()) writeExtraAttributes(node, kShapePhysicsTable, out);
}

void writeSplitUvs(const MFnDependencyNode& node, XmlWriter& out) {
    static const char* const kNames[] = {"q5X_splitMinU", "q5X_splitMinV", "q5X_splitMaxU", "q5X_splitMaxV",
                                         "q5X_splitUvWorldScale"};
    float values[5];
    for (int i = 0; i < 5; ++i) {
        MStatus status;
        const MPlug plug = node.findPlug(kNames[i], true, &status);
        if (!status || !plug.getValue(values[i])) return;
    }
    out.beginValue("splitUvs");
    for (const float value : values) out.streamValue(value);
    out.endValue();
}

// One node identifier per bound influence, in bind order; 0 for an influence not in the document.
void writeSkinBindNodeIds(const NodeWriteContext& context, XmlWriter& out) {
    const ShapeRecord& shape = *context.node.shape;
    if (!context.context.options.skinWeights || !shape.skinned) return;
    std::string ids;
    for (const std::string& influence : shape.skin.influences) {
        if (!ids.empty()) ids += ' ';
        ids += std::to_string(influence.empty() ? 0u : context.model.nodeTable.nodeIdOf(influence));
    }
    out.attribute("skinBindNodeIds", ids);
}

}  // namespace

// "yes" and "no" (any case) on the transform, else the shape's own flag, else false.
ExtraAttributeValue shadowValue(const MFnDependencyNode& transform, const MFnDependencyNode& shape, const char* steering,
                                const char* mayaFlag) {
    ExtraAttributeValue value;
    const std::string text = readText(transform, steering);
    const bool yes = Q5XSaveUtil::equalsIgnoringCase(text, "yes");
    if (yes || Q5XSaveUtil::equalsIgnoringCase(text, "no")) {
        value.isSet = true;
        value.boolValue = yes;
        return value;
    }
    MStatus status;
    const MPlug own = shape.findPlug(mayaFlag, true, &status);
    if (status && own.getValue(value.boolValue)) value.isSet = true;
    return value;
}

void writeShadows(const MFnDependencyNode& transform, const MFnDependencyNode& shape, XmlWriter& out) {
    writeExtraAttributeValue(shadowValue(transform, shape, "q5X_castsShadows", "castsShadows"), kShadowTable[0], out);
    writeExtraAttributeValue(shadowValue(transform, shape, "q5X_receiveShadows", "receiveShadows"), kShadowTable[1], out);
}

void writeMaterialIdList(const std::vector<std::uint32_t>& ids, char separator, XmlWriter& out) {
    std::string text;
    for (const std::uint32_t id : ids) {
        if (!text.empty()) text += separator;
        text += std::to_string(id);
    }
    out.attribute("materialIds", text);
}

void writeMeshShapeAttributes(const NodeWriteContext& context, XmlWriter& out) {
    const MFnDependencyNode node(context.node.transform);
    writeTransformAttributes(context, kShapeSwitches, out);
    out.attribute("shapeId", context.node.shape->shapeId);
    writeRigidBody(node, out);
    writeSplitUvs(node, out);
    writeShadows(node, MFnDependencyNode(context.node.decidingChild), out);
    writeExtraAttributes(node, kRenderingTable, out);
    writeMaterialIdList(context.node.shape->materialIds, ',', out);
    writeSkinBindNodeIds(context, out);
}

void writeCurveShapeAttributes(const NodeWriteContext& context, XmlWriter& out) {
    writeTransformAttributes(context, kShapeSwitches, out);
    out.attribute("shapeId", context.node.shape->shapeId);
    writeExtraAttributes(MFnDependencyNode(context.node.transform), kRenderingTable, out);
}
