// Polygons with holes to triangles, as Maya shows them: holes are joined to the outline by bridges
// (Eberly's "Triangulation by Ear Clipping": a ray from each hole's rightmost point to the nearest
// visible outline point, holes taken from the right), then ears are clipped. Convex polygons
// become fans from their first corner. Only reflex corners can lie inside an ear, and they are
// found through a grid, so a polygon of many corners costs about as much as its corners.
#include "MeshData.h"

#include <algorithm>
#include <cmath>

namespace mayahost {

namespace {

struct Point2 {
    double x, y;
};

// Positive when a, b, c turn counter-clockwise.
double cross(const Point2& a, const Point2& b, const Point2& c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Strictly inside the counter-clockwise triangle abc.
bool inside(const Point2& p, const Point2& a, const Point2& b, const Point2& c) {
    return cross(a, b, p) > 0 && cross(b, c, p) > 0 && cross(c, a, p) > 0;
}

// Inside or on the triangle abc, whichever way it turns.
bool insideOrOn(const Point2& p, const Point2& a, const Point2& b, const Point2& c) {
    const double d1 = cross(a, b, p), d2 = cross(b, c, p), d3 = cross(c, a, p);
    return !((d1 < 0 || d2 < 0 || d3 < 0) && (d1 > 0 || d2 > 0 || d3 > 0));
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

// Whether `target` lies in the wedge of the loop's corner at position `at` (between its edges, on
// the inside of a counter-clockwise loop).
bool wedgeContains(const std::vector<Point2>& flat, const std::vector<std::uint32_t>& loop, std::size_t at, const Point2& target) {
    const std::size_t n = loop.size();
    const Point2& previous = flat[loop[(at + n - 1) % n]];
    const Point2& corner = flat[loop[at]];
    const Point2& next = flat[loop[(at + 1) % n]];
    const bool leftOfIncoming = cross(previous, corner, target) >= 0, leftOfOutgoing = cross(corner, next, target) >= 0;
    return cross(previous, corner, next) >= 0 ? leftOfIncoming && leftOfOutgoing : leftOfIncoming || leftOfOutgoing;
}

// The position in `loop` a bridge from `from` (a hole's rightmost point) can reach: where a ray to
// +x first meets the loop, or the reflex corner inside the triangle that ray spans that is closest
// in angle, so that the bridge crosses no edge of the loop (every hole not yet joined lies to the
// left of `from`).
std::size_t bridgeTarget(const std::vector<Point2>& flat, const std::vector<std::uint32_t>& loop, const Point2& from) {
    const std::size_t n = loop.size();
    double nearest = INFINITY;
    std::size_t hit = n;
    Point2 hitPoint{0, 0};
    for (std::size_t i = 0; i < n; ++i) {
        const Point2& a = flat[loop[i]];
        const Point2& b = flat[loop[(i + 1) % n]];
        // The inside lies left of every edge, so a ray from inside first meets an edge going up;
        // this also tells apart the two sides of a bridge, which lie on one another.
        if (!(a.y <= from.y && from.y <= b.y && a.y != b.y)) continue;
        const double x = a.x + (from.y - a.y) * (b.x - a.x) / (b.y - a.y);
        if (x < from.x || x >= nearest) continue;
        nearest = x;
        hitPoint = {x, from.y};
        // The end the ray passes through, or else the end of the edge farther along +x.
        hit = (a.x == x && a.y == from.y) ? i : (b.x == x && b.y == from.y) ? (i + 1) % n : (a.x > b.x ? i : (i + 1) % n);
    }
    if (hit == n) {
        // Nothing to the right (a hole outside its outline): the nearest corner.
        double best = INFINITY;
        for (std::size_t i = 0; i < n; ++i) {
            const double dx = flat[loop[i]].x - from.x, dy = flat[loop[i]].y - from.y;
            if (dx * dx + dy * dy < best) best = dx * dx + dy * dy, hit = i;
        }
        return hit;
    }
    const Point2 candidate = flat[loop[hit]];
    if (candidate.x == hitPoint.x && candidate.y == hitPoint.y && wedgeContains(flat, loop, hit, from)) return hit;
    // Reflex corners inside the triangle (from, ray hit, candidate) would hide the candidate: take
    // the one the ray reaches first when turned towards it.
    std::size_t best = hit;
    double bestTangent = INFINITY, bestDistance = INFINITY;
    for (std::size_t i = 0; i < n; ++i) {
        const Point2& p = flat[loop[i]];
        if (p.x < from.x || !insideOrOn(p, from, hitPoint, candidate)) continue;
        const Point2& previous = flat[loop[(i + n - 1) % n]];
        const Point2& next = flat[loop[(i + 1) % n]];
        const bool reflex = cross(previous, p, next) < 0;
        if (i != hit && !reflex) continue;
        if (!wedgeContains(flat, loop, i, from)) continue;
        const double dx = p.x - from.x, dy = p.y - from.y;
        const double tangent = dx > 0 ? std::fabs(dy) / dx : INFINITY;
        const double distance = dx * dx + dy * dy;
        if (tangent < bestTangent || (tangent == bestTangent && distance < bestDistance)) {
            best = i, bestTangent = tangent, bestDistance = distance;
        }
    }
    return best;
}

// Joins each hole to the outer loop: the loop runs out along the bridge, around the hole clockwise
// and back, so that it stays one simple outline.
std::vector<std::uint32_t> bridgedLoop(const std::vector<Point2>& flat, const std::vector<std::uint32_t>& loopStarts) {
    std::vector<std::uint32_t> loop;
    for (std::uint32_t i = loopStarts[0]; i < loopStarts[1]; ++i) loop.push_back(i);
    struct Hole {
        std::uint32_t first, count, rightmost;
        bool clockwise;
    };
    std::vector<Hole> holes;
    for (std::size_t h = 1; h + 1 < loopStarts.size(); ++h) {
        const std::uint32_t first = loopStarts[h], end = loopStarts[h + 1];
        if (end - first < 3) continue;
        Hole hole{first, end - first, first, false};
        double area = 0;
        for (std::uint32_t i = first; i < end; ++i) {
            const std::uint32_t next = i + 1 == end ? first : i + 1;
            area += flat[i].x * flat[next].y - flat[next].x * flat[i].y;
            if (flat[i].x > flat[hole.rightmost].x || (flat[i].x == flat[hole.rightmost].x && flat[i].y < flat[hole.rightmost].y)) {
                hole.rightmost = i;
            }
        }
        hole.clockwise = area < 0;
        holes.push_back(hole);
    }
    std::stable_sort(holes.begin(), holes.end(), [&](const Hole& a, const Hole& b) { return flat[a.rightmost].x > flat[b.rightmost].x; });
    std::vector<std::uint32_t> merged;
    for (const Hole& hole : holes) {
        const std::size_t target = bridgeTarget(flat, loop, flat[hole.rightmost]);
        merged.clear();
        merged.reserve(loop.size() + hole.count + 2);
        merged.insert(merged.end(), loop.begin(), loop.begin() + std::ptrdiff_t(target) + 1);
        const std::uint32_t offset = hole.rightmost - hole.first;
        for (std::uint32_t k = 0; k <= hole.count; ++k) {
            const std::uint32_t step = hole.clockwise ? k : hole.count - k;
            merged.push_back(hole.first + (offset + step) % hole.count);
        }
        merged.insert(merged.end(), loop.begin() + std::ptrdiff_t(target), loop.end());
        loop.swap(merged);
    }
    return loop;
}

// The reflex corners of the loop by where they lie, so that an ear is tested against the few near
// it rather than against every corner.
class ReflexGrid {
public:
    ReflexGrid(const std::vector<Point2>& flat, const std::vector<std::uint32_t>& loop) {
        Point2 low{INFINITY, INFINITY}, high{-INFINITY, -INFINITY};
        for (const std::uint32_t p : loop) {
            low = {std::min(low.x, flat[p].x), std::min(low.y, flat[p].y)};
            high = {std::max(high.x, flat[p].x), std::max(high.y, flat[p].y)};
        }
        side_ = std::max<std::size_t>(1, std::min<std::size_t>(kMaxSide, std::size_t(std::sqrt(double(loop.size())))));
        low_ = low;
        scaleX_ = high.x > low.x ? double(side_) / (high.x - low.x) : 0.0;
        scaleY_ = high.y > low.y ? double(side_) / (high.y - low.y) : 0.0;
        cells_.resize(side_ * side_);
    }
    void add(std::size_t corner, const Point2& p) { cells_[cellOf(column(p.x), row(p.y))].push_back(corner); }
    // Calls `visit(corner)` for every corner added in a cell the box touches.
    template <typename Visit>
    bool anyInBox(const Point2& low, const Point2& high, Visit&& visit) const {
        for (std::size_t r = row(low.y); r <= row(high.y); ++r) {
            for (std::size_t c = column(low.x); c <= column(high.x); ++c) {
                for (const std::size_t corner : cells_[cellOf(c, r)]) {
                    if (visit(corner)) return true;
                }
            }
        }
        return false;
    }

private:
    static constexpr std::size_t kMaxSide = 1024;
    std::size_t index(double value, double origin, double scale) const {
        const double cell = (value - origin) * scale;
        return cell <= 0 || !std::isfinite(cell) ? 0 : std::min(side_ - 1, std::size_t(cell));
    }
    std::size_t column(double x) const { return index(x, low_.x, scaleX_); }
    std::size_t row(double y) const { return index(y, low_.y, scaleY_); }
    std::size_t cellOf(std::size_t c, std::size_t r) const { return r * side_ + c; }

    std::size_t side_;
    Point2 low_;
    double scaleX_, scaleY_;
    std::vector<std::vector<std::size_t>> cells_;
};

// Ear clipping on a linked loop; the first ear tried is the second corner, and after each ear the
// corner after it is tried, so a convex polygon becomes a fan from its first corner. A polygon
// without any ear left (degenerate) is finished as a fan.
std::vector<std::uint32_t> clipEars(const std::vector<Point2>& flat, const std::vector<std::uint32_t>& loop) {
    const std::size_t n = loop.size();
    std::vector<std::uint32_t> triangles;
    if (n < 3) return triangles;
    triangles.reserve(3 * (n - 2));
    std::vector<std::size_t> previous(n), next(n);
    for (std::size_t i = 0; i < n; ++i) previous[i] = (i + n - 1) % n, next[i] = (i + 1) % n;
    std::vector<std::uint8_t> reflex(n, 0), removed(n, 0);
    auto isReflex = [&](std::size_t i) { return cross(flat[loop[previous[i]]], flat[loop[i]], flat[loop[next[i]]]) <= 0; };
    ReflexGrid grid(flat, loop);
    std::size_t reflexCount = 0;
    for (std::size_t i = 0; i < n; ++i) {
        reflex[i] = isReflex(i);
        if (reflex[i]) grid.add(i, flat[loop[i]]), ++reflexCount;
    }
    auto stillReflex = [&](std::size_t i) {
        if (!reflex[i] || removed[i] || isReflex(i)) return;
        reflex[i] = 0;
        --reflexCount;
    };
    auto blocked = [&](std::size_t prev, std::size_t at, std::size_t nxt) {
        if (reflexCount == 0) return false;
        const Point2 &a = flat[loop[prev]], &b = flat[loop[at]], &c = flat[loop[nxt]];
        const Point2 low{std::min({a.x, b.x, c.x}), std::min({a.y, b.y, c.y})};
        const Point2 high{std::max({a.x, b.x, c.x}), std::max({a.y, b.y, c.y})};
        return grid.anyInBox(low, high, [&](std::size_t other) {
            if (removed[other] || !reflex[other] || other == prev || other == at || other == nxt) return false;
            const std::uint32_t point = loop[other];
            if (point == loop[prev] || point == loop[at] || point == loop[nxt]) return false;
            return inside(flat[point], a, b, c);
        });
    };
    std::size_t remaining = n, at = 1, failures = 0;
    while (remaining > 3) {
        const std::size_t prev = previous[at], nxt = next[at];
        const bool forced = failures >= remaining;
        const bool ear = forced || (cross(flat[loop[prev]], flat[loop[at]], flat[loop[nxt]]) > 0 && !blocked(prev, at, nxt));
        if (!ear) {
            at = nxt;
            ++failures;
            continue;
        }
        triangles.insert(triangles.end(), {loop[prev], loop[at], loop[nxt]});
        if (reflex[at]) reflex[at] = 0, --reflexCount;
        removed[at] = 1;
        next[prev] = nxt, previous[nxt] = prev;
        --remaining;
        // A reflex neighbour may have turned convex; once convex it stays so.
        stillReflex(prev);
        stillReflex(nxt);
        // The corner after the ear takes its place and is tried next: convex polygons stay a fan.
        at = nxt;
        failures = 0;
    }
    triangles.insert(triangles.end(), {loop[previous[at]], loop[at], loop[next[at]]});
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
