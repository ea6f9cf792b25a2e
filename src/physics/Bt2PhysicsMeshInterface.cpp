#include "Bt2PhysicsMeshInterface.h"

#include "geometry/SafeMergeSort.h"

#include <cmath>
#include <numeric>

namespace {

constexpr float kWeldDistance = 0.0001f;

bool differ(float a, float b) {
    return std::fabs(a - b) > kWeldDistance;
}

}  // namespace

Bt2PhysicsMeshInterface::Bt2PhysicsMeshInterface(std::uint32_t vertexCount, const float* positions, std::uint32_t indexCount,
                                                 const std::uint32_t* indices) {
    // By x, then y, then z, each compared with the weld distance. That is no strict weak order
    // (a tolerance is not transitive), so the sort is one whose steps stay bounded whatever the
    // comparison answers.
    std::vector<std::uint32_t> order(vertexCount);
    std::iota(order.begin(), order.end(), 0u);
    std::vector<std::uint32_t> scratch;
    const auto less = [positions](std::uint32_t a, std::uint32_t b) {
        const float* p = positions + 3 * std::size_t(a);
        const float* q = positions + 3 * std::size_t(b);
        if (differ(p[0], q[0])) return p[0] < q[0];
        if (differ(p[1], q[1])) return p[1] < q[1];
        return p[2] < q[2];
    };
    safeMergeSort(order.data(), order.size(), scratch, less);

    // A vertex starts a new unique one when it differs from the one before it in sorted order; a
    // unique vertex takes the position of the highest-numbered source vertex welded into it.
    std::vector<std::uint32_t> unique(vertexCount);
    std::vector<std::uint32_t> source;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const float* p = positions + 3 * std::size_t(order[k]);
        const float* before = k > 0 ? positions + 3 * std::size_t(order[k - 1]) : nullptr;
        if (!before || differ(p[0], before[0]) || differ(p[1], before[1]) || differ(p[2], before[2])) source.push_back(order[k]);
        source.back() = std::max(source.back(), order[k]);
        unique[order[k]] = std::uint32_t(source.size() - 1);
    }
    vertices_.reserve(3 * source.size());
    for (const std::uint32_t s : source) vertices_.insert(vertices_.end(), positions + 3 * std::size_t(s), positions + 3 * std::size_t(s) + 3);

    indices_.reserve(indexCount);
    for (std::uint32_t t = 0; t + 2 < indexCount; t += 3) {
        const std::uint32_t a = unique[indices[t]], b = unique[indices[t + 1]], c = unique[indices[t + 2]];
        if (a == b || b == c || a == c) continue;
        indices_.insert(indices_.end(), {std::uint16_t(a), std::uint16_t(b), std::uint16_t(c)});
    }
}

// Locking for writing hands out the same arrays (Bullet only reads them here).
void Bt2PhysicsMeshInterface::getLockedVertexIndexBase(unsigned char** vertexbase, int& numverts, PHY_ScalarType& type, int& stride,
                                                       unsigned char** indexbase, int& indexstride, int& numfaces,
                                                       PHY_ScalarType& indicestype, int subpart) {
    const unsigned char* vertices = nullptr;
    const unsigned char* indices = nullptr;
    getLockedReadOnlyVertexIndexBase(&vertices, numverts, type, stride, &indices, indexstride, numfaces, indicestype, subpart);
    *vertexbase = const_cast<unsigned char*>(vertices);
    *indexbase = const_cast<unsigned char*>(indices);
}

void Bt2PhysicsMeshInterface::getLockedReadOnlyVertexIndexBase(const unsigned char** vertexbase, int& numverts, PHY_ScalarType& type,
                                                               int& stride, const unsigned char** indexbase, int& indexstride,
                                                               int& numfaces, PHY_ScalarType& indicestype, int) const {
    *vertexbase = reinterpret_cast<const unsigned char*>(vertices_.data());
    *indexbase = reinterpret_cast<const unsigned char*>(indices_.data());
    numverts = int(vertices_.size() / 3);
    numfaces = int(indices_.size() / 3);
    type = PHY_FLOAT;
    stride = 12;
    indicestype = PHY_SHORT;
    indexstride = 6;
}
