#include "MeshData.h"

#include <algorithm>
#include <cmath>

namespace mayahost {

namespace {

struct Point2 {
    double x, y;
};

double cross(const Point2& a, const Point2& b, const Point2& c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Strictly inside the counter-clockwise triangle abc.
bool inside(const Point2& p, const Point2& a, const Point2& b, const Point2& c) {
    return cross(a, b, p) > 0 && cross(b, c, p) > 0 && cross(c, a, p) > 0;
}

bool segmentsCross(const Point2& a, const Point2& b, const Point2& c, const Point2& d) {
    const double d1 = cross(c, d, a), d2 = cross(c, d, b), d3 = cross(a, b, c), d4 = cross(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

// The points in the plane of the polygon: the axis its normal points along most is dropped, and
// the result mirrored where needed so that the outer loop runs counter-clockwise.
std::vector<Point2> projected(const std::vector<std::array<double, 3>>& points, std::uint32_t outerEnd) {
    const std::array<double, 3> normal = newellNormal([&](std::size_t i) -> const std::array<double, 3>& { return points[i]; }, outerEnd);
    int drop = 2;
    if (std::fabs(normal[0]) >= std::fabs(normal[1]) && std::fabs(normal[0]) >= std::fabs(normal[2])) drop = 0;
    else if (std::fabs(normal[1]) >= std::fabs(normal[2])) drop = 1;
    const int u = (drop + 1) % 3, v = (drop + 2) % 3;
    const bool mirror = normal[drop] < 0;
    std::vector<Point2> flat;
    flat.reserve(points.size());
    for (const auto& p : points) flat.push_back({p[u], mirror ? -p[v] : p[v]});
    return flat;
}

// Joins each hole to the outer loop by a bridge from its rightmost point to the nearest outer
// point the bridge can reach without crossing an edge; the loop then runs out and back along it.
std::vector<std::uint32_t> bridgedLoop(const std::vector<Point2>& flat, const std::vector<std::uint32_t>& loopStarts) {
    std::vector<std::uint32_t> loop;
    for (std::uint32_t i = loopStarts[0]; i < loopStarts[1]; ++i) loop.push_back(i);
    std::vector<std::size_t> holes;
    for (std::size_t h = 1; h + 1 < loopStarts.size(); ++h) {
        if (loopStarts[h + 1] > loopStarts[h]) holes.push_back(h);
    }
    auto rightmost = [&](std::size_t h) {
        std::uint32_t best = loopStarts[h];
        for (std::uint32_t i = loopStarts[h]; i < loopStarts[h + 1]; ++i) {
            if (flat[i].x > flat[best].x) best = i;
        }
        return best;
    };
    std::sort(holes.begin(), holes.end(), [&](std::size_t a, std::size_t b) { return flat[rightmost(a)].x > flat[rightmost(b)].x; });
    for (const std::size_t h : holes) {
        const std::uint32_t start = rightmost(h);
        auto blocked = [&](std::uint32_t to) {
            for (std::size_t i = 0; i < loop.size(); ++i) {
                const std::uint32_t a = loop[i], b = loop[(i + 1) % loop.size()];
                if (a == to || b == to || a == start || b == start) continue;
                if (segmentsCross(flat[start], flat[to], flat[a], flat[b])) return true;
            }
            for (std::uint32_t i = loopStarts[h]; i < loopStarts[h + 1]; ++i) {
                const std::uint32_t next = i + 1 == loopStarts[h + 1] ? loopStarts[h] : i + 1;
                if (i == start || next == start) continue;
                if (segmentsCross(flat[start], flat[to], flat[i], flat[next])) return true;
            }
            return false;
        };
        std::size_t chosen = 0;
        double best = -1.0;
        for (std::size_t i = 0; i < loop.size(); ++i) {
            const double dx = flat[loop[i]].x - flat[start].x, dy = flat[loop[i]].y - flat[start].y;
            const double distance = dx * dx + dy * dy;
            if ((best < 0 || distance < best) && !blocked(loop[i])) {
                best = distance;
                chosen = i;
            }
        }
        std::vector<std::uint32_t> merged(loop.begin(), loop.begin() + std::ptrdiff_t(chosen) + 1);
        const std::uint32_t count = loopStarts[h + 1] - loopStarts[h];
        for (std::uint32_t k = 0; k <= count; ++k) merged.push_back(loopStarts[h] + (start - loopStarts[h] + k) % count);
        merged.insert(merged.end(), loop.begin() + std::ptrdiff_t(chosen), loop.end());
        loop.swap(merged);
    }
    return loop;
}

// Ear clipping; the first ear tried is the second corner, so a convex polygon becomes a fan from
// its first corner. A polygon without any ear (degenerate) is finished as a fan.
std::vector<std::uint32_t> clipEars(const std::vector<Point2>& flat, std::vector<std::uint32_t> loop) {
    std::vector<std::uint32_t> triangles;
    std::size_t at = 1;
    std::size_t failures = 0;
    while (loop.size() > 3) {
        const std::size_t n = loop.size();
        const std::size_t prev = (at + n - 1) % n, next = (at + 1) % n;
        const Point2& a = flat[loop[prev]];
        const Point2& b = flat[loop[at]];
        const Point2& c = flat[loop[next]];
        bool ear = cross(a, b, c) > 0 || failures >= n;
        for (std::size_t k = 0; ear && failures < n && k < n; ++k) {
            if (k == prev || k == at || k == next) continue;
            const std::uint32_t other = loop[k];
            if (other == loop[prev] || other == loop[at] || other == loop[next]) continue;
            if (inside(flat[other], a, b, c)) ear = false;
        }
        if (!ear) {
            at = next;
            ++failures;
            continue;
        }
        triangles.insert(triangles.end(), {loop[prev], loop[at], loop[next]});
        // The corner after the ear takes its place and is tried next: convex polygons stay a fan.
        loop.erase(loop.begin() + std::ptrdiff_t(at));
        if (at >= loop.size()) at = 0;
        failures = 0;
    }
    if (loop.size() == 3) triangles.insert(triangles.end(), {loop[0], loop[1], loop[2]});
    return triangles;
}

}  // namespace

std::vector<std::uint32_t> triangulatePolygon(const std::vector<std::array<double, 3>>& points,
                                              const std::vector<std::uint32_t>& loopStarts) {
    const std::uint32_t outerEnd = loopStarts[1];
    if (outerEnd < 3) return {};
    if (loopStarts.size() == 2 && outerEnd == 3) return {0, 1, 2};
    const std::vector<Point2> flat = projected(points, outerEnd);
    return clipEars(flat, bridgedLoop(flat, loopStarts));
}

}  // namespace mayahost
