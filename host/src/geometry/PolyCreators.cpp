// The polygon primitives Maya's creators make: the cube and the plane here, the round ones and the
// platonic solids beside.
#include "PolyCreators.h"

#include "PrimitiveBuilder.h"

#include <algorithm>
#include <cmath>

namespace mayahost {

namespace {

using Point = std::array<double, 3>;

// Turns the creator's +Y up axis to the node's "axis" option.
void orientToAxis(const Node& creator, MeshData& mesh) {
    const std::vector<double> axis = {numberValue(creator, "axisX", 0.0), numberValue(creator, "axisY", 1.0),
                                      numberValue(creator, "axisZ", 0.0)};
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

bool createsUvs(const Node& creator) {
    return numberValue(creator, "createUVs", 2.0) != 0.0;
}

void addUvSet(MeshData& mesh, std::vector<float> u, std::vector<float> v, std::vector<int> cornerUv) {
    mesh.uvSets.push_back({"map1", std::move(u), std::move(v), std::move(cornerUv)});
}

// polyPlane: rows of points from +Z to -Z, each from -X to +X; UVs on the same grid.
std::unique_ptr<MeshData> polyPlane(const Node& node, bool uvs) {
    const double w = numberValue(node, "width", 1.0), h = numberValue(node, "height", 1.0);
    const int sw = subdivisions(node, "subdivisionsWidth", 10, 1);
    const int sh = subdivisions(node, "subdivisionsHeight", 10, 1);
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
    if (uvs) addUvSet(*mesh, std::move(u), std::move(v), std::move(cornerUv));
    return mesh;
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
std::unique_ptr<MeshData> polyCube(const Node& node, bool uvs) {
    const double w = numberValue(node, "width", 1.0), h = numberValue(node, "height", 1.0),
                 d = numberValue(node, "depth", 1.0);
    const int sx = subdivisions(node, "subdivisionsWidth", 1, 1);
    const int sy = subdivisions(node, "subdivisionsHeight", 1, 1);
    const int sz = subdivisions(node, "subdivisionsDepth", 1, 1);
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

// The faces a creator's options ask for, counted before anything is built.
std::uint64_t facesAskedFor(const Node& creator) {
    const std::string& type = creator.typeName();
    auto count = [&](const char* name, double fallback, int minimum) { return std::uint64_t(subdivisions(creator, name, fallback, minimum)); };
    auto cap = [](std::uint64_t rings, std::uint64_t sides) { return rings == 0 ? 1 : rings * sides; };
    if (type == "polyCube") {
        const std::uint64_t w = count("subdivisionsWidth", 1, 1), h = count("subdivisionsHeight", 1, 1), d = count("subdivisionsDepth", 1, 1);
        return 2 * (w * h + h * d + w * d);
    }
    if (type == "polyPlane") return count("subdivisionsWidth", 10, 1) * count("subdivisionsHeight", 10, 1);
    if (type == "polySphere") return count("subdivisionsAxis", 20, 3) * count("subdivisionsHeight", 20, 2);
    if (type == "polyTorus") return count("subdivisionsAxis", 20, 3) * count("subdivisionsHeight", 20, 3);
    if (type == "polyCylinder" || type == "polyCone") {
        const std::uint64_t sides = count("subdivisionsAxis", 20, 3);
        const std::uint64_t caps = type == "polyCylinder" ? 2 * cap(count("subdivisionsCaps", 0, 0), sides) : cap(count("subdivisionsCap", 0, 0), sides);
        return sides * count("subdivisionsHeight", 1, 1) + caps;
    }
    if (type == "polyPyramid" || type == "polyPrism") {
        const std::uint64_t sides = count("numberOfSides", type == "polyPyramid" ? 4 : 3, 3);
        const std::uint64_t caps = (type == "polyPrism" ? 2 : 1) * cap(count("subdivisionsCaps", 0, 0), sides);
        return sides * count("subdivisionsHeight", 1, 1) + caps;
    }
    if (type == "polyPipe") {
        return count("subdivisionsAxis", 20, 3) * (2 * count("subdivisionsHeight", 1, 1) + 2 * (count("subdivisionsCaps", 0, 0) + 1));
    }
    return 20;  // the platonic solids
}

}  // namespace

std::unique_ptr<MeshData> createPolyPrimitive(const Node& creator, std::string& refusal) {
    using Creator = std::unique_ptr<MeshData> (*)(const Node&, bool);
    static const std::pair<const char*, Creator> kCreators[] = {
        {"polyCube", polyCube},       {"polyPlane", polyPlane},   {"polySphere", polySphere},
        {"polyCylinder", polyCylinder}, {"polyCone", polyCone},   {"polyTorus", polyTorus},
        {"polyPyramid", polyPyramid}, {"polyPrism", polyPrism},   {"polyPipe", polyPipe},
        {"polyPlatonicSolid", polyPlatonicSolid}};
    for (const auto& entry : kCreators) {
        if (creator.typeName() != entry.first) continue;
        const std::uint64_t faces = facesAskedFor(creator);
        if (faces > kMaxCreatorFaces) {
            refusal = "its creator " + creator.name + " asks for " + std::to_string(faces) + " faces; a creator builds at most " +
                      std::to_string(kMaxCreatorFaces);
            return nullptr;
        }
        std::unique_ptr<MeshData> mesh = entry.second(creator, createsUvs(creator));
        orientToAxis(creator, *mesh);
        return mesh;
    }
    return nullptr;
}

}  // namespace mayahost
