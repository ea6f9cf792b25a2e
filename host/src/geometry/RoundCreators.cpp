// Primitives built from rings around the Y axis: sphere, cylinder, cone, prism, pyramid, torus and
// pipe. Rings run counter-clockwise seen from above, starting at +X. UVs follow Maya's normalised
// layouts: a sphere's grid with one UV per pole triangle, the sides of a capped tube in the middle
// band of the square with its caps as discs above and below, a torus's and a pipe's grids.
#include "PrimitiveBuilder.h"

#include <cmath>

namespace mayahost {

namespace {

// Where a ring point sits: angle around the axis.
double ringAngle(int i, int count) {
    return 2 * kPi * i / count;
}

// A ring of `count` points of the given radius at height y; the index of its first point.
int addRing(PrimitiveBuilder& builder, int count, double radius, double y) {
    const int first = int(builder.mesh().points.size());
    for (int i = 0; i < count; ++i) {
        const double angle = ringAngle(i, count);
        builder.point(radius * std::cos(angle), y, -radius * std::sin(angle));
    }
    return first;
}

// A grid of UVs, `columns + 1` by `rows + 1`, spanning [u0, u1] x [v0, v1] (one row at v0 without
// rows); the index of its first.
int addUvGrid(PrimitiveBuilder& builder, int columns, int rows, double u0, double u1, double v0, double v1) {
    int first = -1;
    for (int j = 0; j <= rows; ++j) {
        for (int i = 0; i <= columns; ++i) {
            const int index = builder.uv(u0 + (u1 - u0) * i / columns, rows == 0 ? v0 : v0 + (v1 - v0) * j / rows);
            if (first < 0) first = index;
        }
    }
    return first;
}

// Quads between consecutive rings of `count` points (`rings` rings from `firstPoint`), with the UV
// grid from `firstUv` (count + 1 columns, the seam UVs doubled).
void addBand(PrimitiveBuilder& builder, int firstPoint, int count, int rings, int firstUv, bool smooth) {
    for (int j = 0; j + 1 < rings; ++j) {
        for (int i = 0; i < count; ++i) {
            const int a = firstPoint + j * count + i, b = firstPoint + j * count + (i + 1) % count;
            const int ua = firstUv + j * (count + 1) + i;
            builder.face({a, b, b + count, a + count}, {ua, ua + 1, ua + count + 2, ua + count + 1}, smooth);
        }
    }
}

// A flat cap closing the ring at `rim`: one polygon without cap subdivisions, otherwise rings of
// quads around a fan of triangles at the centre. Its UVs form a disc centred on (cu, cv).
void addCap(PrimitiveBuilder& builder, int rim, int count, double radius, double y, int capRings, double cu, double cv) {
    constexpr double kDisc = 0.15625;
    auto discUv = [&](int i, double fraction) {
        const double angle = ringAngle(i, count);
        return builder.uv(cu + kDisc * fraction * std::cos(angle), cv + kDisc * fraction * std::sin(angle));
    };
    std::vector<int> ringPoints(static_cast<std::size_t>(count)), ringUvs(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        ringPoints[std::size_t(i)] = rim + i;
        ringUvs[std::size_t(i)] = discUv(i, 1.0);
    }
    if (capRings == 0) {
        builder.face(ringPoints, ringUvs, false);
        return;
    }
    for (int k = capRings - 1; k >= 1; --k) {
        const double fraction = double(k) / capRings;
        const int inner = addRing(builder, count, radius * fraction, y);
        std::vector<int> innerUvs(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) innerUvs[std::size_t(i)] = discUv(i, fraction);
        for (int i = 0; i < count; ++i) {
            const std::size_t a = std::size_t(i), b = std::size_t((i + 1) % count);
            builder.face({ringPoints[a], ringPoints[b], inner + int(b), inner + int(a)},
                         {ringUvs[a], ringUvs[b], innerUvs[b], innerUvs[a]}, false);
        }
        for (int i = 0; i < count; ++i) ringPoints[std::size_t(i)] = inner + i;
        ringUvs = innerUvs;
    }
    const int centre = builder.point(0, y, 0);
    const int centreUv = builder.uv(cu, cv);
    for (int i = 0; i < count; ++i) {
        const std::size_t a = std::size_t(i), b = std::size_t((i + 1) % count);
        builder.face({ringPoints[a], ringPoints[b], centre}, {ringUvs[a], ringUvs[b], centreUv}, false);
    }
}

// A tube of `sides` around Y from radius `bottom` to radius `top` (0: it ends in an apex), closed
// by caps; the sides are smooth for round primitives and hard for prisms and pyramids.
struct Tube {
    int sides;
    double bottom, top, height;
    int heightRings, capRings;
    bool smooth;
};

std::unique_ptr<MeshData> buildTube(const Tube& tube, bool uvs) {
    PrimitiveBuilder builder(uvs);
    const bool apex = tube.top == 0.0;
    const int rings = apex ? tube.heightRings : tube.heightRings + 1;
    for (int j = 0; j < rings; ++j) {
        const double t = double(j) / tube.heightRings;
        addRing(builder, tube.sides, tube.bottom + (tube.top - tube.bottom) * t, -tube.height / 2 + tube.height * t);
    }
    // The sides fill the middle band of the square; an apex takes one UV per side at its top.
    const double bandTop = 0.3125 + 0.375 * (rings - 1) / tube.heightRings;
    const int grid = addUvGrid(builder, tube.sides, rings - 1, 0.375, 0.625, 0.3125, bandTop);
    addBand(builder, 0, tube.sides, rings, grid, tube.smooth);
    if (apex) {
        const int tip = builder.point(0, tube.height / 2, 0);
        const int last = (rings - 1) * tube.sides;
        const int lastUvRow = grid + (rings - 1) * (tube.sides + 1);
        for (int i = 0; i < tube.sides; ++i) {
            const int tipUv = builder.uv(0.375 + 0.25 * (i + 0.5) / tube.sides, 0.6875);
            builder.face({last + i, last + (i + 1) % tube.sides, tip}, {lastUvRow + i, lastUvRow + i + 1, tipUv}, tube.smooth);
        }
    }
    addCap(builder, 0, tube.sides, tube.bottom, -tube.height / 2, tube.capRings, 0.5, 0.15625);
    if (!apex) addCap(builder, tube.heightRings * tube.sides, tube.sides, tube.top, tube.height / 2, tube.capRings, 0.5, 0.84375);
    return builder.finishFacingOut(centreOfSpace);
}

// The circumradius of a regular polygon of `sides` sides of the given length.
double circumradius(int sides, double sideLength) {
    return sideLength / (2 * std::sin(kPi / sides));
}

}  // namespace

// Rings from the bottom up, then the bottom and the top pole; quads, then the pole triangles.
std::unique_ptr<MeshData> polySphere(const Node& node, bool uvs) {
    const double r = numberValue(node, "radius", 1.0);
    const int sa = subdivisions(node, "subdivisionsAxis", 20, 3), sh = subdivisions(node, "subdivisionsHeight", 20, 2);
    PrimitiveBuilder builder(uvs);
    for (int j = 1; j < sh; ++j) {
        const double latitude = -kPi / 2 + kPi * j / sh;
        addRing(builder, sa, r * std::cos(latitude), r * std::sin(latitude));
    }
    const int bottom = builder.point(0, -r, 0);
    const int top = builder.point(0, r, 0);
    const int grid = addUvGrid(builder, sa, sh - 2, 0.0, 1.0, 1.0 / sh, 1.0 - 1.0 / sh);
    addBand(builder, 0, sa, sh - 1, grid, true);
    const int lastRing = (sh - 2) * sa, lastUvRow = grid + (sh - 2) * (sa + 1);
    for (int i = 0; i < sa; ++i) {
        const int pole = builder.uv((i + 0.5) / sa, 0.0);
        builder.face({bottom, (i + 1) % sa, i}, {pole, grid + i + 1, grid + i}, true);
    }
    for (int i = 0; i < sa; ++i) {
        const int pole = builder.uv((i + 0.5) / sa, 1.0);
        builder.face({lastRing + i, lastRing + (i + 1) % sa, top}, {lastUvRow + i, lastUvRow + i + 1, pole}, true);
    }
    return builder.finishFacingOut(centreOfSpace);
}

std::unique_ptr<MeshData> polyCylinder(const Node& node, bool uvs) {
    const double r = numberValue(node, "radius", 1.0);
    return buildTube({subdivisions(node, "subdivisionsAxis", 20, 3), r, r, numberValue(node, "height", 2.0),
                      subdivisions(node, "subdivisionsHeight", 1, 1), subdivisions(node, "subdivisionsCaps", 0, 0), true},
                     uvs);
}

std::unique_ptr<MeshData> polyCone(const Node& node, bool uvs) {
    return buildTube({subdivisions(node, "subdivisionsAxis", 20, 3), numberValue(node, "radius", 1.0), 0.0,
                      numberValue(node, "height", 2.0), subdivisions(node, "subdivisionsHeight", 1, 1),
                      subdivisions(node, "subdivisionsCap", 0, 0), true},
                     uvs);
}

// A regular polygon of equal sides extruded along Y.
std::unique_ptr<MeshData> polyPrism(const Node& node, bool uvs) {
    const int sides = subdivisions(node, "numberOfSides", 3, 3);
    const double radius = circumradius(sides, numberValue(node, "sideLength", 2.0));
    return buildTube({sides, radius, radius, numberValue(node, "length", 2.0), subdivisions(node, "subdivisionsHeight", 1, 1),
                      subdivisions(node, "subdivisionsCaps", 0, 0), false},
                     uvs);
}

// A regular polygon base whose every edge, slanted ones included, has the side length: three
// sides give the regular tetrahedron, four half an octahedron.
std::unique_ptr<MeshData> polyPyramid(const Node& node, bool uvs) {
    const int sides = subdivisions(node, "numberOfSides", 4, 3);
    const double side = numberValue(node, "sideLength", 1.4142135623730951);
    const double radius = circumradius(sides, side);
    const double height = std::sqrt(std::max(0.0, side * side - radius * radius));
    return buildTube({sides, radius, 0.0, height, subdivisions(node, "subdivisionsHeight", 1, 1),
                      subdivisions(node, "subdivisionsCaps", 0, 0), false},
                     uvs);
}

// Rings around the tube, one per step around the axis; quads between them.
std::unique_ptr<MeshData> polyTorus(const Node& node, bool uvs) {
    const double r = numberValue(node, "radius", 1.0), sr = numberValue(node, "sectionRadius", 0.5);
    const int sa = subdivisions(node, "subdivisionsAxis", 20, 3), sh = subdivisions(node, "subdivisionsHeight", 20, 3);
    PrimitiveBuilder builder(uvs);
    for (int j = 0; j < sh; ++j) {
        const double tube = 2 * kPi * j / sh;
        for (int i = 0; i < sa; ++i) {
            const double around = ringAngle(i, sa);
            const double distance = r + sr * std::cos(tube);
            builder.point(distance * std::cos(around), sr * std::sin(tube), -distance * std::sin(around));
        }
    }
    const int grid = addUvGrid(builder, sa, sh, 0.0, 1.0, 0.0, 1.0);
    for (int j = 0; j < sh; ++j) {
        for (int i = 0; i < sa; ++i) {
            const int a = j * sa + i, b = j * sa + (i + 1) % sa, c = ((j + 1) % sh) * sa + (i + 1) % sa, d = ((j + 1) % sh) * sa + i;
            const int ua = grid + j * (sa + 1) + i;
            builder.face({a, b, c, d}, {ua, ua + 1, ua + sa + 2, ua + sa + 1}, true);
        }
    }
    // Faces out from the tube: the centre of each face's own tube section lies inside.
    return builder.finishFacingOut([r](const std::array<double, 3>& middle) {
        const double around = std::atan2(-middle[2], middle[0]);
        return std::array<double, 3>{r * std::cos(around), 0, -r * std::sin(around)};
    });
}

// An outer and an inner wall, joined at both ends by rings of quads.
std::unique_ptr<MeshData> polyPipe(const Node& node, bool uvs) {
    const double r = numberValue(node, "radius", 1.0), h = numberValue(node, "height", 2.0);
    const double inner = std::max(0.0, r - numberValue(node, "thickness", 0.5));
    const int sa = subdivisions(node, "subdivisionsAxis", 20, 3), sh = subdivisions(node, "subdivisionsHeight", 1, 1);
    const int sc = subdivisions(node, "subdivisionsCaps", 0, 0) + 1;
    PrimitiveBuilder builder(uvs);
    // The profile of the pipe's wall, walked outside up, top inwards, inside down, bottom outwards.
    std::vector<std::pair<double, double>> profile;  // (radius, y)
    for (int j = 0; j <= sh; ++j) profile.push_back({r, -h / 2 + h * j / sh});
    for (int k = 1; k <= sc; ++k) profile.push_back({r + (inner - r) * k / sc, h / 2});
    for (int j = 1; j <= sh; ++j) profile.push_back({inner, h / 2 - h * j / sh});
    for (int k = 1; k < sc; ++k) profile.push_back({inner + (r - inner) * k / sc, -h / 2});
    const int rings = int(profile.size());
    for (const auto& ring : profile) addRing(builder, sa, ring.first, ring.second);
    const int grid = addUvGrid(builder, sa, rings, 0.0, 1.0, 0.0, 1.0);
    for (int j = 0; j < rings; ++j) {
        const int next = (j + 1) % rings;
        for (int i = 0; i < sa; ++i) {
            const int a = j * sa + i, b = j * sa + (i + 1) % sa;
            const int ua = grid + j * (sa + 1) + i;
            builder.face({a, b, next * sa + (i + 1) % sa, next * sa + i}, {ua, ua + 1, ua + sa + 2, ua + sa + 1}, false);
        }
    }
    const double middle = (r + inner) / 2;
    return builder.finishFacingOut([middle](const std::array<double, 3>& at) {
        const double around = std::atan2(-at[2], at[0]);
        return std::array<double, 3>{middle * std::cos(around), 0, -middle * std::sin(around)};
    });
}

}  // namespace mayahost
