// The Shape node that stands for a split shape's attachments: named after the split shape, placed
// by the attachments shape itself (no transform of its own), with the first attachment's shadows,
// rendering values and material.
#include "CommonAttributes.h"
#include "ExtraAttributes.h"
#include "ShapeAttributes.h"

#include <maya/MFnDagNode.h>

using Q5XSaveUtil::XmlWriter;

void writeAttachmentsNodeAttributes(const NodeWriteContext& context, XmlWriter& out) {
    const AttachmentsRecord& record = *context.node.attachments;
    const MFnDependencyNode first(record.transforms.front().node());
    const std::string name = std::string(MFnDagNode(record.ownerTransform).name().asChar()) + "Attachments";
    writeTransformAttributes(context, {true, false, false, true}, out, name.c_str());
    out.attribute("shapeId", record.shapeId);
    writeShadows(first, MFnDependencyNode(record.meshes.front()), out);
    writeExtraAttributes(first, kRenderingTable, out);
    writeMaterialIdList({record.materialId}, ',', out);
}
