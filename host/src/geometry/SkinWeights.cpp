#include "SkinWeights.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "scene/Scene.h"

namespace mayahost {

const std::vector<std::int64_t>& influenceIndices(const Node& cluster) {
    static const std::string kPrefix = "matrix[";
    IndexCache& cache = cluster.caches().indices["influences"];
    const std::uint64_t generation = Scene::current().valueGeneration();
    if (cache.stamp == generation) return cache.indices;
    cache.stamp = generation;
    cache.indices.clear();
    for (const auto& entry : cluster.incoming) {
        if (entry.first.compare(0, kPrefix.size(), kPrefix) == 0) cache.indices.push_back(std::strtoll(entry.first.c_str() + kPrefix.size(), nullptr, 10));
    }
    std::sort(cache.indices.begin(), cache.indices.end());
    return cache.indices;
}

void vertexWeights(const Node& cluster, int vertex, const std::vector<std::int64_t>& influences, std::vector<double>& weights) {
    weights.assign(influences.size(), 0.0);
    const auto found = cluster.elements.find("weightList[" + std::to_string(vertex) + "].weights");
    if (found == cluster.elements.end()) return;
    for (const ElementRange& range : found->second) {
        const std::size_t available = std::min<std::size_t>(range.count, range.data.count());
        // The influences this range sets, found by search: a vertex's few weights cost little
        // however many influences the cluster has.
        auto at = std::lower_bound(influences.begin(), influences.end(), std::int64_t(range.first));
        for (; at != influences.end() && *at < std::int64_t(range.first) + std::int64_t(available); ++at) {
            weights[std::size_t(at - influences.begin())] = range.data.number(std::size_t(*at - std::int64_t(range.first)));
        }
    }
}

}  // namespace mayahost
