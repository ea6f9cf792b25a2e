#include "geometry/CreateIndexedTriangleSet.h"
#include "geometry/VertexCache.h"
#include "geometry/Weld.h"
#include "MeshBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

using Triangle = std::array<std::array<float, 3>, 3>;

// Triangles by their corner positions, each rotated to start at its smallest corner, so that the
// comparison survives renumbering and the winding is kept.
std::vector<Triangle> trianglesOf(const IndexedTriangleSet& set, std::uint32_t first, std::uint32_t count) {
    std::vector<Triangle> triangles;
    for (std::uint32_t i = first; i < first + count; i += 3) {
        Triangle t;
        for (int c = 0; c < 3; ++c) {
            const float* p = &set.positions[3 * set.index(i + c)];
            t[c] = {p[0], p[1], p[2]};
        }
        std::rotate(t.begin(), std::min_element(t.begin(), t.end()), t.end());
        triangles.push_back(t);
    }
    std::sort(triangles.begin(), triangles.end());
    return triangles;
}

// A grid of quads in two materials, shuffled so that the optimiser has work to do.
std::unique_ptr<IndexedTriangleSet> shuffledGrid(int side) {
    MeshBuildBuffer buffer;
    buffer.vertexFormat = kVertexUv0 | kVertexNormal;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const float fx = float(x), fy = float(y);
            const BuildVertex a = corner(fx, fy, 0, fx, fy), b = corner(fx + 1, fy, 0, fx + 1, fy),
                              c = corner(fx + 1, fy + 1, 0, fx + 1, fy + 1), d = corner(fx, fy + 1, 0, fx, fy + 1);
            const std::uint32_t material = (x < side / 2) ? 0 : 1;
            addTriangle(buffer, a, b, c, material);
            addTriangle(buffer, a, c, d, material);
        }
    }
    std::mt19937 random(3);
    std::shuffle(buffer.triangles.begin(), buffer.triangles.end(), random);
    weldVertices(buffer);
    return createIndexedTriangleSet(buffer);
}


// A vertex's score by its cache position (-1: not cached) and remaining triangles, in the float
// arithmetic the optimiser uses, so that equal scores are equal here too.
float vertexScore(long position, std::uint32_t live) {
    const float cacheScore =
        position < 0 ? 0.0f : position < 3 ? 0.75f : std::pow(1.0f - float(position - 3) / float(61), 1.5f);
    return cacheScore + 2.0f * std::pow(float(live), -0.5f);
}

struct GreedyReplay {
    float worstShortfall = 0.0f;  // by how much an emitted triangle fell short of the best candidate
    int stepsWithEqualBests = 0;
    int equalBestsTakenOutOfOrder = 0;
};

// Replays an emitted order through a plain 64-entry LRU cache (front = most recent): every step must
// be the greedy one. Candidates are the remaining triangles with a cached vertex of at most 32
// remaining triangles (all triangles on the first step); a step without candidates is a dead end,
// where any triangle may follow. Of equal bests, the search through the cache from its front must
// reach the emitted one first: none of the others may have a searched corner nearer the front.
GreedyReplay replayGreedy(const std::vector<std::array<std::uint32_t, 3>>& order, std::uint32_t vertexCount) {
    std::vector<std::uint32_t> live(vertexCount, 0);
    std::vector<std::vector<std::uint32_t>> trianglesOfVertex(vertexCount);
    for (std::uint32_t t = 0; t < order.size(); ++t) {
        for (std::uint32_t v : order[t]) {
            ++live[v];
            trianglesOfVertex[v].push_back(t);
        }
    }
    std::vector<std::uint32_t> cache;
    std::vector<bool> emitted(order.size(), false);
    auto positionOf = [&](std::uint32_t v) {
        const auto it = std::find(cache.begin(), cache.end(), v);
        return it == cache.end() ? -1L : long(it - cache.begin());
    };
    auto score = [&](std::uint32_t t) {
        const auto& c = order[t];
        return vertexScore(positionOf(c[0]), live[c[0]]) + vertexScore(positionOf(c[1]), live[c[1]]) +
               vertexScore(positionOf(c[2]), live[c[2]]);
    };
    // The first cache place the search reaches the triangle from.
    auto searchedFrom = [&](std::uint32_t t) {
        long first = 64;
        for (std::uint32_t v : order[t]) {
            if (live[v] <= 32 && positionOf(v) >= 0) first = std::min(first, positionOf(v));
        }
        return first;
    };
    GreedyReplay replay;
    for (std::uint32_t step = 0; step < order.size(); ++step) {
        std::vector<std::uint32_t> candidates;
        for (std::uint32_t t = 0; t < order.size() && step == 0; ++t) candidates.push_back(t);
        for (std::uint32_t v : cache) {
            if (live[v] == 0 || live[v] > 32) continue;
            for (std::uint32_t t : trianglesOfVertex[v]) {
                if (!emitted[t]) candidates.push_back(t);
            }
        }
        if (!candidates.empty()) {
            float best = -1e30f;
            for (std::uint32_t t : candidates) best = std::max(best, score(t));
            replay.worstShortfall = std::max(replay.worstShortfall, best - score(step));
            std::sort(candidates.begin(), candidates.end());
            candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
            const auto equalBests =
                std::count_if(candidates.begin(), candidates.end(), [&](std::uint32_t t) { return score(t) == best; });
            if (step > 0 && equalBests > 1 && score(step) == best) {
                ++replay.stepsWithEqualBests;
                for (std::uint32_t t : candidates) {
                    if (score(t) == best && searchedFrom(t) < searchedFrom(step)) ++replay.equalBestsTakenOutOfOrder;
                }
            }
        }
        emitted[step] = true;
        for (std::uint32_t v : order[step]) --live[v];
        for (int c = 2; c >= 0; --c) {
            const std::uint32_t v = order[step][c];
            cache.erase(std::remove(cache.begin(), cache.end(), v), cache.end());
            cache.insert(cache.begin(), v);
        }
        if (cache.size() > 64) cache.resize(64);
    }
    return replay;
}

// Random triangles between the points of a 12 x 12 lattice, every fourth through one hub: many
// equal scores, degenerate and repeated triangles, and a fan centre.
MeshBuildBuffer hubSoup(unsigned seed, std::uint32_t materials) {
    MeshBuildBuffer soup;
    std::mt19937 random(seed);
    for (std::uint32_t t = 0; t < 3000; ++t) {
        auto latticePoint = [&random] { return corner(float(random() % 12), float(random() % 12), 0); };
        const BuildVertex first = t % 4 == 0 ? corner(0, 0, 0) : latticePoint();
        const BuildVertex second = latticePoint();
        addTriangle(soup, first, second, latticePoint(), t % materials);
    }
    return soup;
}

std::vector<std::array<std::uint32_t, 3>> optimizedOrder(MeshBuildBuffer& buffer, std::uint32_t& vertexCount) {
    weldVertices(buffer);
    auto set = createIndexedTriangleSet(buffer);
    optimizeVertexCache(*set);
    std::vector<std::array<std::uint32_t, 3>> order;
    for (std::uint32_t i = 0; i < set->numIndices; i += 3) {
        order.push_back({set->index(i), set->index(i + 1), set->index(i + 2)});
    }
    vertexCount = set->numVertices;
    return order;
}

}  // namespace

TEST(VertexCache, KeepsEveryTriangleInItsSubsetWithConsistentStreams) {
    auto set = shuffledGrid(24);
    const auto before = *set;
    optimizeVertexCache(*set);
    EXPECT_TRUE(set->isOptimized);
    ASSERT_EQ(set->subsets.size(), before.subsets.size());
    for (std::size_t s = 0; s < set->subsets.size(); ++s) {
        const IndexedTriangleSubset& subset = set->subsets[s];
        EXPECT_EQ(subset.firstIndex, before.subsets[s].firstIndex);
        EXPECT_EQ(subset.numIndices, before.subsets[s].numIndices);
        EXPECT_EQ(trianglesOf(*set, subset.firstIndex, subset.numIndices),
                  trianglesOf(before, subset.firstIndex, subset.numIndices));
        for (std::uint32_t i = subset.firstIndex; i < subset.firstIndex + subset.numIndices; ++i) {
            EXPECT_GE(set->index(i), subset.firstVertex);
            EXPECT_LT(set->index(i), subset.firstVertex + subset.numVertices);
        }
    }
    // UVs equal positions in this grid, so the permuted streams must still agree.
    for (std::uint32_t v = 0; v < set->numVertices; ++v) {
        EXPECT_EQ(set->uv[0][2 * v], set->positions[3 * v]);
        EXPECT_EQ(set->uv[0][2 * v + 1], set->positions[3 * v + 1]);
    }
    // Vertices are numbered by first use.
    std::uint32_t next = 0;
    for (std::uint32_t i = 0; i < set->numIndices; ++i) {
        EXPECT_LE(set->index(i), next);
        if (set->index(i) == next) ++next;
    }
    const std::uint64_t optimized = set->checksum();
    optimizeVertexCache(*set);
    EXPECT_EQ(set->checksum(), optimized);
}

TEST(VertexCache, ImprovesTheCacheMissRateOfAShuffledGrid) {
    auto set = shuffledGrid(40);
    auto missesPerTriangle = [](const IndexedTriangleSet& mesh) {
        std::vector<std::uint32_t> fifo;
        std::uint32_t misses = 0;
        for (std::uint32_t i = 0; i < mesh.numIndices; ++i) {
            const std::uint32_t v = mesh.index(i);
            if (std::find(fifo.begin(), fifo.end(), v) != fifo.end()) continue;
            ++misses;
            fifo.push_back(v);
            if (fifo.size() > 16) fifo.erase(fifo.begin());
        }
        return double(misses) / (mesh.numIndices / 3);
    };
    const double shuffled = missesPerTriangle(*set);
    optimizeVertexCache(*set);
    const double optimized = missesPerTriangle(*set);
    EXPECT_LT(optimized, 0.8 * shuffled) << shuffled << " -> " << optimized;
    EXPECT_LT(optimized, 0.8);
}

TEST(VertexCache, EveryStepTakesTheBestScoringCandidate) {
    // A shuffled grid with randomly flipped diagonals and a 40-triangle fan, whose centre has more
    // remaining triangles than the search goes through; and random triangles between the points of
    // a small lattice, every fourth through one hub, which give equal bests for the search order
    // to settle.
    MeshBuildBuffer irregular, soup = hubSoup(5, 1);
    std::mt19937 random(9);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const float fx = float(x), fy = float(y);
            const BuildVertex a = corner(fx, fy, 0), b = corner(fx + 1, fy, 0), c = corner(fx + 1, fy + 1, 0),
                              d = corner(fx, fy + 1, 0);
            if (random() % 2) {
                addTriangle(irregular, a, b, c);
                addTriangle(irregular, a, c, d);
            } else {
                addTriangle(irregular, a, b, d);
                addTriangle(irregular, b, c, d);
            }
        }
    }
    for (int i = 0; i < 40; ++i) {
        addTriangle(irregular, corner(100, 100, 0), corner(100 + std::cos(i * 0.1f), 100 + std::sin(i * 0.1f), 0),
                    corner(100 + std::cos(i * 0.1f + 0.1f), 100 + std::sin(i * 0.1f + 0.1f), 0));
    }
    std::shuffle(irregular.triangles.begin(), irregular.triangles.end(), random);
    int stepsWithEqualBests = 0;
    for (MeshBuildBuffer* buffer : {&irregular, &soup}) {
        std::uint32_t vertexCount = 0;
        const auto order = optimizedOrder(*buffer, vertexCount);
        const GreedyReplay replay = replayGreedy(order, vertexCount);
        EXPECT_EQ(replay.worstShortfall, 0.0f);
        EXPECT_EQ(replay.equalBestsTakenOutOfOrder, 0);
        stepsWithEqualBests += replay.stepsWithEqualBests;
    }
    EXPECT_GT(stepsWithEqualBests, 10);
}

TEST(VertexCache, SixteenAndThirtyTwoBitIndicesGetTheSameOrder) {
    auto narrow = shuffledGrid(20);
    // The same mesh with unused vertices appended, which forces 32-bit indices.
    IndexedTriangleSet wide;
    wide.resizeVertices(kMaxVerticesFor16BitIndices + 100, narrow->vertexFormat);
    std::copy(narrow->positions.begin(), narrow->positions.end(), wide.positions.begin());
    wide.resizeIndices(narrow->numIndices);
    for (std::uint32_t i = 0; i < narrow->numIndices; ++i) wide.setIndex(i, narrow->index(i));
    wide.subsets = narrow->subsets;
    ASSERT_TRUE(wide.uses32BitIndices());
    ASSERT_FALSE(narrow->uses32BitIndices());
    optimizeVertexCache(*narrow);
    optimizeVertexCache(wide);
    for (std::uint32_t i = 0; i < narrow->numIndices; ++i) ASSERT_EQ(wide.index(i), narrow->index(i)) << i;
    EXPECT_TRUE(std::equal(narrow->positions.begin(), narrow->positions.end(), wide.positions.begin()));
}

TEST(VertexCache, HighValenceFanStaysComplete) {
    MeshBuildBuffer buffer;
    const int rim = 5000;
    buffer.vertices.push_back(corner(0, 0, 0));
    for (int i = 0; i <= rim; ++i) buffer.vertices.push_back(corner(float(i), 1, 0));
    for (std::uint32_t i = 1; i <= std::uint32_t(rim); ++i) buffer.triangles.push_back({{0, i, i + 1}, 0, 1});
    auto set = createIndexedTriangleSet(buffer);
    const auto before = trianglesOf(*set, 0, set->numIndices);
    optimizeVertexCache(*set);
    EXPECT_EQ(trianglesOf(*set, 0, set->numIndices), before);
}

TEST(VertexCache, OrdersStayAsExportedFilesHaveThem) {
    // Checksums of the optimised sets as the straightforward search (every triangle of every cached
    // vertex scored at each step) ordered them: a faster search must not change an exported byte.
    const std::uint64_t expected[] = {0x51fc6a253b4dc7a7, 0x5d84041c797103d2, 0xc9c84681b2855fca, 0x35281493ba227711,
                                      0x8f9a5de95b8fa943};
    for (unsigned seed = 0; seed < 5; ++seed) {
        MeshBuildBuffer soup = hubSoup(seed, 3);
        weldVertices(soup);
        auto set = createIndexedTriangleSet(soup);
        optimizeVertexCache(*set);
        EXPECT_EQ(set->checksum(), expected[seed]) << "seed " << seed;
    }
}
