#ifndef MAYAHOST_NODEVALUES_H
#define MAYAHOST_NODEVALUES_H

#include "scene/Node.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace mayahost {

// The number an attribute of a node (long or short name) reads as the scene evaluates it: a
// connection wins, so an animated option of a history node counts. `fallback` when the node has
// no such attribute or it holds no number.
double numberValue(const Node& node, const char* attribute, double fallback);
// A number from a file as an integer in [low, high]: out-of-range values are clamped, never
// converted with undefined results.
inline int clampedInt(double value, int low, int high) {
    if (!(value > low)) return low;
    if (value >= high) return high;
    return int(value);
}
// The text stored under a plug key ("currentColorSet", "uvSet[0].uvSetName"); empty without one.
std::string textValue(const Node& node, const std::string& key);
// The numbers stored under a plug key (a matrix, a tuple); empty without them.
std::vector<double> numbersValue(const Node& node, const std::string& key);
// Calls `visit(index, values)` for each element of a multi attribute the file set, `values`
// holding its `tuple` numbers; nothing is allocated for the elements the file left out, so a
// sparse multi costs what it holds, not its highest index.
template <typename Visit>
void forEachElement(const Node& node, const std::string& key, unsigned tuple, Visit&& visit) {
    const auto found = node.elements.find(key);
    if (found == node.elements.end()) return;
    double values[16];
    if (tuple > 16) return;
    for (const ElementRange& range : found->second) {
        const std::size_t available = range.data.count() / tuple;
        for (std::size_t e = 0; e < range.count && e < available; ++e) {
            for (unsigned t = 0; t < tuple; ++t) values[t] = range.data.number(e * tuple + t);
            visit(std::size_t(range.first) + e, static_cast<const double*>(values));
        }
    }
}

// The elements of a multi attribute as one dense array of `tuple` numbers per element, by
// logical index, for arrays Maya keeps dense (points, edges, UVs); elements the file did not set
// are zero. `count` is the number of elements.
std::vector<double> denseElements(const Node& node, const std::string& key, unsigned tuple, std::size_t& count);

}  // namespace mayahost

#endif
