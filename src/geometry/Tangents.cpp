#include "Tangents.h"

#include <cmath>
#include <vector>

namespace {

struct Vec3 {
    double x, y, z;
};

Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator*(double s, const Vec3& a) { return {s * a.x, s * a.y, s * a.z}; }
double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(const Vec3& a, const Vec3& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }

Vec3 toVec(const float* v) { return {v[0], v[1], v[2]}; }

// UV triangles with less area than this give no usable direction.
constexpr double kMinUvDeterminant = 1e-8;
constexpr double kMinTangentLengthSquared = 1e-8;

}  // namespace

void computeTangents(MeshBuildBuffer& buffer) {
    std::vector<Vec3> sAccumulated(buffer.vertices.size(), Vec3{0, 0, 0});
    std::vector<Vec3> tAccumulated(buffer.vertices.size(), Vec3{0, 0, 0});
    const std::size_t vertexCount = buffer.vertices.size();

    for (const BuildTriangle& triangle : buffer.triangles) {
        const std::uint32_t i0 = triangle.indices[0], i1 = triangle.indices[1], i2 = triangle.indices[2];
        if (i0 >= vertexCount || i1 >= vertexCount || i2 >= vertexCount) continue;
        const BuildVertex& v0 = buffer.vertices[i0];
        const BuildVertex& v1 = buffer.vertices[i1];
        const BuildVertex& v2 = buffer.vertices[i2];
        const Vec3 e1 = toVec(v1.position) - toVec(v0.position);
        const Vec3 e2 = toVec(v2.position) - toVec(v0.position);
        const double du1 = double(v1.uv[0][0]) - v0.uv[0][0], dv1 = double(v1.uv[0][1]) - v0.uv[0][1];
        const double du2 = double(v2.uv[0][0]) - v0.uv[0][0], dv2 = double(v2.uv[0][1]) - v0.uv[0][1];
        const double d = du1 * dv2 - du2 * dv1;
        if (!(std::fabs(d) > kMinUvDeterminant)) continue;
        const Vec3 s = (1.0 / d) * (dv2 * e1 - dv1 * e2);
        const Vec3 t = (1.0 / d) * (du1 * e2 - du2 * e1);
        for (std::uint32_t corner : {i0, i1, i2}) {
            sAccumulated[corner] = sAccumulated[corner] + s;
            tAccumulated[corner] = tAccumulated[corner] + t;
        }
    }

    for (std::size_t i = 0; i < vertexCount; ++i) {
        BuildVertex& vertex = buffer.vertices[i];
        const Vec3 n = toVec(vertex.normal);
        const Vec3& s = sAccumulated[i];
        const Vec3 u = s - dot(n, s) * n;
        const double lengthSquared = dot(u, u);
        const Vec3 direction = lengthSquared > kMinTangentLengthSquared ? (1.0 / std::sqrt(lengthSquared)) * u
                                                                         : Vec3{1, 0, 0};
        vertex.tangent[0] = static_cast<float>(direction.x);
        vertex.tangent[1] = static_cast<float>(direction.y);
        vertex.tangent[2] = static_cast<float>(direction.z);
        vertex.tangent[3] = dot(cross(n, s), tAccumulated[i]) >= 0.0 ? 1.0f : -1.0f;
    }
}
