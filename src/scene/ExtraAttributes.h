#ifndef Q5X_SCENE_EXTRAATTRIBUTES_H
#define Q5X_SCENE_EXTRAATTRIBUTES_H

#include <maya/MFnDependencyNode.h>
#include <maya/MString.h>

#include <cstdint>

#include "saveutil/XmlWriter.h"

// One "q5X_" attribute and the XML attribute it becomes.
struct ExtraAttribute {
    enum Type : std::uint32_t {
        kBool = 0,
        kFloat = 1,
        kInt = 2,
        kUnsignedFromInt = 3,
        kText = 4,
        kUnsignedFromText = 5,
        kHexMask = 6,
    };
    Type type;
    bool boolDefault;
    float floatDefault;
    std::int32_t intDefault;
    std::uint32_t unsignedDefault;
    const char* textDefault;
    MString mayaName;  // built once: steering attributes are looked up for every node
    const char* xmlName;
    bool skipDefault;
};

// A value read earlier, for writers that combine the values of several nodes.
struct ExtraAttributeValue {
    bool isSet = false;
    bool boolValue = false;
    float floatValue = 0.0f;
    std::int32_t intValue = 0;
    std::uint32_t unsignedValue = 0;
    MString text;
};

// The format's vocabulary: rows, order, types and defaults are fixed.
extern const ExtraAttribute kTransformRigidBodyTable[16];
extern const ExtraAttribute kShapePhysicsTable[15];
extern const ExtraAttribute kJointTable[13];  // the last row is empty and never matches
extern const ExtraAttribute kVisibilityConditionTable[10];
extern const ExtraAttribute kRenderingTable[10];
extern const ExtraAttribute kShadowTable[2];

// Appends every row whose attribute exists on the node and differs from its default; true when
// at least one was written.
bool writeExtraAttributeRows(const MFnDependencyNode& node, const ExtraAttribute* table, unsigned rowCount,
                             Q5XSaveUtil::XmlWriter& out);
// Every row of a table: the row count comes with the table.
template <unsigned Rows>
bool writeExtraAttributes(const MFnDependencyNode& node, const ExtraAttribute (&table)[Rows], Q5XSaveUtil::XmlWriter& out) {
    return writeExtraAttributeRows(node, table, Rows, out);
}
// Reads one row's attribute; isSet stays false when it is missing or unreadable.
ExtraAttributeValue readExtraAttribute(const MFnDependencyNode& node, const ExtraAttribute& row);
// Writes a value read earlier; an unset or default value is written only when the row keeps defaults.
void writeExtraAttributeValue(const ExtraAttributeValue& value, const ExtraAttribute& row, Q5XSaveUtil::XmlWriter& out);

// Whether a value read earlier is the row's default, and whether two values are the same.
bool isDefaultExtraAttributeValue(const ExtraAttributeValue& value, const ExtraAttribute& row);
bool sameExtraAttributeValue(const ExtraAttributeValue& a, const ExtraAttributeValue& b, const ExtraAttribute& row);

#endif
