#include "ConvexHulls.h"

#include <BulletCollision/CollisionShapes/btConvexHullShape.h>
#include <BulletCollision/CollisionShapes/btTriangleShape.h>
#include <BulletCollision/NarrowPhaseCollision/btGjkEpaPenetrationDepthSolver.h>
#include <BulletCollision/NarrowPhaseCollision/btGjkPairDetector.h>
#include <BulletCollision/NarrowPhaseCollision/btPointCollector.h>
#include <BulletCollision/NarrowPhaseCollision/btVoronoiSimplexSolver.h>
#include <LinearMath/btConvexHullComputer.h>

#include <cmath>
#include <unordered_map>

namespace {

constexpr float kHullPointDistanceSquared = 0.001f;
// GJK's distances carry rounding: a triangle on the hull's surface comes out this close.
constexpr float kTouchingDistance = 1e-5f;

}  // namespace

// Kept points are filed in a grid of cells as wide as the tolerance, so each point is compared
// with the kept points of its 27 nearest cells only.
std::vector<float> distinctHullPoints(const float* points, std::size_t count) {
    const double cell = std::sqrt(double(kHullPointDistanceSquared));
    const auto cellOf = [cell](float coordinate) { return std::int64_t(std::floor(double(coordinate) / cell)); };
    const auto key = [](std::int64_t x, std::int64_t y, std::int64_t z) {
        return std::uint64_t(x) * 0x9E3779B97F4A7C15ull ^ std::uint64_t(y) * 0xC2B2AE3D27D4EB4Full ^ std::uint64_t(z) * 0x165667B19E3779F9ull;
    };
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> grid;
    std::vector<float> kept;
    for (std::size_t p = 0; p < count; ++p) {
        const float* point = points + 3 * p;
        const std::int64_t cx = cellOf(point[0]), cy = cellOf(point[1]), cz = cellOf(point[2]);
        bool near = false;
        for (std::int64_t dx = -1; dx <= 1 && !near; ++dx) {
            for (std::int64_t dy = -1; dy <= 1 && !near; ++dy) {
                for (std::int64_t dz = -1; dz <= 1 && !near; ++dz) {
                    const auto found = grid.find(key(cx + dx, cy + dy, cz + dz));
                    if (found == grid.end()) continue;
                    for (const std::size_t k : found->second) {
                        const float ex = point[0] - kept[k], ey = point[1] - kept[k + 1], ez = point[2] - kept[k + 2];
                        if (ex * ex + ey * ey + ez * ez < kHullPointDistanceSquared) near = true;
                    }
                }
            }
        }
        if (near) continue;
        grid[key(cx, cy, cz)].push_back(kept.size());
        kept.insert(kept.end(), point, point + 3);
    }
    return kept;
}

HullTriangles convexHullOf(const float* points, std::size_t count) {
    const std::vector<float> kept = distinctHullPoints(points, count);
    HullTriangles result;
    if (kept.size() < 3 * 3) return result;
    btConvexHullComputer hull;
    hull.compute(kept.data(), 12, int(kept.size() / 3), 0.0f, 0.0f);
    for (int v = 0; v < hull.vertices.size(); ++v) {
        result.vertices.insert(result.vertices.end(), {hull.vertices[v].x(), hull.vertices[v].y(), hull.vertices[v].z()});
    }
    for (int f = 0; f < hull.faces.size(); ++f) {
        const btConvexHullComputer::Edge* first = &hull.edges[hull.faces[f]];
        const auto anchor = std::uint32_t(first->getSourceVertex());
        const btConvexHullComputer::Edge* edge = first->getNextEdgeOfFace();
        for (int guard = 0; guard < hull.edges.size() && edge->getTargetVertex() != int(anchor); ++guard) {
            result.triangles.insert(result.triangles.end(),
                                    {anchor, std::uint32_t(edge->getSourceVertex()), std::uint32_t(edge->getTargetVertex())});
            edge = edge->getNextEdgeOfFace();
        }
    }
    return result;
}

bool triangleTouchesHull(const float (&corners)[3][3], const std::vector<float>& hullVertices) {
    btTriangleShape triangle(btVector3(corners[0][0], corners[0][1], corners[0][2]), btVector3(corners[1][0], corners[1][1], corners[1][2]),
                             btVector3(corners[2][0], corners[2][1], corners[2][2]));
    btConvexHullShape hull(hullVertices.data(), int(hullVertices.size() / 3), 12);
    triangle.setMargin(0.0f);
    hull.setMargin(0.0f);
    btVoronoiSimplexSolver simplex;
    btGjkEpaPenetrationDepthSolver penetration;
    btGjkPairDetector detector(&triangle, &hull, &simplex, &penetration);
    btDiscreteCollisionDetectorInterface::ClosestPointInput input;
    input.m_transformA.setIdentity();
    input.m_transformB.setIdentity();
    input.m_maximumDistanceSquared = 1e18f;
    btPointCollector output;
    detector.getClosestPoints(input, output, nullptr);
    // Without a result the shapes overlap so deeply that no separating distance exists.
    return !output.m_hasResult || output.m_distance <= kTouchingDistance;
}
