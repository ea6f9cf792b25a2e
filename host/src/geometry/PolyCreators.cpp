#include "PolyCreators.h"

#include "NodeValues.h"

#include <cmath>

namespace mayahost {

namespace {

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

// polyCube with one subdivision each way: Maya's 8 points, 6 faces and the 14-point cross of UVs.
std::unique_ptr<MeshData> polyCube(const Node& node) {
    const double w = numberValue(node, {"width", "w"}, 1.0), h = numberValue(node, {"height", "h"}, 1.0),
                 d = numberValue(node, {"depth", "d"}, 1.0);
    auto mesh = std::make_unique<MeshData>();
    const int corners[8][3] = {{-1, -1, 1}, {1, -1, 1}, {-1, 1, 1}, {1, 1, 1}, {-1, 1, -1}, {1, 1, -1}, {-1, -1, -1}, {1, -1, -1}};
    for (const auto& c : corners) mesh->points.push_back({c[0] * w / 2, c[1] * h / 2, c[2] * d / 2});
    const std::vector<std::vector<int>> faces = {{0, 1, 3, 2}, {2, 3, 5, 4}, {4, 5, 7, 6}, {6, 7, 1, 0}, {1, 7, 5, 3}, {6, 0, 2, 4}};
    for (const auto& face : faces) mesh->addPolygon(face);
    if (numberValue(node, {"createUVs", "cuv"}, 1.0) != 0.0) {
        addUvSet(*mesh, {0.375f, 0.625f, 0.375f, 0.625f, 0.375f, 0.625f, 0.375f, 0.625f, 0.375f, 0.625f, 0.875f, 0.875f, 0.125f, 0.125f},
                 {0.f, 0.f, 0.25f, 0.25f, 0.5f, 0.5f, 0.75f, 0.75f, 1.f, 1.f, 0.f, 0.25f, 0.f, 0.25f},
                 {0, 1, 3, 2, 2, 3, 5, 4, 4, 5, 7, 6, 6, 7, 9, 8, 1, 10, 11, 3, 12, 0, 2, 13});
    }
    orientToAxis(node, *mesh);
    return mesh;
}

// polyPlane: rows of points from +Z to -Z, each from -X to +X; UVs on the same grid.
std::unique_ptr<MeshData> polyPlane(const Node& node) {
    const double w = numberValue(node, {"width", "w"}, 1.0), h = numberValue(node, {"height", "h"}, 1.0);
    const int sw = std::max(1, int(numberValue(node, {"subdivisionsWidth", "sw"}, 10.0)));
    const int sh = std::max(1, int(numberValue(node, {"subdivisionsHeight", "sh"}, 10.0)));
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
    orientToAxis(node, *mesh);
    return mesh;
}

}  // namespace

std::unique_ptr<MeshData> createPolyPrimitive(const Node& creator) {
    if (creator.typeName() == "polyCube") return polyCube(creator);
    if (creator.typeName() == "polyPlane") return polyPlane(creator);
    return nullptr;
}

}  // namespace mayahost
