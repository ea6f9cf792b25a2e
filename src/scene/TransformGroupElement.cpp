// TransformGroup elements: groups, rigid bodies and joints.
#include "AttributeReaders.h"
#include "CommonAttributes.h"
#include "ExtraAttributes.h"
#include "TransformValues.h"

#include <maya/MFnTransform.h>

using Q5XSaveUtil::XmlWriter;

namespace {

// A joint's limits that Maya has switched on.
void writeJointLimits(const MFnTransform& joint, XmlWriter& out) {
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
        out.beginValue(limit.name);
        out.streamValue(limit.rotation ? value * kRadiansToDegrees : value);
        out.endValue();
    }
}

}  // namespace

void writeTransformGroupAttributes(const NodeWriteContext& context, XmlWriter& out) {
    const MFnDependencyNode node(context.node.transform);
    writeTransformAttributes(context, {true, true, true, true}, out);
    if (!readAttribute<bool>(node, "q5X_joint", false)) {
        writeExtraAttributes(node, kTransformRigidBodyTable, out);
        return;
    }
    out.attribute("joint", true);
    writeExtraAttributes(node, kJointTable, out);
    writeJointLimits(MFnTransform(context.node.transform), out);
}
