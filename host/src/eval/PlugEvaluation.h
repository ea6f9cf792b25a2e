#ifndef MAYAHOST_PLUGEVALUATION_H
#define MAYAHOST_PLUGEVALUATION_H

#include "scene/Scene.h"

#include <string_view>
#include <vector>

namespace mayahost {

// Where a plug's stored value lives: its own entry, an element of a multi, or one component of a
// tuple element (".vt[3].vtx").
struct ValueView {
    const PlugData* data = nullptr;
    std::size_t offset = 0;  // first number of this plug within data's numbers
    std::size_t count = 0;   // numbers that belong to it
};

// The key of a multi's elements for the steps up to `last` (its index left out).
inline std::string arrayKey(const std::vector<PlugStep>& steps, std::size_t last) {
    return plugKey(steps, last + 1, true);
}

// The value a file (or a setValue) stored for a plug, if any; connections are not followed.
ValueView storedValue(const Node& node, const std::vector<PlugStep>& steps);

// Resolves "attr[1].child" of a node: each component a long or short name with at most one index.
bool parsePlugSteps(Node& node, std::string_view path, std::vector<PlugStep>& steps);

// The number a plug reads as Maya evaluates it: a connected plug reads its source (the connection
// wins over a value the file stored), and a source that is an output of a computed node type is
// computed (see ComputeTable); an unconnected plug reads its stored value, else its attribute's
// default. False when the plug holds no number at all.
bool evaluateNumber(const Node& node, const std::vector<PlugStep>& steps, double& value);
// The same for one attribute of the node (a top-level attribute or a compound's child).
bool evaluateNumber(const Node& node, AttributeSpec& attribute, double& value);
// The same for a top-level attribute named by its long or short name; `fallback` when the node has
// no such attribute or it holds no number.
double evaluateAttribute(const Node& node, std::string_view attribute, double fallback);

}  // namespace mayahost

#endif
