#ifndef MAYAHOST_SKINWEIGHTS_H
#define MAYAHOST_SKINWEIGHTS_H

#include "scene/Node.h"

#include <vector>

namespace mayahost {

// Logical indices of a skin cluster's "matrix" elements that have a connection, in element order.
std::vector<long> influenceIndices(const Node& cluster);
// The weight of one influence (by logical index) on one vertex; 0 where the file sets none.
double skinWeight(const Node& cluster, int vertex, long influence);

}  // namespace mayahost

#endif
