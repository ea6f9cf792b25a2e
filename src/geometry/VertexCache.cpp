// Linear-speed vertex cache optimisation: Tom Forsyth, "Linear-Speed Vertex Cache Optimisation"
// (2006). Triangles are emitted greedily by the summed scores of their vertices, each vertex scored
// by its position in a simulated LRU cache and by how many of its triangles remain.
#include "VertexCache.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kCacheSize = 64;
constexpr float kLastTriangleScore = 0.75f;
constexpr float kCacheDecayPower = 1.5f;
constexpr float kValenceBoostScale = 2.0f;
constexpr float kValenceBoostPower = 0.5f;
constexpr float kNoTrianglesScore = -1.0f;
// Triangles of vertices with more remaining triangles than this (fan centres) are not searched
// through that vertex, so a high-valence vertex costs constant work per emitted triangle.
constexpr std::uint32_t kEagerValence = 32;
constexpr std::uint32_t kNone = 0xFFFFFFFFu;

struct ScoreTables {
    float cache[kCacheSize];
    float valence[kEagerValence + 1];

    ScoreTables() {
        for (int position = 0; position < kCacheSize; ++position) {
            cache[position] = position < 3 ? kLastTriangleScore
                                           : std::pow(1.0f - float(position - 3) / float(kCacheSize - 3), kCacheDecayPower);
        }
        for (std::uint32_t live = 0; live <= kEagerValence; ++live) valence[live] = valenceBoost(live);
    }

    static float valenceBoost(std::uint32_t live) {
        return live == 0 ? 0.0f : kValenceBoostScale * std::pow(float(live), -kValenceBoostPower);
    }

    float score(int cachePosition, std::uint32_t live) const {
        if (live == 0) return kNoTrianglesScore;
        const float boost = live <= kEagerValence ? valence[live] : valenceBoost(live);
        return (cachePosition >= 0 ? cache[cachePosition] : 0.0f) + boost;
    }
};

// Reorders the `triangleCount` triangles of `indices` (vertex numbers from vertexBase on). Vertex
// scores are kept for the cached vertices with triangles left and a triangle is scored when it is
// looked at, so an emitted triangle costs work only for those vertices and their triangles.
template <typename Index>
class ForsythOptimizer {
public:
    ForsythOptimizer(Index* indices, std::uint32_t triangleCount, std::uint32_t vertexBase, std::uint32_t vertexCount)
        : indices_(indices),
          triangleCount_(triangleCount),
          triangleVertices_(indices, indices + 3 * std::size_t(triangleCount)) {
        for (std::uint32_t& vertex : triangleVertices_) vertex -= vertexBase;
        buildAdjacency(vertexCount);
    }

    void run() {
        std::vector<Index> output(3 * std::size_t(triangleCount_));
        std::uint32_t best = bestInitialTriangle();
        for (std::uint32_t emitted = 0; emitted < triangleCount_; ++emitted) {
            if (best == kNone) best = nextUnemittedTriangle();
            for (int c = 0; c < 3; ++c) output[3 * emitted + c] = indices_[3 * best + c];
            best = emit(best);
        }
        std::copy(output.begin(), output.end(), indices_);
    }

private:
    std::uint32_t vertexOf(std::uint32_t triangle, int corner) const {
        return triangleVertices_[3 * std::size_t(triangle) + corner];
    }

    // Each vertex lists the corners (3 * triangle + corner) that use it; the remaining ones come
    // first. slot_ finds a corner in its vertex's list, so removing it costs O(1) even for a fan.
    void buildAdjacency(std::uint32_t vertexCount) {
        live_.assign(vertexCount, 0);
        for (std::uint32_t t = 0; t < triangleCount_; ++t) {
            for (int c = 0; c < 3; ++c) ++live_[vertexOf(t, c)];
        }
        offsets_.assign(vertexCount + 1, 0);
        for (std::uint32_t v = 0; v < vertexCount; ++v) offsets_[v + 1] = offsets_[v] + live_[v];
        adjacency_.assign(offsets_[vertexCount], 0);
        slot_.assign(3 * std::size_t(triangleCount_), 0);
        std::vector<std::uint32_t> fill(offsets_.begin(), offsets_.end() - 1);
        for (std::uint32_t corner = 0; corner < 3 * triangleCount_; ++corner) {
            const std::uint32_t position = fill[vertexOf(corner / 3, corner % 3)]++;
            adjacency_[position] = corner;
            slot_[corner] = position;
        }
        cachePosition_.assign(vertexCount, -1);
        score_.resize(vertexCount);
        for (std::uint32_t v = 0; v < vertexCount; ++v) rescore(v);
        emitted_.assign(triangleCount_, false);
        lastLooked_.assign(triangleCount_, kNone);
    }

    void rescore(std::uint32_t vertex) { score_[vertex] = tables_.score(cachePosition_[vertex], live_[vertex]); }

    float triangleScore(std::uint32_t triangle) const {
        return score_[vertexOf(triangle, 0)] + score_[vertexOf(triangle, 1)] + score_[vertexOf(triangle, 2)];
    }

    std::uint32_t bestInitialTriangle() const {
        std::uint32_t best = kNone;
        float bestScore = 0.0f;
        for (std::uint32_t t = 0; t < triangleCount_; ++t) {
            const float score = triangleScore(t);
            if (best == kNone || score > bestScore) {
                best = t;
                bestScore = score;
            }
        }
        return best;
    }

    // Dead end: no cached vertex has triangles left. Continue next to a vertex that left the cache
    // with triangles remaining (most recent first), else with the next triangle in input order.
    std::uint32_t nextUnemittedTriangle() {
        while (!evicted_.empty()) {
            const std::uint32_t v = evicted_.back();
            evicted_.pop_back();
            if (live_[v] > 0) return adjacency_[offsets_[v]] / 3;
        }
        while (emitted_[cursor_]) ++cursor_;
        return cursor_;
    }

    void removeCorner(std::uint32_t corner) {
        const std::uint32_t vertex = vertexOf(corner / 3, corner % 3);
        const std::uint32_t position = slot_[corner];
        const std::uint32_t last = offsets_[vertex] + --live_[vertex];
        const std::uint32_t moved = adjacency_[last];
        adjacency_[position] = moved;
        slot_[moved] = position;
        adjacency_[last] = corner;
        slot_[corner] = last;
    }

    // The triangle's vertices move to the front of the cache and push the others back; what is
    // pushed past the end leaves it. Only vertices with triangles left are tracked, by their
    // cache positions: finished vertices still take up places but nothing reads them again, so the
    // step costs work for the live cached vertices alone.
    void updateCache(std::uint32_t triangle) {
        // Three slots each, the unused ones holding values that match nothing.
        std::uint32_t front[3] = {kNone, kNone, kNone};
        int frontSize = 0;
        int movedFrom[3] = {kCacheSize, kCacheSize, kCacheSize};  // cache positions the front vertices leave
        for (int c = 0; c < 3; ++c) {
            const std::uint32_t v = vertexOf(triangle, c);
            if (v == front[0] || v == front[1]) continue;
            movedFrom[frontSize] = cachePosition_[v] >= 0 ? cachePosition_[v] : kCacheSize;
            front[frontSize++] = v;
        }
        std::uint32_t next[kCacheSize + 3];
        int size = 0;
        for (int f = 0; f < frontSize; ++f) {
            if (live_[front[f]] == 0) continue;
            cachePosition_[front[f]] = f;
            rescore(front[f]);
            next[size++] = front[f];
        }
        for (int k = 0; k < liveInCache_; ++k) {
            const std::uint32_t v = liveCache_[k];
            if (v == front[0] || v == front[1] || v == front[2]) continue;
            const int position = cachePosition_[v];
            const int moved = (movedFrom[0] < position) + (movedFrom[1] < position) + (movedFrom[2] < position);
            const int pushed = position + frontSize - moved;
            if (pushed < kCacheSize) {
                cachePosition_[v] = pushed;
                next[size++] = v;
            } else {
                cachePosition_[v] = -1;
                evicted_.push_back(v);
            }
            rescore(v);
        }
        std::copy(next, next + size, liveCache_);
        liveInCache_ = size;
    }

    // Emits a triangle and returns the best triangle of the cached vertices, or kNone. The
    // triangles of fan centres are reached through their other, low-valence vertices.
    std::uint32_t emit(std::uint32_t triangle) {
        emitted_[triangle] = true;
        for (int c = 0; c < 3; ++c) removeCorner(3 * triangle + c);
        updateCache(triangle);

        std::uint32_t best = kNone;
        float bestScore = 0.0f;
        ++step_;
        for (int k = 0; k < liveInCache_; ++k) {
            const std::uint32_t v = liveCache_[k];
            const std::uint32_t live = live_[v];
            if (live > kEagerValence) continue;
            const std::uint32_t* begin = &adjacency_[offsets_[v]];
            for (const std::uint32_t* it = begin; it != begin + live; ++it) {
                const std::uint32_t candidate = *it / 3;
                // A triangle with several cached vertices is looked at once per step.
                if (lastLooked_[candidate] == step_) continue;
                lastLooked_[candidate] = step_;
                const float score = triangleScore(candidate);
                if (best == kNone || score > bestScore) {
                    best = candidate;
                    bestScore = score;
                }
            }
        }
        return best;
    }

    const ScoreTables tables_;
    Index* indices_;
    std::uint32_t triangleCount_;
    std::vector<std::uint32_t> triangleVertices_;  // relative to the subset's first vertex
    std::vector<std::uint32_t> live_;
    std::vector<std::uint32_t> offsets_;
    std::vector<std::uint32_t> adjacency_;
    std::vector<std::uint32_t> slot_;
    std::vector<int> cachePosition_;
    std::vector<float> score_;  // current score of every vertex
    std::vector<bool> emitted_;
    std::vector<std::uint32_t> lastLooked_;  // the step a triangle was last scored in
    std::uint32_t step_ = 0;
    std::uint32_t liveCache_[kCacheSize + 3];  // the cached vertices with triangles left, in cache order
    int liveInCache_ = 0;
    std::vector<std::uint32_t> evicted_;
    std::uint32_t cursor_ = 0;
};

template <typename Index>
void optimizeSubsets(IndexedTriangleSet& set, std::vector<Index>& indices) {
    for (const IndexedTriangleSubset& subset : set.subsets) {
        if (subset.numIndices < 3) continue;
        ForsythOptimizer<Index>(indices.data() + subset.firstIndex, subset.numIndices / 3, subset.firstVertex,
                                subset.numVertices)
            .run();
    }
}

template <typename T>
void permuteStream(std::vector<T>& stream, const std::vector<std::uint32_t>& newOfOld, unsigned width) {
    if (stream.empty()) return;
    std::vector<T> permuted(stream.size());
    for (std::size_t old = 0; old < newOfOld.size(); ++old) {
        std::copy_n(&stream[width * old], width, &permuted[width * std::size_t(newOfOld[old])]);
    }
    stream.swap(permuted);
}

// Numbers vertices in order of first use; vertices no index uses (none after welding) go last.
template <typename Index>
void renumberByFirstUse(IndexedTriangleSet& set, std::vector<Index>& indices) {
    std::vector<std::uint32_t> newOfOld(set.numVertices, kNone);
    std::uint32_t next = 0;
    for (Index& index : indices) {
        if (newOfOld[index] == kNone) newOfOld[index] = next++;
        index = static_cast<Index>(newOfOld[index]);
    }
    for (std::uint32_t& slot : newOfOld) {
        if (slot == kNone) slot = next++;
    }
    permuteStream(set.positions, newOfOld, 3);
    for (auto& stream : set.uv) permuteStream(stream, newOfOld, 2);
    permuteStream(set.normals, newOfOld, 3);
    permuteStream(set.tangents, newOfOld, 4);
    permuteStream(set.colors, newOfOld, 4);
    permuteStream(set.blendWeights, newOfOld, 4);
    permuteStream(set.blendIndices, newOfOld, set.blendIndicesPerVertex());
    permuteStream(set.generic, newOfOld, 1);
}

template <typename Index>
void recomputeSubsetRanges(IndexedTriangleSet& set, const std::vector<Index>& indices) {
    for (IndexedTriangleSubset& subset : set.subsets) {
        if (subset.numIndices == 0) continue;
        const auto range = std::minmax_element(indices.begin() + subset.firstIndex,
                                               indices.begin() + subset.firstIndex + subset.numIndices);
        subset.firstVertex = *range.first;
        subset.numVertices = std::uint32_t(*range.second) - *range.first + 1;
    }
}

template <typename Index>
void optimize(IndexedTriangleSet& set, std::vector<Index>& indices) {
    optimizeSubsets(set, indices);
    renumberByFirstUse(set, indices);
    recomputeSubsetRanges(set, indices);
}

}  // namespace

void optimizeVertexCache(IndexedTriangleSet& set) {
    if (set.isOptimized) return;
    if (set.uses32BitIndices()) {
        optimize(set, set.indices32);
    } else {
        optimize(set, set.indices16);
    }
    set.isOptimized = true;
}
