#include "SkinWeights.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace mayahost {

std::vector<long> influenceIndices(const Node& cluster) {
    static const std::string kPrefix = "matrix[";
    std::vector<long> indices;
    for (const auto& entry : cluster.incoming) {
        if (entry.first.compare(0, kPrefix.size(), kPrefix) == 0) indices.push_back(std::strtol(entry.first.c_str() + kPrefix.size(), nullptr, 10));
    }
    std::sort(indices.begin(), indices.end());
    return indices;
}

void vertexWeights(const Node& cluster, int vertex, const std::vector<long>& influences, std::vector<double>& weights) {
    weights.assign(influences.size(), 0.0);
    const auto found = cluster.elements.find("weightList[" + std::to_string(vertex) + "].weights");
    if (found == cluster.elements.end()) return;
    for (const ElementRange& range : found->second) {
        if (range.data.count() == 0) continue;
        for (std::size_t i = 0; i < influences.size(); ++i) {
            if (influences[i] >= long(range.first) && influences[i] < long(range.first + range.count)) {
                weights[i] = range.data.number(std::size_t(influences[i] - long(range.first)));
            }
        }
    }
}

}  // namespace mayahost
