#ifndef Q5X_LOOKUP_OWNATTRIBUTES_H
#define Q5X_LOOKUP_OWNATTRIBUTES_H

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <string>

// Calls `visit(attribute, plug, shortName)` for each attribute a user added to this node (local
// dynamic attributes, in index order): the engine options and user data artists attach.
template <typename Visit>
void forEachOwnAttribute(const MFnDependencyNode& node, Visit&& visit) {
    const unsigned count = node.attributeCount();
    for (unsigned i = 0; i < count; ++i) {
        const MObject attribute = node.attribute(i);
        if (node.attributeClass(attribute) != MFnDependencyNode::kLocalDynamicAttr) continue;
        const MPlug plug = node.findPlug(attribute, true);
        visit(attribute, plug, std::string(plug.partialName().asChar()));
    }
}

#endif
