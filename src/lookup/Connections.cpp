#include "Connections.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

MObject firstConnectedNode(const MObject& node, Direction direction, MFn::Type type, FnMatch match) {
    MPlugArray plugs;
    if (!MFnDependencyNode(node).getConnections(plugs)) return MObject::kNullObj;
    MPlugArray others;
    for (unsigned p = 0; p < plugs.length(); ++p) {
        plugs[p].connectedTo(others, direction == Direction::Into, direction == Direction::From);
        for (unsigned o = 0; o < others.length(); ++o) {
            const MObject other = others[o].node();
            if (match == FnMatch::HasFn ? other.hasFn(type) : other.apiType() == type) return other;
        }
    }
    return MObject::kNullObj;
}
