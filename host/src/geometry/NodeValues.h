#ifndef MAYAHOST_NODEVALUES_H
#define MAYAHOST_NODEVALUES_H

#include "scene/Node.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace mayahost {

// Values as a file set them on a node, found by any of the names a file may use (history nodes
// keep the names of the file: long or short).
double numberValue(const Node& node, std::initializer_list<const char*> names, double fallback);
// A number from a file as an integer in [low, high]: out-of-range values are clamped, never
// converted with undefined results.
inline int clampedInt(double value, int low, int high) {
    if (!(value > low)) return low;
    if (value >= high) return high;
    return int(value);
}
std::string textValue(const Node& node, std::initializer_list<const char*> names);
// The numbers of the first value of `names` that the file set (a matrix, a tuple); empty without one.
std::vector<double> numbersValue(const Node& node, std::initializer_list<const char*> names);
// The elements of a multi attribute as one dense array of `tuple` numbers per element, by
// logical index; elements the file did not set hold `unset`. `count` is the number of elements.
std::vector<double> denseElements(const Node& node, const std::string& key, unsigned tuple, std::size_t& count,
                                  double unset = 0.0);

}  // namespace mayahost

#endif
