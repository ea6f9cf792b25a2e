#include "UserAttributesSection.h"

#include "lookup/OwnAttributes.h"
#include "saveutil/TextUtils.h"
#include "saveutil/XmlWriter.h"

#include <maya/MFnDagNode.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MGlobal.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MPlug.h>

namespace {

struct TypedValue {
    const char* type = nullptr;
    std::string value;
};

TypedValue typedValueOf(const MObject& attribute, const MPlug& plug, const std::string& name) {
    TypedValue typed;
    if (attribute.hasFn(MFn::kNumericAttribute)) {
        switch (MFnNumericAttribute(attribute).unitType()) {
        case MFnNumericData::kBoolean: {
            bool value = false;
            if (plug.getValue(value)) typed = {"boolean", value ? "true" : "false"};
            break;
        }
        case MFnNumericData::kInt:
        case MFnNumericData::kByte: {
            int value = 0;
            if (plug.getValue(value)) typed = {"integer", std::to_string(value)};
            break;
        }
        case MFnNumericData::kFloat:
        case MFnNumericData::kDouble: {
            float value = 0.0f;
            if (plug.getValue(value)) {
                typed.type = "float";
                Q5XSaveUtil::appendStreamNumber(typed.value, double(value));
            }
            break;
        }
        default:
            break;
        }
    } else if (attribute.hasFn(MFn::kTypedAttribute) && MFnTypedAttribute(attribute).attrType() == MFnData::kString) {
        MString value;
        if (plug.getValue(value)) typed = {name == "onCreate" ? "scriptCallback" : "string", value.asChar()};
    }
    return typed;
}

// The node's user attributes as Attribute elements; empty when it has none.
std::string attributeElements(const MFnDependencyNode& node) {
    std::string text;
    Q5XSaveUtil::XmlWriter out(text);
    forEachOwnAttribute(node, [&](const MObject& attribute, const MPlug& plug, const std::string& name) {
        if (name.compare(0, 4, "q5X_") == 0) return;
        TypedValue typed = typedValueOf(attribute, plug, name);
        if (!typed.type || typed.value.empty()) {
            MGlobal::displayError(("Invalid attribute user attribute type, ignoring (" + name + ")").c_str());
            return;
        }
        typed.value = Q5XSaveUtil::replaceAll(Q5XSaveUtil::replaceAll(typed.value, "&cr;", ""), "&lf;", "");
        out.startTag(3, "Attribute");
        out.attribute("name", name);
        out.attribute("type", typed.type);
        // Script callbacks hold quotes and angle brackets: escaped, a reader gets them back as written.
        out.attribute("value", typed.value);
        out.endEmptyTag();
    });
    return text;
}

}  // namespace

void writeUserAttributes(const NodeTable& nodes, Q5XSaveUtil::XmlWriter& xml) {
    xml.raw("  <UserAttributes>\n");
    for (MItDependencyNodes it(MFn::kTransform); !it.isDone(); it.next()) {
        const MFnDagNode transform(it.thisNode());
        const std::uint32_t nodeId = nodes.nodeIdOf(transform.partialPathName().asChar());
        if (nodeId == 0) continue;
        const std::string attributes = attributeElements(transform);
        if (attributes.empty()) continue;
        xml.startTag(2, "UserAttribute");
        xml.attribute("nodeId", nodeId);
        xml.endStartTag();
        xml.raw(attributes);
        xml.endTag(2, "UserAttribute");
    }
    xml.raw("  </UserAttributes>");
}
