#include "MeshData.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace mayahost {

namespace {

using Vector = std::array<double, 3>;

Vector subtract(const Vector& a, const Vector& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

double length(const Vector& v) {
    return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// Corners joined into the groups that share one normal.
class CornerGroups {
public:
    explicit CornerGroups(std::size_t count) : parent_(count) { std::iota(parent_.begin(), parent_.end(), 0u); }
    std::uint32_t find(std::uint32_t corner) {
        while (parent_[corner] != corner) corner = parent_[corner] = parent_[parent_[corner]];
        return corner;
    }
    void join(std::uint32_t a, std::uint32_t b) { parent_[find(a)] = find(b); }

private:
    std::vector<std::uint32_t> parent_;
};

}  // namespace

void MeshData::addPolygon(const std::vector<int>& vertices) {
    if (polygonLoops.empty()) {
        polygonLoops.push_back(0);
        loopCorners.push_back(0);
    }
    polygonLoops.push_back(polygonLoops.back());
    addLoop(vertices);
}

void MeshData::addLoop(const std::vector<int>& vertices) {
    cornerVertex.insert(cornerVertex.end(), vertices.begin(), vertices.end());
    cornerSmoothEdge.resize(cornerVertex.size(), 0);
    loopCorners.push_back(static_cast<std::uint32_t>(cornerVertex.size()));
    ++polygonLoops.back();
    derived_ = false;
}

const std::vector<std::uint32_t>& MeshData::triangles(std::size_t polygon) const {
    derive();
    return triangles_[polygon];
}

const std::vector<std::array<float, 3>>& MeshData::cornerNormals() const {
    derive();
    return normals_;
}

// Face normals from the outer loop (Newell), weighted per corner as the mesh's vertex-normal
// method says, summed over the corners that smooth edges join around each vertex.
void MeshData::derive() const {
    if (derived_) return;
    derived_ = true;
    const std::size_t polygons = polygonCount();
    triangles_.assign(polygons, {});
    std::vector<Vector> weighted(cornerVertex.size(), Vector{0, 0, 0});
    std::vector<Vector> loopPoints;
    for (std::size_t p = 0; p < polygons; ++p) {
        loopPoints.clear();
        std::vector<std::uint32_t> loopStarts;
        for (std::uint32_t loop = polygonLoops[p]; loop < polygonLoops[p + 1]; ++loop) {
            loopStarts.push_back(static_cast<std::uint32_t>(loopPoints.size()));
            for (std::uint32_t c = loopCorners[loop]; c < loopCorners[loop + 1]; ++c) loopPoints.push_back(points[std::size_t(cornerVertex[c])]);
        }
        loopStarts.push_back(static_cast<std::uint32_t>(loopPoints.size()));
        triangles_[p] = triangulatePolygon(loopPoints, loopStarts);

        const std::uint32_t first = loopCorners[polygonLoops[p]], end = loopCorners[polygonLoops[p] + 1];
        const std::uint32_t n = end - first;
        Vector normal{0, 0, 0};
        for (std::uint32_t i = 0; i < n; ++i) {
            const Vector& a = loopPoints[i];
            const Vector& b = loopPoints[(i + 1) % n];
            normal[0] += (a[1] - b[1]) * (a[2] + b[2]);
            normal[1] += (a[2] - b[2]) * (a[0] + b[0]);
            normal[2] += (a[0] - b[0]) * (a[1] + b[1]);
        }
        const double twiceArea = length(normal);
        if (twiceArea > 0) {
            for (double& component : normal) component /= twiceArea;
        }
        for (std::uint32_t c = loopCorners[polygonLoops[p]]; c < loopCorners[polygonLoops[p + 1]]; ++c) {
            double weight = 1.0;
            if (c < end && (vertexNormalMethod == 1 || vertexNormalMethod == 3)) {
                const std::uint32_t i = c - first;
                const Vector toPrevious = subtract(loopPoints[(i + n - 1) % n], loopPoints[i]);
                const Vector toNext = subtract(loopPoints[(i + 1) % n], loopPoints[i]);
                const double lengths = length(toPrevious) * length(toNext);
                const double dot = toPrevious[0] * toNext[0] + toPrevious[1] * toNext[1] + toPrevious[2] * toNext[2];
                weight = lengths > 0 ? std::acos(std::max(-1.0, std::min(1.0, dot / lengths))) : 0.0;
            }
            if (vertexNormalMethod == 2 || vertexNormalMethod == 3) weight *= twiceArea * 0.5;
            weighted[c] = {normal[0] * weight, normal[1] * weight, normal[2] * weight};
        }
    }

    // Smooth edges join the corners of their two ends across the polygons that share them.
    CornerGroups groups(cornerVertex.size());
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> edgeSides;  // by vertex pair: corners starting a side
    for (std::size_t loop = 0; loop + 1 < loopCorners.size(); ++loop) {
        for (std::uint32_t c = loopCorners[loop]; c < loopCorners[loop + 1]; ++c) {
            if (!cornerSmoothEdge[c]) continue;
            const std::uint32_t next = c + 1 == loopCorners[loop + 1] ? loopCorners[loop] : c + 1;
            const auto a = std::uint32_t(cornerVertex[c]), b = std::uint32_t(cornerVertex[next]);
            const std::uint64_t key = std::uint64_t(std::min(a, b)) << 32 | std::max(a, b);
            edgeSides[key].push_back(c);
        }
    }
    auto nextInLoop = [this](std::uint32_t c) {
        std::size_t loop = std::size_t(std::upper_bound(loopCorners.begin(), loopCorners.end(), c) - loopCorners.begin()) - 1;
        return c + 1 == loopCorners[loop + 1] ? loopCorners[loop] : c + 1;
    };
    for (const auto& entry : edgeSides) {
        const std::vector<std::uint32_t>& sides = entry.second;
        for (std::size_t i = 1; i < sides.size(); ++i) {
            const std::uint32_t a0 = sides[0], a1 = nextInLoop(sides[0]);
            const std::uint32_t b0 = sides[i], b1 = nextInLoop(sides[i]);
            if (cornerVertex[a0] == cornerVertex[b0]) {
                groups.join(a0, b0), groups.join(a1, b1);
            } else {
                groups.join(a0, b1), groups.join(a1, b0);
            }
        }
    }
    std::vector<Vector> sums(cornerVertex.size(), Vector{0, 0, 0});
    for (std::uint32_t c = 0; c < cornerVertex.size(); ++c) {
        const std::uint32_t root = groups.find(c);
        for (int k = 0; k < 3; ++k) sums[root][std::size_t(k)] += weighted[c][std::size_t(k)];
    }
    normals_.assign(cornerVertex.size(), {0, 0, 0});
    for (std::uint32_t c = 0; c < cornerVertex.size(); ++c) {
        if (c < lockedNormals.size() && std::fabs(lockedNormals[c][0]) < 1e10f) {
            normals_[c] = lockedNormals[c];
            continue;
        }
        const Vector& sum = sums[groups.find(c)];
        const double size = length(sum);
        if (size > 0) normals_[c] = {float(sum[0] / size), float(sum[1] / size), float(sum[2] / size)};
    }
}

}  // namespace mayahost
