// ReferenceNode elements: a transform that stands for another document, without children.
#include "AttributeReaders.h"
#include "CommonAttributes.h"

#include <maya/MFnDependencyNode.h>

void writeReferenceNodeAttributes(const NodeWriteContext& context, Q5XSaveUtil::XmlWriter& out) {
    const MFnDependencyNode node(context.node.transform);
    writeTransformAttributes(context, {true, false, true, false}, out);
    out.attribute("referenceId", context.node.referenceId);
    if (hasAttribute(node, "q5X_referenceRuntimeLoaded") && !readAttribute<bool>(node, "q5X_referenceRuntimeLoaded", true)) {
        out.attribute("referenceRuntimeLoaded", false);
    }
    out.attribute("nodeId", context.node.nodeId);
}
