#include "ExtraAttributes.h"

#include "saveutil/TextUtils.h"

#include <maya/MPlug.h>

#include <cmath>

namespace {

constexpr float kFloatTolerance = 0.0001f;

ExtraAttribute row(ExtraAttribute::Type type, const char* mayaName, const char* xmlName) {
    return {type, false, 0.0f, 0, 0, "", mayaName, xmlName, true};
}

ExtraAttribute boolRow(const char* mayaName, const char* xmlName, bool value = false) {
    ExtraAttribute r = row(ExtraAttribute::kBool, mayaName, xmlName);
    r.boolDefault = value;
    return r;
}

ExtraAttribute floatRow(const char* mayaName, const char* xmlName, float value = 0.0f) {
    ExtraAttribute r = row(ExtraAttribute::kFloat, mayaName, xmlName);
    r.floatDefault = value;
    return r;
}

ExtraAttribute intRow(const char* mayaName, const char* xmlName, std::int32_t value = 0) {
    ExtraAttribute r = row(ExtraAttribute::kInt, mayaName, xmlName);
    r.intDefault = value;
    return r;
}

ExtraAttribute unsignedRow(ExtraAttribute::Type type, const char* mayaName, const char* xmlName, std::uint32_t value) {
    ExtraAttribute r = row(type, mayaName, xmlName);
    r.unsignedDefault = value;
    return r;
}

ExtraAttribute maskRow(const char* mayaName, const char* xmlName, std::uint32_t value) {
    return unsignedRow(ExtraAttribute::kHexMask, mayaName, xmlName, value);
}

bool readUnsigned(const MPlug& plug, bool fromText, std::uint32_t& value) {
    if (fromText) {
        MString text;
        if (plug.getValue(text)) {
            value = static_cast<std::uint32_t>(Q5XSaveUtil::parseInt(text.asChar()));
            return true;
        }
    }
    int number = 0;
    if (!plug.getValue(number) || number < 0) return false;
    value = static_cast<std::uint32_t>(number);
    return true;
}

bool readValue(const MPlug& plug, const ExtraAttribute& row, ExtraAttributeValue& value) {
    switch (row.type) {
        case ExtraAttribute::kBool: return static_cast<bool>(plug.getValue(value.boolValue));
        case ExtraAttribute::kFloat: return static_cast<bool>(plug.getValue(value.floatValue));
        case ExtraAttribute::kInt: return static_cast<bool>(plug.getValue(value.intValue));
        case ExtraAttribute::kUnsignedFromInt: return readUnsigned(plug, false, value.unsignedValue);
        case ExtraAttribute::kUnsignedFromText:
        case ExtraAttribute::kHexMask: return readUnsigned(plug, true, value.unsignedValue);
        case ExtraAttribute::kText: return static_cast<bool>(plug.getValue(value.text));
    }
    return false;
}

bool equalsDefault(const ExtraAttributeValue& value, const ExtraAttribute& row) {
    switch (row.type) {
        case ExtraAttribute::kBool: return value.boolValue == row.boolDefault;
        case ExtraAttribute::kFloat: return !(std::fabs(value.floatValue - row.floatDefault) > kFloatTolerance);
        case ExtraAttribute::kInt: return value.intValue == row.intDefault;
        case ExtraAttribute::kUnsignedFromInt:
        case ExtraAttribute::kUnsignedFromText:
        case ExtraAttribute::kHexMask: return value.unsignedValue == row.unsignedDefault;
        case ExtraAttribute::kText: return value.text == row.textDefault;
    }
    return true;
}

ExtraAttributeValue defaultValue(const ExtraAttribute& row) {
    ExtraAttributeValue value;
    value.boolValue = row.boolDefault;
    value.floatValue = row.floatDefault;
    value.intValue = row.intDefault;
    value.unsignedValue = row.unsignedDefault;
    if (row.type == ExtraAttribute::kText) value.text = row.textDefault;
    return value;
}

void writeValue(const ExtraAttributeValue& value, const ExtraAttribute& row, Q5XSaveUtil::XmlWriter& out) {
    switch (row.type) {
        case ExtraAttribute::kBool: out.attribute(row.xmlName, value.boolValue); break;
        case ExtraAttribute::kFloat: out.attribute(row.xmlName, value.floatValue); break;
        case ExtraAttribute::kInt: out.attribute(row.xmlName, value.intValue); break;
        case ExtraAttribute::kUnsignedFromInt: out.attribute(row.xmlName, static_cast<std::int32_t>(value.unsignedValue)); break;
        case ExtraAttribute::kUnsignedFromText: out.attribute(row.xmlName, value.unsignedValue); break;
        case ExtraAttribute::kHexMask: out.hexAttribute(row.xmlName, value.unsignedValue); break;
        case ExtraAttribute::kText: out.attribute(row.xmlName, value.text.asChar()); break;
    }
}

// Rows the rigid-body and shape physics tables share.
const ExtraAttribute kCompoundRow = boolRow("q5X_compound", "compound");
const ExtraAttribute kCollisionRow = boolRow("q5X_collision", "collision", true);
const ExtraAttribute kCcdRow = boolRow("q5X_ccd", "ccd");
const ExtraAttribute kTriggerRow = boolRow("q5X_trigger", "trigger");
const ExtraAttribute kRestitutionRow = floatRow("q5X_restitution", "restitution");
const ExtraAttribute kStaticFrictionRow = floatRow("q5X_staticFriction", "staticFriction", 0.5f);
const ExtraAttribute kDynamicFrictionRow = floatRow("q5X_dynamicFriction", "dynamicFriction", 0.5f);
const ExtraAttribute kLinearDampingRow = floatRow("q5X_linearDamping", "linearDamping");
const ExtraAttribute kAngularDampingRow = floatRow("q5X_angularDamping", "angularDamping", 0.01f);
const ExtraAttribute kDensityRow = floatRow("q5X_density", "density", 1.0f);
const ExtraAttribute kFilterGroupRow = maskRow("q5X_collisionFilterGroup", "collisionFilterGroup", 255);
const ExtraAttribute kFilterMaskRow = maskRow("q5X_collisionFilterMask", "collisionFilterMask", 255);
const ExtraAttribute kSolverIterationsRow = intRow("q5X_solverIterationCount", "solverIterationCount", 4);

}  // namespace

const ExtraAttribute kTransformRigidBodyTable[16] = {
    kCompoundRow,
    boolRow("q5X_static", "static"),
    boolRow("q5X_dynamic", "dynamic"),
    boolRow("q5X_kinematic", "kinematic"),
    kCollisionRow,
    kCcdRow,
    kTriggerRow,
    kRestitutionRow,
    kStaticFrictionRow,
    kDynamicFrictionRow,
    kLinearDampingRow,
    kAngularDampingRow,
    kDensityRow,
    kFilterGroupRow,
    kFilterMaskRow,
    kSolverIterationsRow,
};

const ExtraAttribute kShapePhysicsTable[15] = {
    boolRow("q5X_compoundChild", "compoundChild"),
    kCompoundRow,
    kCollisionRow,
    kCcdRow,
    kTriggerRow,
    kRestitutionRow,
    kStaticFrictionRow,
    kDynamicFrictionRow,
    kLinearDampingRow,
    kAngularDampingRow,
    kDensityRow,
    kFilterGroupRow,
    kFilterMaskRow,
    kSolverIterationsRow,
    intRow("q5X_splitType", "splitType"),
};

const ExtraAttribute kJointTable[13] = {
    boolRow("q5X_projection", "projection"),
    boolRow("q5X_xAxisDrive", "xAxisDrive"),
    boolRow("q5X_yAxisDrive", "yAxisDrive"),
    boolRow("q5X_zAxisDrive", "zAxisDrive"),
    boolRow("q5X_drivePos", "drivePos"),
    floatRow("q5X_projDistance", "projDistance", 0.01f),
    floatRow("q5X_driveForceLimit", "driveForceLimit", 100000.0f),
    floatRow("q5X_driveSpring", "driveSpring", 1.0f),
    floatRow("q5X_driveDamping", "driveDamping", 0.01f),
    boolRow("q5X_breakableJoint", "breakableJoint"),
    floatRow("q5X_jointBreakForce", "jointBreakForce"),
    floatRow("q5X_jointBreakTorque", "jointBreakTorque"),
    boolRow("", ""),
};

const ExtraAttribute kVisibilityConditionTable[10] = {
    intRow("q5X_minuteOfDayStart", "minuteOfDayStart"),
    intRow("q5X_minuteOfDayEnd", "minuteOfDayEnd"),
    intRow("q5X_dayOfYearStart", "dayOfYearStart"),
    intRow("q5X_dayOfYearEnd", "dayOfYearEnd"),
    maskRow("q5X_weatherRequiredMask", "weatherRequiredMask", 0),
    maskRow("q5X_weatherPreventMask", "weatherPreventMask", 0),
    maskRow("q5X_viewerSpacialityRequiredMask", "viewerSpacialityRequiredMask", 0),
    maskRow("q5X_viewerSpacialityPreventMask", "viewerSpacialityPreventMask", 0),
    boolRow("q5X_renderInvisible", "renderInvisible"),
    floatRow("q5X_visibleShaderParameter", "visibleShaderParameter", 1.0f),
};

const ExtraAttribute kRenderingTable[10] = {
    boolRow("q5X_nonRenderable", "nonRenderable"),
    boolRow("q5X_distanceBlending", "distanceBlending", true),
    boolRow("q5X_oc", "occluder"),
    boolRow("q5X_terrainDecal", "terrainDecal"),
    boolRow("q5X_renderedInViewports", "renderedInViewports", true),
    boolRow("q5X_doubleSided", "doubleSided"),
    boolRow("q5X_materialHolder", "materialHolder"),
    maskRow("q5X_navMeshMask", "buildNavMeshMask", 255),
    unsignedRow(ExtraAttribute::kUnsignedFromInt, "q5X_adPlacementId", "adPlacementId", 0),
    unsignedRow(ExtraAttribute::kUnsignedFromInt, "q5X_decalLayer", "decalLayer", 0),
};

namespace {

ExtraAttribute keptRow(ExtraAttribute r) {
    r.skipDefault = false;
    return r;
}

}  // namespace

const ExtraAttribute kShadowTable[2] = {
    keptRow(boolRow("q5X_castsShadows", "castsShadows")),
    keptRow(boolRow("q5X_receiveShadows", "receiveShadows")),
};

namespace {

// Reads the row's attribute into `value` (from the row's defaults); false when the node lacks it
// or it cannot be read, `value` then being unspecified.
bool readRow(const MFnDependencyNode& node, const ExtraAttribute& row, ExtraAttributeValue& value) {
    if (row.mayaName.length() == 0 || row.type > ExtraAttribute::kHexMask) return false;
    MStatus status;
    const MPlug plug = node.findPlug(row.mayaName, true, &status);
    if (!status) return false;
    value = defaultValue(row);
    value.isSet = readValue(plug, row, value);
    return value.isSet;
}

}  // namespace

ExtraAttributeValue readExtraAttribute(const MFnDependencyNode& node, const ExtraAttribute& row) {
    ExtraAttributeValue value;
    if (!readRow(node, row, value)) value = defaultValue(row);
    return value;
}

bool writeExtraAttributeRows(const MFnDependencyNode& node, const ExtraAttribute* table, unsigned rowCount,
                             Q5XSaveUtil::XmlWriter& out) {
    // One value for every row: a node lacks most of them, and those cost no value at all.
    ExtraAttributeValue value;
    bool wrote = false;
    for (unsigned i = 0; i < rowCount; ++i) {
        if (!readRow(node, table[i], value) || equalsDefault(value, table[i])) continue;
        writeValue(value, table[i], out);
        wrote = true;
    }
    return wrote;
}

void writeExtraAttributeValue(const ExtraAttributeValue& value, const ExtraAttribute& row, Q5XSaveUtil::XmlWriter& out) {
    if (value.isSet && !equalsDefault(value, row)) {
        writeValue(value, row, out);
    } else if (!row.skipDefault) {
        writeValue(defaultValue(row), row, out);
    }
}

bool isDefaultExtraAttributeValue(const ExtraAttributeValue& value, const ExtraAttribute& row) {
    return equalsDefault(value, row);
}

bool sameExtraAttributeValue(const ExtraAttributeValue& a, const ExtraAttributeValue& b, const ExtraAttribute& row) {
    switch (row.type) {
        case ExtraAttribute::kBool: return a.boolValue == b.boolValue;
        case ExtraAttribute::kFloat: return !(std::fabs(a.floatValue - b.floatValue) > kFloatTolerance);
        case ExtraAttribute::kInt: return a.intValue == b.intValue;
        case ExtraAttribute::kUnsignedFromInt:
        case ExtraAttribute::kUnsignedFromText:
        case ExtraAttribute::kHexMask: return a.unsignedValue == b.unsignedValue;
        case ExtraAttribute::kText: return a.text == b.text;
    }
    return true;
}
