#include "CreateIndexedTriangleSet.h"

#include "UvDensity.h"

#include <algorithm>
#include <cstring>
#include <tuple>

namespace {

// A triangle as the set orders it: by material, then by its vertex numbers.
struct SortedTriangle {
    std::uint32_t material;
    std::uint32_t indices[3];

    bool operator<(const SortedTriangle& other) const {
        return std::tie(material, indices[0], indices[1], indices[2]) <
               std::tie(other.material, other.indices[0], other.indices[1], other.indices[2]);
    }
};

// Orders `from` into `to` by the number keyOf gives each triangle, below `keyCount`, keeping the
// order of triangles with equal keys.
template <typename KeyOf>
void countingSort(const std::vector<SortedTriangle>& from, std::vector<SortedTriangle>& to, std::size_t keyCount,
                  KeyOf keyOf) {
    std::vector<std::uint32_t> next(keyCount + 1, 0);
    for (const SortedTriangle& triangle : from) ++next[keyOf(triangle) + 1];
    for (std::size_t key = 1; key <= keyCount; ++key) next[key] += next[key - 1];
    to.resize(from.size());
    for (const SortedTriangle& triangle : from) to[next[keyOf(triangle)]++] = triangle;
}

// The usable triangles in set order. Counting sorts bring them into order by material and first
// vertex, which leaves runs of a few triangles to sort by their other vertices. Triangles with
// equal keys are identical, so the order is the one a full sort gives.
std::vector<SortedTriangle> sortedTriangles(const MeshBuildBuffer& buffer) {
    std::vector<SortedTriangle> triangles;
    triangles.reserve(buffer.triangles.size());
    std::vector<std::uint32_t> materials;
    const std::size_t vertexCount = buffer.vertices.size();
    for (const BuildTriangle& triangle : buffer.triangles) {
        if (!isUsable(triangle, vertexCount)) continue;
        triangles.push_back({triangle.material, {triangle.indices[0], triangle.indices[1], triangle.indices[2]}});
        if (materials.empty() || materials.back() != triangle.material) materials.push_back(triangle.material);
    }
    std::vector<SortedTriangle> sorted;
    countingSort(triangles, sorted, vertexCount, [](const SortedTriangle& t) { return t.indices[0]; });
    std::sort(materials.begin(), materials.end());
    materials.erase(std::unique(materials.begin(), materials.end()), materials.end());
    if (materials.size() > 1) {
        auto rankOf = [&materials](const SortedTriangle& t) {
            return std::size_t(std::lower_bound(materials.begin(), materials.end(), t.material) - materials.begin());
        };
        countingSort(sorted, triangles, materials.size(), rankOf);
        sorted.swap(triangles);
    }
    for (std::size_t runStart = 0; runStart < sorted.size();) {
        std::size_t runEnd = runStart + 1;
        while (runEnd < sorted.size() && sorted[runEnd].material == sorted[runStart].material &&
               sorted[runEnd].indices[0] == sorted[runStart].indices[0]) {
            ++runEnd;
        }
        if (runEnd - runStart > 1) std::sort(sorted.begin() + runStart, sorted.begin() + runEnd);
        runStart = runEnd;
    }
    return sorted;
}

void copyVertex(const BuildVertex& vertex, std::size_t i, IndexedTriangleSet& set) {
    std::memcpy(&set.positions[3 * i], vertex.position, 3 * sizeof(float));
    for (unsigned k = 0; k < kMaxUvSets; ++k) {
        if (set.has(uvSetBit(k))) std::memcpy(&set.uv[k][2 * i], vertex.uv[k], 2 * sizeof(float));
    }
    if (set.has(kVertexNormal)) std::memcpy(&set.normals[3 * i], vertex.normal, 3 * sizeof(float));
    if (set.has(kVertexTangent)) std::memcpy(&set.tangents[4 * i], vertex.tangent, 4 * sizeof(float));
    if (set.has(kVertexColor)) std::memcpy(&set.colors[4 * i], vertex.color, 4 * sizeof(float));
    if (set.has(kVertexBlendWeights)) {
        if (set.has(kVertexSingleBlendWeight)) {
            set.blendIndices[i] = vertex.blendIndices[0];
        } else {
            const float sum = vertex.blendWeights[0] + vertex.blendWeights[1] + vertex.blendWeights[2] +
                              vertex.blendWeights[3];
            for (int w = 0; w < 4; ++w) {
                set.blendWeights[4 * i + w] = sum > 0.0f ? vertex.blendWeights[w] / sum : vertex.blendWeights[w];
                set.blendIndices[4 * i + w] = vertex.blendIndices[w];
            }
        }
    }
    if (set.has(kVertexGeneric)) set.generic[i] = vertex.generic;
}

template <typename Index>
void fillIndices(const std::vector<SortedTriangle>& triangles, std::vector<Index>& indices) {
    for (std::size_t t = 0; t < triangles.size(); ++t) {
        for (int c = 0; c < 3; ++c) indices[3 * t + c] = static_cast<Index>(triangles[t].indices[c]);
    }
}

// One subset per run of a material, with the range of vertices its triangles use.
std::vector<IndexedTriangleSubset> subsetsOf(const std::vector<SortedTriangle>& triangles) {
    std::vector<IndexedTriangleSubset> subsets;
    for (std::size_t runStart = 0; runStart < triangles.size();) {
        std::uint32_t lowest = 0xFFFFFFFFu;
        std::uint32_t highest = 0;
        std::size_t runEnd = runStart;
        for (; runEnd < triangles.size() && triangles[runEnd].material == triangles[runStart].material; ++runEnd) {
            for (std::uint32_t index : triangles[runEnd].indices) {
                lowest = std::min(lowest, index);
                highest = std::max(highest, index);
            }
        }
        IndexedTriangleSubset& subset = subsets.emplace_back();
        subset.firstIndex = static_cast<std::uint32_t>(3 * runStart);
        subset.numIndices = static_cast<std::uint32_t>(3 * (runEnd - runStart));
        subset.firstVertex = lowest;
        subset.numVertices = highest - lowest + 1;
        runStart = runEnd;
    }
    return subsets;
}

}  // namespace

std::unique_ptr<IndexedTriangleSet> createIndexedTriangleSet(const MeshBuildBuffer& buffer) {
    const std::vector<SortedTriangle> triangles = sortedTriangles(buffer);
    auto set = std::make_unique<IndexedTriangleSet>();
    set->resizeVertices(static_cast<std::uint32_t>(buffer.vertices.size()), buffer.vertexFormat);
    set->resizeIndices(static_cast<std::uint32_t>(3 * triangles.size()));
    for (std::size_t i = 0; i < buffer.vertices.size(); ++i) copyVertex(buffer.vertices[i], i, *set);

    if (set->uses32BitIndices()) {
        fillIndices(triangles, set->indices32);
    } else {
        fillIndices(triangles, set->indices16);
    }
    set->subsets = subsetsOf(triangles);
    for (IndexedTriangleSubset& subset : set->subsets) {
        for (unsigned k = 0; k < kMaxUvSets; ++k) {
            subset.uvDensity[k] = subsetUvDensity(*set, k, subset.firstIndex, subset.numIndices);
        }
    }
    return set;
}
