#include "MeshData.h"

#include <algorithm>
#include <cmath>
#include <numeric>

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

// Smooth edges join the corners at their two ends across the polygons that share them. The sides
// are bucketed by their lower vertex (a counting sort), so that finding the polygons that share a
// side costs little memory for meshes of tens of millions of corners.
void joinAcrossSmoothEdges(const MeshData& mesh, CornerGroups& groups) {
    const auto& cornerVertex = mesh.cornerVertex;
    const auto& loopCorners = mesh.loopCorners;
    const auto& cornerSmoothEdge = mesh.cornerSmoothEdge;
    const auto& points = mesh.points;
    const std::size_t corners = cornerVertex.size();
    auto nextCorner = [&](std::uint32_t c, std::uint32_t loopEnd, std::uint32_t loopStart) { return c + 1 == loopEnd ? loopStart : c + 1; };
    std::vector<std::uint32_t> next(corners);
    std::vector<std::uint32_t> bucketStart(points.size() + 1, 0);
    for (std::size_t loop = 0; loop + 1 < loopCorners.size(); ++loop) {
        for (std::uint32_t c = loopCorners[loop]; c < loopCorners[loop + 1]; ++c) {
            next[c] = nextCorner(c, loopCorners[loop + 1], loopCorners[loop]);
            if (cornerSmoothEdge[c]) ++bucketStart[std::size_t(std::min(cornerVertex[c], cornerVertex[next[c]])) + 1];
        }
    }
    for (std::size_t v = 0; v < points.size(); ++v) bucketStart[v + 1] += bucketStart[v];
    std::vector<std::uint32_t> sides(bucketStart.back());
    {
        std::vector<std::uint32_t> fill(bucketStart.begin(), bucketStart.end() - 1);
        for (std::uint32_t c = 0; c < corners; ++c) {
            if (cornerSmoothEdge[c]) sides[fill[std::size_t(std::min(cornerVertex[c], cornerVertex[next[c]]))]++] = c;
        }
    }
    // Within a bucket, sides in order of their higher vertex, then of their corner: the order the
    // joins were always made in.
    auto higher = [&](std::uint32_t c) { return std::max(cornerVertex[c], cornerVertex[next[c]]); };
    for (std::size_t v = 0; v < points.size(); ++v) {
        const auto begin = sides.begin() + std::ptrdiff_t(bucketStart[v]), end = sides.begin() + std::ptrdiff_t(bucketStart[v + 1]);
        if (end - begin > 1) std::sort(begin, end, [&](std::uint32_t a, std::uint32_t b) { return higher(a) != higher(b) ? higher(a) < higher(b) : a < b; });
        for (auto run = begin; run != end;) {
            auto runEnd = run + 1;
            while (runEnd != end && higher(*runEnd) == higher(*run)) ++runEnd;
            const std::uint32_t a0 = *run, a1 = next[a0];
            for (auto other = run + 1; other != runEnd; ++other) {
                const std::uint32_t b0 = *other, b1 = next[b0];
                if (cornerVertex[a0] == cornerVertex[b0]) {
                    groups.join(a0, b0), groups.join(a1, b1);
                } else {
                    groups.join(a0, b1), groups.join(a1, b0);
                }
            }
            run = runEnd;
        }
    }
}

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

std::size_t MeshData::triangleCount(std::size_t polygon) const {
    derive();
    return (triangleStart_[polygon + 1] - triangleStart_[polygon]) / 3;
}

std::uint32_t MeshData::triangleCorner(std::size_t polygon, std::size_t t, unsigned k) const {
    derive();
    return triangleCorners_[triangleStart_[polygon] + 3 * t + k];
}

const std::vector<std::array<float, 3>>& MeshData::normals() const {
    derive();
    return normals_;
}

std::uint32_t MeshData::cornerNormal(std::size_t corner) const {
    derive();
    return cornerNormals_[corner];
}

namespace {

// A quad whose corners all turn the same way around its normal: split from its first corner.
bool isConvexQuad(const std::vector<Vector>& p, const Vector& normal) {
    for (std::size_t i = 0; i < 4; ++i) {
        const Vector a = subtract(p[(i + 1) % 4], p[i]);
        const Vector b = subtract(p[(i + 2) % 4], p[(i + 1) % 4]);
        const Vector turn = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
        if (turn[0] * normal[0] + turn[1] * normal[1] + turn[2] * normal[2] <= 0) return false;
    }
    return true;
}

}  // namespace

// Triangles per polygon (triangles and convex quads directly, the rest by the triangulator) and
// face normals weighted per corner as the mesh's vertex-normal method says.
void MeshData::derive() const {
    if (derived_) return;
    derived_ = true;
    const std::size_t polygons = polygonCount();
    triangleStart_.assign(1, 0);
    triangleCorners_.clear();
    // Per polygon its unit normal, per corner its weight: a corner's weighted normal is their
    // product, formed where it is summed.
    std::vector<Vector> polygonNormals(polygons, Vector{0, 0, 0});
    std::vector<double> cornerWeights(cornerVertex.size(), 0.0);
    std::size_t triangleCorners = 0;
    for (std::size_t p = 0; p < polygons; ++p) {
        // Corners and holes of a polygon give corners + 2 * holes - 2 triangles.
        triangleCorners += 3 * std::size_t(std::max<std::int64_t>(0, std::int64_t(cornerCount(p)) + std::int64_t(polygonLoops[p + 1] - polygonLoops[p]) * 2 - 4));
    }
    triangleCorners_.reserve(triangleCorners);
    std::vector<Vector> loopPoints;
    std::vector<std::uint32_t> loopStarts;
    for (std::size_t p = 0; p < polygons; ++p) {
        loopPoints.clear();
        loopStarts.clear();
        for (std::uint32_t loop = polygonLoops[p]; loop < polygonLoops[p + 1]; ++loop) {
            loopStarts.push_back(static_cast<std::uint32_t>(loopPoints.size()));
            for (std::uint32_t c = loopCorners[loop]; c < loopCorners[loop + 1]; ++c) loopPoints.push_back(points[std::size_t(cornerVertex[c])]);
        }
        loopStarts.push_back(static_cast<std::uint32_t>(loopPoints.size()));
        const std::uint32_t first = loopCorners[polygonLoops[p]], end = loopCorners[polygonLoops[p] + 1];
        const std::uint32_t n = end - first;
        Vector normal = newellNormal([&](std::size_t i) -> const Vector& { return loopPoints[i]; }, n);
        const bool single = loopStarts.size() == 2;
        if (single && n == 3) {
            triangleCorners_.insert(triangleCorners_.end(), {0, 1, 2});
        } else if (single && n == 4 && isConvexQuad(loopPoints, normal)) {
            triangleCorners_.insert(triangleCorners_.end(), {0, 1, 2, 0, 2, 3});
        } else {
            const std::vector<std::uint32_t> triangles = triangulatePolygon(loopPoints, loopStarts);
            triangleCorners_.insert(triangleCorners_.end(), triangles.begin(), triangles.end());
        }
        triangleStart_.push_back(static_cast<std::uint32_t>(triangleCorners_.size()));

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
            cornerWeights[c] = weight;
        }
        polygonNormals[p] = normal;
    }
    deriveNormals(polygonNormals, cornerWeights);
}

// Smooth edges join the corners of their two ends across the polygons that share them; each
// corner's normal is the normalised sum of its group. Where the weights cancel out (faces of no
// area, angles of zero), the group's unit face normals decide; a corner with nothing to go by
// (every face around it flat to a point) points up rather than nowhere. A locked normal is used as
// the user set it, normalised; a locked zero counts as not locked.
void MeshData::deriveNormals(const std::vector<Vector>& polygonNormals, const std::vector<double>& cornerWeights) const {
    const std::size_t corners = cornerVertex.size();
    CornerGroups groups(corners);
    joinAcrossSmoothEdges(*this, groups);
    // Groups numbered densely in the order of their first corners: the normal indices.
    std::vector<std::uint32_t>& groupOf = cornerNormals_;
    groupOf.assign(corners, 0);
    std::uint32_t groupCount = 0;
    for (std::uint32_t c = 0; c < corners; ++c) {
        if (groups.find(c) == c) groupOf[c] = groupCount++;
    }
    for (std::uint32_t c = 0; c < corners; ++c) groupOf[c] = groupOf[groups.find(c)];
    // Sums in corner order, each corner's share formed as its polygon normal times its weight.
    auto sumGroups = [&](bool unitWeights) {
        std::vector<Vector> sums(groupCount, Vector{0, 0, 0});
        for (std::size_t p = 0; p < polygonCount(); ++p) {
            const Vector& normal = polygonNormals[p];
            for (std::uint32_t c = loopCorners[polygonLoops[p]]; c < loopCorners[polygonLoops[p + 1]]; ++c) {
                Vector& sum = sums[groupOf[c]];
                for (std::size_t k = 0; k < 3; ++k) sum[k] += unitWeights ? normal[k] : normal[k] * cornerWeights[c];
            }
        }
        return sums;
    };
    auto normalised = [](const Vector& v, std::array<float, 3>& out) {
        const double size = length(v);
        if (!(size > 1e-30) || !std::isfinite(size)) return false;
        const std::array<float, 3> unit = {float(v[0] / size), float(v[1] / size), float(v[2] / size)};
        if (unit[0] == 0.0f && unit[1] == 0.0f && unit[2] == 0.0f) return false;
        out = unit;
        return true;
    };
    const std::vector<Vector> sums = sumGroups(false);
    normals_.assign(groupCount, {0, 1, 0});
    std::vector<Vector> unitSums;  // summed only when some group's weights cancel out
    for (std::uint32_t g = 0; g < groupCount; ++g) {
        if (normalised(sums[g], normals_[g])) continue;
        if (unitSums.empty()) unitSums = sumGroups(true);
        normalised(unitSums[g], normals_[g]);
    }
    // A locked normal is the corner's own.
    for (std::uint32_t c = 0; c < corners && c < lockedNormals.size(); ++c) {
        std::array<float, 3> locked;
        if (std::fabs(lockedNormals[c][0]) < 1e10f && normalised({lockedNormals[c][0], lockedNormals[c][1], lockedNormals[c][2]}, locked)) {
            groupOf[c] = std::uint32_t(normals_.size());
            normals_.push_back(locked);
        }
    }
}

}  // namespace mayahost
