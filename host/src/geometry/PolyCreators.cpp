#include "PolyCreators.h"

#include "NodeValues.h"

#include <algorithm>
#include <cmath>

namespace mayahost {

namespace {

constexpr double kPi = 3.14159265358979323846;
// More subdivisions than this each way are taken as this: a file cannot ask for more points than
// memory holds (4096 x 4096 is 16 million points).
constexpr int kMaxSubdivisions = 4096;

int subdivisions(const Node& node, std::initializer_list<const char*> names, double fallback, int minimum) {
    return clampedInt(numberValue(node, names, fallback), minimum, kMaxSubdivisions);
}

using Point = std::array<double, 3>;

// Turns the creator's +Y up axis to the node's "axis" option.
void orientToAxis(const Node& creator, MeshData& mesh) {
    std::vector<double> axis = numbersValue(creator, {"axis", "ax"});
    if (axis.size() != 3) return;
    const double length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    if (length == 0.0 || (axis[0] == 0.0 && axis[2] == 0.0 && axis[1] > 0.0)) return;
    const double to[3] = {axis[0] / length, axis[1] / length, axis[2] / length};
    // Rotation taking (0,1,0) to `to` (Rodrigues about (0,1,0) x to).
    const double c = to[1];
    double k[3] = {to[2], 0.0, -to[0]};
    const double s = std::sqrt(k[0] * k[0] + k[2] * k[2]);
    if (s < 1e-12) {
        for (Point& p : mesh.points) p = {p[0], -p[1], -p[2]};  // straight down: half a turn about X
        return;
    }
    k[0] /= s, k[2] /= s;
    for (Point& p : mesh.points) {
        const double kxp[3] = {k[1] * p[2] - k[2] * p[1], k[2] * p[0] - k[0] * p[2], k[0] * p[1] - k[1] * p[0]};
        const double kdp = k[0] * p[0] + k[1] * p[1] + k[2] * p[2];
        Point r;
        for (int i = 0; i < 3; ++i) r[std::size_t(i)] = p[std::size_t(i)] * c + kxp[i] * s + k[i] * kdp * (1 - c);
        p = r;
    }
}

void addUvSet(MeshData& mesh, std::vector<float> u, std::vector<float> v, std::vector<int> cornerUv) {
    mesh.uvSets.push_back({"map1", std::move(u), std::move(v), std::move(cornerUv)});
}

// polyPlane: rows of points from +Z to -Z, each from -X to +X; UVs on the same grid.
std::unique_ptr<MeshData> polyPlane(const Node& node) {
    const double w = numberValue(node, {"width", "w"}, 1.0), h = numberValue(node, {"height", "h"}, 1.0);
    const int sw = subdivisions(node, {"subdivisionsWidth", "sw"}, 10, 1);
    const int sh = subdivisions(node, {"subdivisionsHeight", "sh"}, 10, 1);
    auto mesh = std::make_unique<MeshData>();
    std::vector<float> u, v;
    for (int j = 0; j <= sh; ++j) {
        for (int i = 0; i <= sw; ++i) {
            mesh->points.push_back({-w / 2 + i * w / sw, 0.0, h / 2 - j * h / sh});
            u.push_back(float(i) / float(sw));
            v.push_back(float(j) / float(sh));
        }
    }
    std::vector<int> cornerUv;
    for (int j = 0; j < sh; ++j) {
        for (int i = 0; i < sw; ++i) {
            const int a = j * (sw + 1) + i;
            const std::vector<int> face = {a, a + 1, a + sw + 2, a + sw + 1};
            mesh->addPolygon(face);
            cornerUv.insert(cornerUv.end(), face.begin(), face.end());
        }
    }
    if (numberValue(node, {"createUVs", "cuv"}, 1.0) != 0.0) addUvSet(*mesh, std::move(u), std::move(v), std::move(cornerUv));
    return mesh;
}

// A ring of `count` points around the Y axis, counter-clockwise seen from above, starting at +X.
void addRing(MeshData& mesh, int count, double radius, double y) {
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * kPi * i / count;
        mesh.points.push_back({radius * std::cos(angle), y, -radius * std::sin(angle)});
    }
}

// A polygon whose edges are all soft: the surface is smooth across them.
void addSmoothPolygon(MeshData& mesh, const std::vector<int>& vertices) {
    mesh.addPolygon(vertices);
    std::fill(mesh.cornerSmoothEdge.end() - std::ptrdiff_t(vertices.size()), mesh.cornerSmoothEdge.end(), 1);
}

// Smooth quads between consecutive rings of `count` points, the first ring starting at point `first`.
void addBand(MeshData& mesh, int first, int count, int rings) {
    for (int j = 0; j + 1 < rings; ++j) {
        for (int i = 0; i < count; ++i) {
            const int a = first + j * count + i, b = first + j * count + (i + 1) % count;
            addSmoothPolygon(mesh, {a, b, b + count, a + count});
        }
    }
}

// Faces whose winding turns them towards the inside (the point `insideOf` gives for the face's
// middle) are turned over, so that every face of a closed primitive faces out.
template <typename Inside>
void faceOutwards(MeshData& mesh, Inside insideOf) {
    for (std::size_t p = 0; p < mesh.polygonCount(); ++p) {
        const std::uint32_t first = mesh.firstCorner(p), count = mesh.cornerCount(p);
        auto point = [&](std::size_t i) -> const std::array<double, 3>& { return mesh.points[std::size_t(mesh.cornerVertex[first + i])]; };
        const std::array<double, 3> normal = newellNormal(point, count);
        std::array<double, 3> middle{0, 0, 0};
        for (std::uint32_t i = 0; i < count; ++i) {
            for (int k = 0; k < 3; ++k) middle[std::size_t(k)] += point(i)[std::size_t(k)] / count;
        }
        const std::array<double, 3> centre = insideOf(middle);
        double facing = 0;
        for (int k = 0; k < 3; ++k) facing += normal[std::size_t(k)] * (middle[std::size_t(k)] - centre[std::size_t(k)]);
        if (facing < 0) std::reverse(mesh.cornerVertex.begin() + first, mesh.cornerVertex.begin() + first + count);
    }
}

std::array<double, 3> origin(const std::array<double, 3>&) {
    return {0, 0, 0};
}

// polyCube. A belt of rows along X runs around the X axis (front up, top back, back down, bottom
// forward); the two sides close it, their inner points after the belt's. One subdivision each way
// gives Maya's 8 points, 6 faces and 14-point cross of UVs exactly; with more subdivisions each
// face's UVs fill its square of the same cross.
std::unique_ptr<MeshData> polyCube(const Node& node) {
    const double w = numberValue(node, {"width", "w"}, 1.0), h = numberValue(node, {"height", "h"}, 1.0),
                 d = numberValue(node, {"depth", "d"}, 1.0);
    const int sx = subdivisions(node, {"subdivisionsWidth", "sw", "subdivisionsX", "sx"}, 1, 1);
    const int sy = subdivisions(node, {"subdivisionsHeight", "sh", "subdivisionsY", "sy"}, 1, 1);
    const int sz = subdivisions(node, {"subdivisionsDepth", "sd", "subdivisionsZ", "sz"}, 1, 1);
    const bool uvs = numberValue(node, {"createUVs", "cuv"}, 1.0) != 0.0;
    auto mesh = std::make_unique<MeshData>();
    const int loop = 2 * (sy + sz);
    auto beltPoint = [&](int l) -> std::pair<double, double> {  // (y, z) of belt position l
        if (l <= sy) return {-h / 2 + h * l / sy, d / 2};
        if (l <= sy + sz) return {h / 2, d / 2 - d * (l - sy) / sz};
        if (l <= 2 * sy + sz) return {h / 2 - h * (l - sy - sz) / sy, -d / 2};
        return {-h / 2, -d / 2 + d * (l - 2 * sy - sz) / sz};
    };
    for (int l = 0; l < loop; ++l) {
        const auto yz = beltPoint(l);
        for (int i = 0; i <= sx; ++i) mesh->points.push_back({-w / 2 + w * i / sx, yz.first, yz.second});
    }
    std::vector<int> faces;  // per polygon, which face of the cube: 0 front, 1 top, 2 back, 3 bottom, 4 +x, 5 -x
    for (int l = 0; l < loop; ++l) {
        const int next = (l + 1) % loop;
        const int face = l < sy ? 0 : l < sy + sz ? 1 : l < 2 * sy + sz ? 2 : 3;
        for (int i = 0; i < sx; ++i) {
            mesh->addPolygon({l * (sx + 1) + i, l * (sx + 1) + i + 1, next * (sx + 1) + i + 1, next * (sx + 1) + i});
            faces.push_back(face);
        }
    }
    // The sides: a (sy x sz) grid whose rim is the belt's end points.
    for (const int side : {sx, 0}) {
        std::vector<int> inner((sy + 1) * (sz + 1), -1);
        auto vertex = [&](int b, int a) {
            int l = -1;
            if (a == 0) l = b;
            else if (b == sy) l = sy + a;
            else if (a == sz) l = sy + sz + (sy - b);
            else if (b == 0) l = (2 * sy + sz + (sz - a)) % loop;
            if (l >= 0) return l * (sx + 1) + side;
            int& index = inner[std::size_t(b * (sz + 1) + a)];
            if (index < 0) {
                index = int(mesh->points.size());
                mesh->points.push_back({side == 0 ? -w / 2 : w / 2, -h / 2 + h * b / sy, d / 2 - d * a / sz});
            }
            return index;
        };
        for (int b = 0; b < sy; ++b) {
            for (int a = 0; a < sz; ++a) {
                mesh->addPolygon({vertex(b, a), vertex(b, a + 1), vertex(b + 1, a + 1), vertex(b + 1, a)});
                faces.push_back(side == 0 ? 5 : 4);
            }
        }
    }
    faceOutwards(*mesh, origin);
    if (uvs && sx == 1 && sy == 1 && sz == 1) {
        // Maya's own winding of the -X side starts at its back corner.
        std::rotate(mesh->cornerVertex.begin() + 20, mesh->cornerVertex.begin() + 22, mesh->cornerVertex.end());
        addUvSet(*mesh, {0.375f, 0.625f, 0.375f, 0.625f, 0.375f, 0.625f, 0.375f, 0.625f, 0.375f, 0.625f, 0.875f, 0.875f, 0.125f, 0.125f},
                 {0.f, 0.f, 0.25f, 0.25f, 0.5f, 0.5f, 0.75f, 0.75f, 1.f, 1.f, 0.f, 0.25f, 0.f, 0.25f},
                 {0, 1, 3, 2, 2, 3, 5, 4, 4, 5, 7, 6, 6, 7, 9, 8, 1, 10, 11, 3, 12, 0, 2, 13});
    } else if (uvs) {
        std::vector<float> u, v;
        std::vector<int> cornerUv;
        for (std::size_t p = 0; p < mesh->polygonCount(); ++p) {
            for (std::uint32_t c = mesh->firstCorner(p); c < mesh->firstCorner(p) + mesh->cornerCount(p); ++c) {
                const auto& q = mesh->points[std::size_t(mesh->cornerVertex[c])];
                const float x = float((q[0] + w / 2) / w), y = float((q[1] + h / 2) / h), z = float((q[2] + d / 2) / d);
                const float square[6][2] = {{x, y}, {x, 1 - z}, {x, 1 - y}, {x, z}, {1 - z, y}, {z, y}};
                const float origin[6][2] = {{0.375f, 0.f}, {0.375f, 0.25f}, {0.375f, 0.5f}, {0.375f, 0.75f}, {0.625f, 0.f}, {0.125f, 0.f}};
                const int f = faces[p];
                cornerUv.push_back(int(u.size()));
                u.push_back(origin[f][0] + 0.25f * square[f][0]);
                v.push_back(origin[f][1] + 0.25f * square[f][1]);
            }
        }
        addUvSet(*mesh, std::move(u), std::move(v), std::move(cornerUv));
    }
    return mesh;
}

// polySphere: rings from the bottom up, then the bottom and the top pole; quads, then the fans.
std::unique_ptr<MeshData> polySphere(const Node& node) {
    const double r = numberValue(node, {"radius", "r"}, 1.0);
    const int sa = subdivisions(node, {"subdivisionsAxis", "sa"}, 20, 3), sh = subdivisions(node, {"subdivisionsHeight", "sh"}, 20, 2);
    auto mesh = std::make_unique<MeshData>();
    for (int j = 1; j < sh; ++j) {
        const double latitude = -kPi / 2 + kPi * j / sh;
        addRing(*mesh, sa, r * std::cos(latitude), r * std::sin(latitude));
    }
    const int bottom = int(mesh->points.size());
    mesh->points.push_back({0, -r, 0});
    mesh->points.push_back({0, r, 0});
    addBand(*mesh, 0, sa, sh - 1);
    for (int i = 0; i < sa; ++i) addSmoothPolygon(*mesh, {bottom, (i + 1) % sa, i});
    const int top = (sh - 2) * sa;
    for (int i = 0; i < sa; ++i) addSmoothPolygon(*mesh, {top + i, top + (i + 1) % sa, bottom + 1});
    faceOutwards(*mesh, origin);
    return mesh;
}

// polyCylinder and polyCone: rings from the bottom up (a cone's top ring is its apex), closed by
// a polygon at each end.
std::unique_ptr<MeshData> polyTube(const Node& node, bool cone) {
    const double r = numberValue(node, {"radius", "r"}, 1.0), h = numberValue(node, {"height", "h"}, 2.0);
    const int sa = subdivisions(node, {"subdivisionsAxis", "sa"}, 20, 3);
    const int sh = subdivisions(node, {"subdivisionsHeight", "sh"}, 1, 1);
    auto mesh = std::make_unique<MeshData>();
    const int rings = cone ? sh : sh + 1;
    for (int j = 0; j < rings; ++j) addRing(*mesh, sa, r * (cone ? 1.0 - double(j) / sh : 1.0), -h / 2 + h * j / sh);
    addBand(*mesh, 0, sa, rings);
    std::vector<int> bottomCap;
    for (int i = sa - 1; i >= 0; --i) bottomCap.push_back(i);
    mesh->addPolygon(bottomCap);
    if (cone) {
        const int apex = int(mesh->points.size());
        mesh->points.push_back({0, h / 2, 0});
        const int last = (rings - 1) * sa;
        for (int i = 0; i < sa; ++i) addSmoothPolygon(*mesh, {last + i, last + (i + 1) % sa, apex});
    } else {
        std::vector<int> topCap;
        for (int i = 0; i < sa; ++i) topCap.push_back(sh * sa + i);
        mesh->addPolygon(topCap);
    }
    faceOutwards(*mesh, origin);
    return mesh;
}

// polyTorus: rings around the tube, one per step around the axis; quads between them.
std::unique_ptr<MeshData> polyTorus(const Node& node) {
    const double r = numberValue(node, {"radius", "r"}, 1.0), sr = numberValue(node, {"sectionRadius", "sr"}, 0.5);
    const int sa = subdivisions(node, {"subdivisionsAxis", "sa"}, 20, 3), sh = subdivisions(node, {"subdivisionsHeight", "sh"}, 20, 3);
    auto mesh = std::make_unique<MeshData>();
    for (int j = 0; j < sh; ++j) {
        const double tube = 2 * kPi * j / sh;
        for (int i = 0; i < sa; ++i) {
            const double around = 2 * kPi * i / sa;
            const double distance = r + sr * std::cos(tube);
            mesh->points.push_back({distance * std::cos(around), sr * std::sin(tube), -distance * std::sin(around)});
        }
    }
    for (int j = 0; j < sh; ++j) {
        for (int i = 0; i < sa; ++i) {
            const int a = j * sa + i, b = j * sa + (i + 1) % sa, c = ((j + 1) % sh) * sa + (i + 1) % sa, d = ((j + 1) % sh) * sa + i;
            addSmoothPolygon(*mesh, {a, b, c, d});
        }
    }
    // Faces out from the tube: the centre of each face's own tube section lies inside.
    faceOutwards(*mesh, [r](const std::array<double, 3>& middle) {
        const double around = std::atan2(-middle[2], middle[0]);
        return std::array<double, 3>{r * std::cos(around), 0, -r * std::sin(around)};
    });
    return mesh;
}

}  // namespace

std::unique_ptr<MeshData> createPolyPrimitive(const Node& creator) {
    const std::string& type = creator.typeName();
    std::unique_ptr<MeshData> mesh;
    if (type == "polyCube") mesh = polyCube(creator);
    else if (type == "polyPlane") mesh = polyPlane(creator);
    else if (type == "polySphere") mesh = polySphere(creator);
    else if (type == "polyCylinder") mesh = polyTube(creator, false);
    else if (type == "polyCone") mesh = polyTube(creator, true);
    else if (type == "polyTorus") mesh = polyTorus(creator);
    if (mesh) orientToAxis(creator, *mesh);
    return mesh;
}

}  // namespace mayahost
