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

double skinWeight(const Node& cluster, int vertex, long influence) {
    for (const std::string& key : {"weightList[" + std::to_string(vertex) + "].weights", "wl[" + std::to_string(vertex) + "].w"}) {
        const auto found = cluster.elements.find(key);
        if (found == cluster.elements.end()) continue;
        double weight = 0.0;
        for (const ElementRange& range : found->second) {
            if (influence >= long(range.first) && influence < long(range.first + range.count) && range.data.count() > 0) {
                weight = range.data.number(std::size_t(influence - long(range.first)));
            }
        }
        return weight;
    }
    return 0.0;
}

}  // namespace mayahost
