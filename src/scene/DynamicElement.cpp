// Dynamic elements: emitters, with the shadow switches of the emitter and the rendering values of
// their transform.
#include "AttributeReaders.h"
#include "CommonAttributes.h"
#include "ExtraAttributes.h"

using Q5XSaveUtil::XmlWriter;

void writeDynamicAttributes(const NodeWriteContext& context, XmlWriter& out) {
    const MFnDependencyNode emitter(context.node.decidingChild);
    writeTransformAttributes(context, kShapeSwitches, out);
    out.attribute("dynamicId", context.node.dynamicId);
    out.attribute("castsShadows", readAttribute<bool>(emitter, "castsShadows", false));
    out.attribute("receiveShadows", readAttribute<bool>(emitter, "receiveShadows", false));
    writeExtraAttributes(MFnDependencyNode(context.node.transform), kRenderingTable, out);
}
