// polyPlatonicSolid: the regular solid's corners on a sphere of the given radius; its faces are the
// planes that hold every corner on one side, found by testing each triple of corners (twenty
// corners at most, so the search is small). Each face gets its own cell of UVs.
#include "PrimitiveBuilder.h"

#include <algorithm>
#include <cmath>

namespace mayahost {

namespace {

using Point = std::array<double, 3>;

std::vector<Point> corners(int solid) {
    const double phi = (1 + std::sqrt(5.0)) / 2;
    std::vector<Point> points;
    switch (solid) {
        case 0:  // dodecahedron
            for (int s = 0; s < 8; ++s) points.push_back({s & 1 ? 1.0 : -1.0, s & 2 ? 1.0 : -1.0, s & 4 ? 1.0 : -1.0});
            for (int s = 0; s < 4; ++s) {
                const double a = s & 1 ? 1 / phi : -1 / phi, b = s & 2 ? phi : -phi;
                points.push_back({0, a, b});
                points.push_back({a, b, 0});
                points.push_back({b, 0, a});
            }
            break;
        case 1:  // icosahedron
            for (int s = 0; s < 4; ++s) {
                const double a = s & 1 ? 1.0 : -1.0, b = s & 2 ? phi : -phi;
                points.push_back({0, a, b});
                points.push_back({a, b, 0});
                points.push_back({b, 0, a});
            }
            break;
        case 2:  // octahedron
            for (int axis = 0; axis < 3; ++axis) {
                for (const double sign : {1.0, -1.0}) {
                    Point p{0, 0, 0};
                    p[std::size_t(axis)] = sign;
                    points.push_back(p);
                }
            }
            break;
        default:  // tetrahedron
            points = {{1, 1, 1}, {1, -1, -1}, {-1, 1, -1}, {-1, -1, 1}};
            break;
    }
    return points;
}

Point minus(const Point& a, const Point& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Point cross(const Point& a, const Point& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double dot(const Point& a, const Point& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The faces of the convex hull of points on a sphere, each as its corners counter-clockwise seen
// from outside.
std::vector<std::vector<int>> hullFaces(const std::vector<Point>& points) {
    constexpr double kTolerance = 1e-9;
    std::vector<std::vector<int>> faces;
    const int n = int(points.size());
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            for (int c = b + 1; c < n; ++c) {
                Point normal = cross(minus(points[size_t(b)], points[size_t(a)]), minus(points[size_t(c)], points[size_t(a)]));
                if (dot(normal, normal) < kTolerance) continue;
                if (dot(normal, points[size_t(a)]) < 0) normal = {-normal[0], -normal[1], -normal[2]};
                const double offset = dot(normal, points[size_t(a)]);
                std::vector<int> onPlane;
                bool supporting = true;
                for (int p = 0; p < n && supporting; ++p) {
                    const double distance = dot(normal, points[size_t(p)]) - offset;
                    if (distance > kTolerance) supporting = false;
                    else if (distance > -kTolerance) onPlane.push_back(p);
                }
                if (!supporting || onPlane.front() != a || onPlane[1] != b || onPlane[2] != c) continue;
                // Counter-clockwise about the outward normal, starting at the lowest index.
                Point centre{0, 0, 0};
                for (const int p : onPlane) {
                    for (std::size_t k = 0; k < 3; ++k) centre[k] += points[size_t(p)][k] / double(onPlane.size());
                }
                const Point x = minus(points[size_t(a)], centre), y = cross(normal, x);
                auto angle = [&](int p) {
                    const Point d = minus(points[size_t(p)], centre);
                    const double t = std::atan2(dot(d, y), dot(d, x));
                    return t < -kTolerance ? t + 2 * kPi : std::max(t, 0.0);
                };
                std::sort(onPlane.begin(), onPlane.end(), [&](int p, int q) { return angle(p) < angle(q); });
                faces.push_back(onPlane);
            }
        }
    }
    return faces;
}

}  // namespace

std::unique_ptr<MeshData> polyPlatonicSolid(const Node& node, bool uvs) {
    const double radius = numberValue(node, "radius", 1.0);
    const int solid = clampedInt(numberValue(node, "solidType", 0), 0, 3);
    const std::vector<Point> points = corners(solid);
    PrimitiveBuilder builder(uvs);
    for (const Point& p : points) {
        const double scale = radius / std::sqrt(dot(p, p));
        builder.point(p[0] * scale, p[1] * scale, p[2] * scale);
    }
    const std::vector<std::vector<int>> faces = hullFaces(points);
    const int columns = int(std::ceil(std::sqrt(double(faces.size()))));
    for (std::size_t f = 0; f < faces.size(); ++f) {
        const double cellU = double(int(f) % columns) / columns, cellV = double(int(f) / columns) / columns;
        std::vector<int> faceUvs;
        for (std::size_t k = 0; k < faces[f].size(); ++k) {
            const double angle = 2 * kPi * double(k) / double(faces[f].size());
            faceUvs.push_back(builder.uv(cellU + (0.5 + 0.45 * std::cos(angle)) / columns, cellV + (0.5 + 0.45 * std::sin(angle)) / columns));
        }
        builder.face(faces[f], faceUvs, false);
    }
    return builder.finish();
}

}  // namespace mayahost
