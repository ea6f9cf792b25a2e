// Linear-speed vertex cache optimisation: Tom Forsyth, "Linear-Speed Vertex Cache Optimisation"
// (2006). Triangles are emitted greedily by the summed scores of their vertices, each vertex scored
// by its position in a simulated LRU cache and by how many of its triangles remain.
#include "VertexCache.h"

#include <algorithm>
#include <cmath>
#include <limits>
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
// The most candidates a step can have: every cached vertex searched, each with kEagerValence
// triangles left.
constexpr std::size_t kMaxCandidates = std::size_t(kCacheSize) * kEagerValence;
constexpr std::uint32_t kNone = 0xFFFFFFFFu;
constexpr int kFront = -2;  // marks the emitted triangle's vertices while the cache is updated

// A vertex's score by its cache position and its remaining triangles: looked up for up to
// kEagerValence triangles (row 0 is outside the cache); above, the cache part is looked up and
// the valence boost worked out.
class ScoreTable {
public:
    ScoreTable() {
        for (int row = 0; row <= kCacheSize; ++row) {
            cacheScores_[row] = cacheScore(row - 1);
            for (std::uint32_t live = 0; live <= kEagerValence; ++live) table_[row][live] = compute(row - 1, live);
        }
    }

    float score(int cachePosition, std::uint32_t live) const {
        if (live <= kEagerValence) return table_[cachePosition + 1][live];
        return cacheScores_[cachePosition + 1] + valenceBoost(live);
    }

private:
    static float compute(int cachePosition, std::uint32_t live) {
        if (live == 0) return kNoTrianglesScore;
        return cacheScore(cachePosition) + valenceBoost(live);
    }

    static float valenceBoost(std::uint32_t live) {
        return kValenceBoostScale * std::pow(float(live), -kValenceBoostPower);
    }

    static float cacheScore(int cachePosition) {
        if (cachePosition < 0) return 0.0f;
        if (cachePosition < 3) return kLastTriangleScore;
        return std::pow(1.0f - float(cachePosition - 3) / float(kCacheSize - 3), kCacheDecayPower);
    }

    float table_[kCacheSize + 1][kEagerValence + 1];
    float cacheScores_[kCacheSize + 1];
};

// Worked out once: small meshes would otherwise spend most of their time on it.
const ScoreTable& scoreTable() {
    static const ScoreTable table;
    return table;
}

// Reorders the `triangleCount` triangles of `indices` (vertex numbers from vertexBase on). Vertex
// scores are kept for the cached vertices with triangles left and a triangle is scored when it is
// looked at, so an emitted triangle costs work only for those vertices and their triangles.
//
// The next triangle is the best of those with a searched corner: a cached vertex with triangles
// left, fan centres (more than kEagerValence left) excepted. Of equal bests it is the first in the
// search order: searched vertices from the cache's front, each vertex's triangles in its list's
// order. Those triangles are kept as a set while the cache changes, so each is scored once.
//
// A corner is known by its key, 4 * triangle + corner: the triangles' vertices are stored four
// wide, so a key indexes its vertex directly and the triangle is the key shifted by two.
template <typename Index>
class ForsythOptimizer {
public:
    ForsythOptimizer(Index* indices, std::uint32_t triangleCount, std::uint32_t vertexBase, std::uint32_t vertexCount)
        : indices_(indices), triangleCount_(triangleCount), vertexBase_(vertexBase) {
        cornerVertices_.resize(4 * std::size_t(triangleCount));
        live_.assign(vertexCount, 0);
        for (std::size_t t = 0; t < triangleCount; ++t) {
            for (int c = 0; c < 3; ++c) {
                const std::uint32_t vertex = indices[3 * t + c] - vertexBase;
                cornerVertices_[4 * t + c] = vertex;
                ++live_[vertex];
            }
        }
        buildAdjacency(vertexCount);
    }

    void run() {
        std::uint32_t best = bestInitialTriangle();
        for (std::uint32_t emitted = 0; emitted < triangleCount_; ++emitted) {
            if (best == kNone) best = nextUnemittedTriangle();
            emittedOrder_.push_back(best);
            best = emit(best);
        }
        for (std::size_t i = 0; i < emittedOrder_.size(); ++i) {
            const std::uint32_t* corners = &cornerVertices_[4 * std::size_t(emittedOrder_[i])];
            for (int c = 0; c < 3; ++c) indices_[3 * i + c] = static_cast<Index>(corners[c] + vertexBase_);
        }
    }

private:
    static std::uint32_t triangleOf(std::uint32_t key) { return key >> 2; }

    // Each vertex lists the keys of the corners that use it; the remaining ones come first. slot_
    // finds a corner in its vertex's list, so removing it costs O(1) even for a fan.
    void buildAdjacency(std::uint32_t vertexCount) {
        offsets_.assign(vertexCount + 1, 0);
        for (std::uint32_t v = 0; v < vertexCount; ++v) offsets_[v + 1] = offsets_[v] + live_[v];
        adjacency_.resize(offsets_[vertexCount]);
        slot_.resize(cornerVertices_.size());
        std::vector<std::uint32_t> fill(offsets_.begin(), offsets_.end() - 1);
        for (std::uint32_t key = 0; key < cornerVertices_.size(); ++key) {
            if (key % 4 == 3) continue;
            const std::uint32_t position = fill[cornerVertices_[key]]++;
            adjacency_[position] = key;
            slot_[key] = position;
        }
        cachePosition_.assign(vertexCount, -1);
        score_.resize(vertexCount);
        for (std::uint32_t v = 0; v < vertexCount; ++v) rescore(v);
        emitted_.assign(triangleCount_, false);
        emittedOrder_.reserve(triangleCount_);
        searchedCorners_.assign(triangleCount_, 0);
        candidatePlace_.resize(triangleCount_);
        candidateScores_.resize(std::min<std::size_t>(triangleCount_, kMaxCandidates));
    }

    void rescore(std::uint32_t vertex) { rescore(vertex, cachePosition_[vertex]); }
    void rescore(std::uint32_t vertex, int position) { score_[vertex] = table_.score(position, live_[vertex]); }

    float triangleScore(const std::uint32_t* corners) const {
        return score_[corners[0]] + score_[corners[1]] + score_[corners[2]];
    }

    std::uint32_t bestInitialTriangle() const {
        std::uint32_t best = kNone;
        float bestScore = -std::numeric_limits<float>::infinity();
        for (std::uint32_t t = 0; t < triangleCount_; ++t) {
            const float score = triangleScore(&cornerVertices_[4 * std::size_t(t)]);
            if (score > bestScore) {
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
            if (live_[v] > 0) return triangleOf(adjacency_[offsets_[v]]);
        }
        while (emitted_[cursor_]) ++cursor_;
        return cursor_;
    }

    void removeCorner(std::uint32_t key) {
        const std::uint32_t vertex = cornerVertices_[key];
        const std::uint32_t position = slot_[key];
        const std::uint32_t last = offsets_[vertex] + --live_[vertex];
        const std::uint32_t moved = adjacency_[last];
        adjacency_[position] = moved;
        slot_[moved] = position;
        adjacency_[last] = key;
        slot_[key] = last;
    }

    // The triangle's vertices move to the front of the cache and push the others back; what is
    // pushed past the end leaves it. Only vertices with triangles left are tracked, by their
    // cache positions: finished vertices still take up places but nothing reads them again, so the
    // step costs work for the live cached vertices alone.
    void updateCache(const std::uint32_t* corners) {
        std::uint32_t front[3];
        int frontSize = 0;
        // The cache positions the front vertices leave, in ascending order; kCacheSize for none.
        int movedFrom[4] = {kCacheSize, kCacheSize, kCacheSize, kCacheSize};
        for (int c = 0; c < 3; ++c) {
            const std::uint32_t v = corners[c];
            if (frontSize > 0 && (v == front[0] || v == front[frontSize - 1])) continue;
            int& position = cachePosition_[v];
            movedFrom[frontSize] = position >= 0 ? position : kCacheSize;
            position = kFront;
            front[frontSize++] = v;
        }
        if (movedFrom[0] > movedFrom[1]) std::swap(movedFrom[0], movedFrom[1]);
        if (movedFrom[1] > movedFrom[2]) std::swap(movedFrom[1], movedFrom[2]);
        if (movedFrom[0] > movedFrom[1]) std::swap(movedFrom[0], movedFrom[1]);

        std::uint32_t* next = liveCache_ == cacheBuffers_[0] ? cacheBuffers_[1] : cacheBuffers_[0];
        int size = 0;
        for (int f = 0; f < frontSize; ++f) {
            if (live_[front[f]] > 0) next[size++] = front[f];
        }
        // Positions rise along the list, and so does the count of front vertices that left a
        // place before each one.
        int moved = 0;
        for (int k = 0; k < liveInCache_; ++k) {
            const std::uint32_t v = liveCache_[k];
            int& position = cachePosition_[v];
            if (position == kFront) continue;
            while (movedFrom[moved] < position) ++moved;
            // Behind every place the front vertices left, as many as came: this vertex and all
            // after it stay put and keep their scores.
            if (moved == frontSize) {
                std::copy(liveCache_ + k, liveCache_ + liveInCache_, next + size);
                size += liveInCache_ - k;
                break;
            }
            position += frontSize - moved;
            if (position < kCacheSize) {
                next[size++] = v;
            } else {
                position = -1;
                evicted_.push_back(v);
                if (live_[v] <= kEagerValence) forgetTrianglesOf(v);
            }
            rescore(v, position);
        }
        for (int f = 0; f < frontSize; ++f) {
            cachePosition_[front[f]] = f;
            rescore(front[f], f);
        }
        liveCache_ = next;
        liveInCache_ = size;
    }

    bool isSearched(std::uint32_t vertex) const {
        return cachePosition_[vertex] >= 0 && live_[vertex] > 0 && live_[vertex] <= kEagerValence;
    }

    // A searched vertex's triangles join the candidates; one that stops being searched (it leaves
    // the cache) takes them away again, unless another searched corner keeps them.
    void considerTrianglesOf(std::uint32_t vertex) {
        const std::uint32_t* keys = &adjacency_[offsets_[vertex]];
        for (std::uint32_t i = 0; i < live_[vertex]; ++i) {
            const std::uint32_t triangle = triangleOf(keys[i]);
            if (searchedCorners_[triangle]++ > 0) continue;
            candidatePlace_[triangle] = static_cast<std::uint32_t>(candidates_.size());
            const std::uint32_t* corners = &cornerVertices_[4 * std::size_t(triangle)];
            candidates_.push_back({{corners[0], corners[1], corners[2]}, triangle});
        }
    }

    void forgetTrianglesOf(std::uint32_t vertex) {
        const std::uint32_t* keys = &adjacency_[offsets_[vertex]];
        for (std::uint32_t i = 0; i < live_[vertex]; ++i) {
            const std::uint32_t triangle = triangleOf(keys[i]);
            if (--searchedCorners_[triangle] == 0) dropCandidate(triangle);
        }
    }

    void dropCandidate(std::uint32_t triangle) {
        searchedCorners_[triangle] = 0;
        const std::uint32_t place = candidatePlace_[triangle];
        const Candidate last = candidates_.back();
        candidates_[place] = last;
        candidatePlace_[last.triangle] = place;
        candidates_.pop_back();
    }

    // Where the search through the cache reaches the triangle first: its earliest searched corner's
    // cache position, then the corner's place in its vertex's list.
    std::uint32_t searchRank(std::uint32_t triangle) const {
        std::uint32_t rank = kNone;
        for (std::uint32_t key = 4 * triangle; key < 4 * triangle + 3; ++key) {
            const std::uint32_t vertex = cornerVertices_[key];
            if (!isSearched(vertex)) continue;
            const std::uint32_t placeInList = slot_[key] - offsets_[vertex];
            rank = std::min(rank, std::uint32_t(cachePosition_[vertex]) * kEagerValence + placeInList);
        }
        return rank;
    }

    // Emits a triangle and returns the best candidate, or kNone when there is none.
    std::uint32_t emit(std::uint32_t triangle) {
        emitted_[triangle] = true;
        if (searchedCorners_[triangle] > 0) dropCandidate(triangle);
        const std::uint32_t* corners = &cornerVertices_[4 * std::size_t(triangle)];
        bool wasSearched[3];
        for (int c = 0; c < 3; ++c) wasSearched[c] = isSearched(corners[c]);
        for (int c = 0; c < 3; ++c) removeCorner(4 * triangle + c);
        updateCache(corners);
        // A corner enters the cache, or a fan centre has few enough triangles left.
        for (int c = 0; c < 3; ++c) {
            const std::uint32_t v = corners[c];
            const bool repeated = (c > 0 && v == corners[0]) || (c == 2 && v == corners[1]);
            if (!repeated && !wasSearched[c] && isSearched(v)) considerTrianglesOf(v);
        }
        return bestCandidate();
    }

    // The scores go to a buffer first and the best is found from there: which candidate wins is no
    // pattern a branch predictor could follow, and ties, which the search order settles, are rare.
    std::uint32_t bestCandidate() {
        const std::size_t count = candidates_.size();
        if (count <= 1) return count == 0 ? kNone : candidates_[0].triangle;
        const float* score = score_.data();
        float* scores = candidateScores_.data();
        auto scoreOf = [&](std::size_t i) {
            const std::uint32_t* corners = candidates_[i].corners;
            return scores[i] = score[corners[0]] + score[corners[1]] + score[corners[2]];
        };
        // Two running maxima, so that neither waits on the other.
        float evenTop = -std::numeric_limits<float>::infinity();
        float oddTop = evenTop;
        std::size_t i = 0;
        for (; i + 1 < count; i += 2) {
            evenTop = std::max(evenTop, scoreOf(i));
            oddTop = std::max(oddTop, scoreOf(i + 1));
        }
        if (i < count) evenTop = std::max(evenTop, scoreOf(i));
        const float bestScore = std::max(evenTop, oddTop);
        std::uint32_t ties = 0;
        for (i = 0; i < count; ++i) ties += scores[i] == bestScore;
        std::size_t first = 0;
        while (scores[first] != bestScore) ++first;
        std::uint32_t best = candidates_[first].triangle;
        if (ties == 1) return best;
        std::uint32_t bestRank = searchRank(best);
        for (i = first + 1; i < count; ++i) {
            if (scores[i] != bestScore) continue;
            const std::uint32_t rank = searchRank(candidates_[i].triangle);
            if (rank < bestRank) {
                best = candidates_[i].triangle;
                bestRank = rank;
            }
        }
        return best;
    }

    const ScoreTable& table_ = scoreTable();
    Index* indices_;
    std::uint32_t triangleCount_;
    std::uint32_t vertexBase_;
    std::vector<std::uint32_t> cornerVertices_;  // by corner key, relative to vertexBase_
    std::vector<std::uint32_t> live_;
    std::vector<std::uint32_t> offsets_;
    std::vector<std::uint32_t> adjacency_;
    std::vector<std::uint32_t> slot_;
    std::vector<int> cachePosition_;
    std::vector<float> score_;  // current score of every vertex
    std::vector<bool> emitted_;
    std::vector<std::uint32_t> emittedOrder_;
    // The cached vertices with triangles left, in cache order: one buffer is the list, the other
    // takes the next one.
    std::uint32_t cacheBuffers_[2][kCacheSize + 3];
    std::uint32_t* liveCache_ = cacheBuffers_[0];
    int liveInCache_ = 0;
    std::vector<std::uint32_t> evicted_;
    std::uint32_t cursor_ = 0;
    // The triangles with a searched corner, in no particular order; each one's place in that list
    // and its number of searched corners.
    struct Candidate {
        std::uint32_t corners[3];
        std::uint32_t triangle;
    };
    std::vector<Candidate> candidates_;
    std::vector<std::uint32_t> candidatePlace_;
    std::vector<std::uint8_t> searchedCorners_;
    std::vector<float> candidateScores_;
};

// Corner keys are 32 bits wide: a subset of this many triangles or more keeps its order.
constexpr std::uint32_t kMaxTriangles = 1u << 30;

template <typename Index>
void optimizeSubsets(IndexedTriangleSet& set, std::vector<Index>& indices) {
    for (const IndexedTriangleSubset& subset : set.subsets) {
        if (subset.numIndices < 3 || subset.numIndices / 3 >= kMaxTriangles) continue;
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
