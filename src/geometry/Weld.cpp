#include "Weld.h"

#include "SafeMergeSort.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

namespace {

constexpr float kPositionTolerance = 0.0001f;
constexpr float kNormalTolerance = 0.0001f;
constexpr float kColorTolerance = 0.001f;
constexpr float kUvTolerance = 0.0001f;
constexpr float kBlendWeightTolerance = 0.001f;
constexpr float kGenericTolerance = 0.00001f;
constexpr float kMinTangentSumLength = 0.00001f;
constexpr std::uint32_t kNoVertex = 0xFFFFFFFFu;

int compareWithin(float a, float b, float tolerance) {
    if (a < b - tolerance) return -1;
    if (a > b + tolerance) return 1;
    const bool aNaN = std::isnan(a);
    const bool bNaN = std::isnan(b);
    if (aNaN == bNaN) return 0;
    return aNaN ? 1 : -1;
}

int compareAll(const float* a, const float* b, int count, float tolerance) {
    for (int i = 0; i < count; ++i) {
        if (const int order = compareWithin(a[i], b[i], tolerance)) return order;
    }
    return 0;
}

// What the sort moves around: the position, so that most comparisons never leave the array,
// and the vertex's place in the buffer.
struct SortItem {
    float position[3];
    std::uint32_t vertex;
};

bool isUsable(const BuildTriangle& triangle, std::size_t vertexCount) {
    return triangle.valid && triangle.indices[0] < vertexCount && triangle.indices[1] < vertexCount &&
           triangle.indices[2] < vertexCount;
}

float tangentDot(const BuildVertex& a, const BuildVertex& b) {
    return a.tangent[0] * b.tangent[0] + a.tangent[1] * b.tangent[1] + a.tangent[2] * b.tangent[2];
}

// Corners of one Maya vertex usually carry bitwise identical attributes and differ at most in
// their tangent direction; that case needs no component-by-component comparison.
bool sameAttributeBits(const BuildVertex& a, const BuildVertex& b) {
    static_assert(offsetof(BuildVertex, uv) + sizeof a.uv == offsetof(BuildVertex, normal) &&
                      offsetof(BuildVertex, normal) + sizeof a.normal == offsetof(BuildVertex, color),
                  "uv, normal and colour must be contiguous");
    static_assert(offsetof(BuildVertex, blendWeights) + sizeof a.blendWeights == offsetof(BuildVertex, blendIndices) &&
                      offsetof(BuildVertex, blendIndices) + sizeof a.blendIndices == offsetof(BuildVertex, generic),
                  "blend data and generic must be contiguous");
    const auto bytes = [](const BuildVertex& v) { return reinterpret_cast<const char*>(&v); };
    constexpr std::size_t kUvToColor = offsetof(BuildVertex, tangent) - offsetof(BuildVertex, uv);
    constexpr std::size_t kBlendToEnd = sizeof(BuildVertex) - offsetof(BuildVertex, blendWeights);
    return std::memcmp(bytes(a) + offsetof(BuildVertex, uv), bytes(b) + offsetof(BuildVertex, uv), kUvToColor) == 0 &&
           std::memcmp(&a.tangent[3], &b.tangent[3], sizeof(float)) == 0 &&
           std::memcmp(bytes(a) + offsetof(BuildVertex, blendWeights), bytes(b) + offsetof(BuildVertex, blendWeights),
                       kBlendToEnd) == 0;
}

// Everything after the position, in the welding order.
int compareAttributes(const BuildVertex& a, const BuildVertex& b) {
    if (sameAttributeBits(a, b) && !(tangentDot(a, b) < 0.0f)) return 0;
    if (const int order = compareAll(a.normal, b.normal, 3, kNormalTolerance)) return order;
    if (const int order = compareAll(a.color, b.color, 4, kColorTolerance)) return order;
    if (const int order = compareWithin(a.tangent[3], b.tangent[3], 0.0f)) return order;
    if (tangentDot(a, b) < 0.0f) {
        // Tangents more than 90 degrees apart never weld; they order by direction, so that
        // vertices with one tangent stay together however many point the other way.
        for (int c = 0; c < 3; ++c) {
            if (a.tangent[c] != b.tangent[c]) return a.tangent[c] < b.tangent[c] ? -1 : 1;
        }
    }
    for (unsigned k = 0; k < kMaxUvSets; ++k) {
        if (const int order = compareAll(a.uv[k], b.uv[k], 2, kUvTolerance)) return order;
    }
    if (const int order = compareAll(a.blendWeights, b.blendWeights, 4, kBlendWeightTolerance)) return order;
    for (int i = 0; i < 4; ++i) {
        if (a.blendIndices[i] != b.blendIndices[i]) return a.blendIndices[i] < b.blendIndices[i] ? -1 : 1;
    }
    return compareWithin(a.generic, b.generic, kGenericTolerance);
}

}  // namespace

int compareForWeld(const BuildVertex& a, const BuildVertex& b) {
    if (const int order = compareAll(a.position, b.position, 3, kPositionTolerance)) return order;
    return compareAttributes(a, b);
}

void weldVertices(MeshBuildBuffer& buffer) {
    const std::vector<BuildVertex>& vertices = buffer.vertices;
    const std::size_t vertexCount = vertices.size();
    std::vector<std::uint32_t> groupOf(vertexCount, kNoVertex);
    for (const BuildTriangle& triangle : buffer.triangles) {
        if (!isUsable(triangle, vertexCount)) continue;
        for (std::uint32_t index : triangle.indices) groupOf[index] = 0;
    }
    std::vector<SortItem> items;
    items.reserve(vertexCount);
    for (std::uint32_t v = 0; v < vertexCount; ++v) {
        if (groupOf[v] == 0) items.push_back({{vertices[v].position[0], vertices[v].position[1], vertices[v].position[2]}, v});
    }

    // The welding order compares positions first, so sorting by position alone (with the
    // positions inside the items, where comparing them costs no memory access) and then each run
    // of equal positions by the remaining attributes gives the same order as one full sort.
    auto samePosition = [](const SortItem& a, const SortItem& b) {
        return compareAll(a.position, b.position, 3, kPositionTolerance);
    };
    auto fullOrder = [&vertices](const SortItem& a, const SortItem& b) {
        if (const int order = compareAll(a.position, b.position, 3, kPositionTolerance)) return order;
        return compareAttributes(vertices[a.vertex], vertices[b.vertex]);
    };
    std::vector<SortItem> scratch;
    safeMergeSort(items.data(), items.size(), scratch,
                  [&](const SortItem& a, const SortItem& b) { return samePosition(a, b) < 0; });

    // Sweep: every vertex equal to its group's first member joins the group, whose tangent
    // becomes the normalised sum of its members' tangents.
    std::vector<std::uint32_t> leaders;
    std::vector<float> leaderTangents;
    for (std::size_t runStart = 0; runStart < items.size();) {
        std::size_t runEnd = runStart + 1;
        while (runEnd < items.size() && samePosition(items[runStart], items[runEnd]) == 0) ++runEnd;
        // Usually every corner at a position equals the first one (and so, the order being
        // transitive there, each other): the run is one group already in sorted order.
        bool oneGroup = true;
        for (std::size_t k = runStart + 1; k < runEnd && oneGroup; ++k) oneGroup = fullOrder(items[runStart], items[k]) == 0;
        if (!oneGroup) {
            safeMergeSort(items.data() + runStart, runEnd - runStart, scratch,
                          [&](const SortItem& a, const SortItem& b) { return fullOrder(a, b) < 0; });
        }
        for (std::size_t i = runStart; i < runEnd;) {
            const SortItem& leader = items[i];
            const auto group = static_cast<std::uint32_t>(leaders.size());
            double sum[3] = {0, 0, 0};
            std::size_t j = i;
            do {
                const BuildVertex& member = vertices[items[j].vertex];
                for (int c = 0; c < 3; ++c) sum[c] += member.tangent[c];
                groupOf[items[j].vertex] = group;
                ++j;
            } while (j < runEnd && fullOrder(leader, items[j]) == 0);
            const double length = std::sqrt(sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2]);
            const double scale = length > kMinTangentSumLength ? 1.0 / length : 1.0;
            leaders.push_back(leader.vertex);
            for (int c = 0; c < 3; ++c) leaderTangents.push_back(static_cast<float>(sum[c] * scale));
            i = j;
        }
        runStart = runEnd;
    }
    std::vector<SortItem>().swap(items);
    std::vector<SortItem>().swap(scratch);

    // Leaders keep their place in buffer order; every other vertex maps onto its leader.
    std::vector<std::uint32_t> newIndexOfGroup(leaders.size(), kNoVertex);
    std::vector<BuildVertex> welded;
    welded.reserve(leaders.size());
    for (std::uint32_t v = 0; v < vertexCount; ++v) {
        const std::uint32_t group = groupOf[v];
        if (group == kNoVertex || leaders[group] != v) continue;
        newIndexOfGroup[group] = static_cast<std::uint32_t>(welded.size());
        welded.push_back(vertices[v]);
        std::memcpy(welded.back().tangent, &leaderTangents[3 * std::size_t(group)], 3 * sizeof(float));
    }

    std::size_t kept = 0;
    for (const BuildTriangle& triangle : buffer.triangles) {
        if (!isUsable(triangle, vertexCount)) continue;
        BuildTriangle& target = buffer.triangles[kept++];
        target = triangle;
        for (std::uint32_t& index : target.indices) index = newIndexOfGroup[groupOf[index]];
    }
    buffer.triangles.resize(kept);
    buffer.vertices.swap(welded);
}
