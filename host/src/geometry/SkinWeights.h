#ifndef MAYAHOST_SKINWEIGHTS_H
#define MAYAHOST_SKINWEIGHTS_H

#include "scene/Node.h"

#include <vector>

namespace mayahost {

// Logical indices of a skin cluster's "matrix" elements that have a connection, in element order
// (found once per change of the scene's values and connections).
const std::vector<std::int64_t>& influenceIndices(const Node& cluster);
// The weights of `influences` (logical indices, ascending) on one vertex, in their order; 0 where
// the file sets none. `weights` is reused so that a pass over many vertices allocates once.
void vertexWeights(const Node& cluster, int vertex, const std::vector<std::int64_t>& influences, std::vector<double>& weights);

}  // namespace mayahost

#endif
