// The elements of merge groups and merged children. A merge group's Shape is written on the node
// that carries it: its root when one is marked, else the group's first node. The group's first
// node, written before the group was known, keeps the attribute order it was begun with (its
// closing attributes before the merged shape's); when it turns out not to carry the Shape it is a
// TransformGroup of the shape attributes only.
#include "AttributeReaders.h"
#include "CommonAttributes.h"
#include "ExtraAttributes.h"
#include "ShapeAttributes.h"

#include <maya/MGlobal.h>

#include <algorithm>

using Q5XSaveUtil::XmlWriter;

namespace {

// shapeId, the shadows of the root with the first member's mesh, the root's rendering values,
// the group's materials in numbering order and the members' node identifiers in member order.
void writeMergedShape(const NodeWriteContext& context, XmlWriter& out) {
    const MergeRecord& record = *context.node.merge;
    const MFnDependencyNode root(context.node.transform);
    out.attribute("shapeId", record.shapeId);
    writeShadows(root, MFnDependencyNode(record.memberMeshes.front()), out);
    writeExtraAttributes(root, kRenderingTable, out);
    writeMaterialIdList(record.materialIds, ',', out);
    std::string ids;
    for (const MDagPath& member : record.memberTransforms) {
        if (!ids.empty()) ids += ' ';
        ids += std::to_string(context.model.nodeTable.nodeIdOf(member.partialPathName().asChar()));
    }
    out.attribute("skinBindNodeIds", ids);
}

// Uses the node's own value of a row over the first child's when it is set, not the default and
// different; a first child that set its own value is then overridden with the conflict warning.
ExtraAttributeValue combined(const SceneNode& node, const ExtraAttributeValue& firstChild, const ExtraAttributeValue& own,
                             const ExtraAttribute& row) {
    if (!own.isSet || isDefaultExtraAttributeValue(own, row) || sameExtraAttributeValue(own, firstChild, row)) return firstChild;
    if (firstChild.isSet) {
        MGlobal::displayWarning(MString("q5xExport: Merge children transform (") + node.pathName.c_str() + ")  attribute (" +
                                row.mayaName + ") is conflicting with first child attribute. Using attribute from first child\n");
    }
    return own;
}

}  // namespace

void writeMergeRootAttributes(const NodeWriteContext& context, XmlWriter& out) {
    writeTransformAttributes(context, kShapeSwitches, out);
    writeMergedShape(context, out);
}

void writeMergeFirstNodeShapeAttributes(const NodeWriteContext& context, XmlWriter& out) {
    writeTransformAttributes(context, kShapeSwitches, out);
    writeClosingAttributes(context, out);
    writeMergedShape(context, out);
}

void writeMergeFirstNodeGroupAttributes(const NodeWriteContext& context, XmlWriter& out) {
    writeTransformAttributes(context, kShapeSwitches, out);
}

void writeMergedChildrenAttributes(const NodeWriteContext& context, XmlWriter& out) {
    const MergeRecord& record = *context.node.merge;
    const MFnDependencyNode node(context.node.transform);
    writeTransformAttributes(context, kShapeSwitches, out);
    out.attribute("shapeId", record.shapeId);
    // The first child's shadows and rendering values, where the node does not say otherwise.
    const bool hasChild = !record.memberMeshes.empty();
    const MFnDependencyNode firstChild(hasChild ? record.memberTransforms.front().node() : context.node.transform);
    const MFnDependencyNode firstMesh(hasChild ? record.memberMeshes.front() : context.node.transform);
    static const char* const kShadowFlags[2][2] = {{"q5X_castsShadows", "castsShadows"}, {"q5X_receiveShadows", "receiveShadows"}};
    for (int s = 0; s < 2; ++s) {
        const ExtraAttributeValue first = shadowValue(firstChild, firstMesh, kShadowFlags[s][0], kShadowFlags[s][1]);
        const ExtraAttributeValue own = shadowValue(node, node, kShadowFlags[s][0], kShadowFlags[s][1]);
        writeExtraAttributeValue(combined(context.node, first, own, kShadowTable[s]), kShadowTable[s], out);
    }
    for (const ExtraAttribute& row : kRenderingTable) {
        const ExtraAttributeValue value =
            combined(context.node, readExtraAttribute(firstChild, row), readExtraAttribute(node, row), row);
        writeExtraAttributeValue(value, row, out);
    }
    std::vector<std::uint32_t> ids;
    for (const auto& member : record.memberMaterialIds) ids.insert(ids.end(), member.begin(), member.end());
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    if (!ids.empty()) writeMaterialIdList(ids, ' ', out);
}
