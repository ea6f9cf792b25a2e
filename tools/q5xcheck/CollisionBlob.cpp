#include "CollisionBlob.h"

#include "ByteReader.h"

#include <cmath>

namespace {

constexpr std::uint32_t kTriangleMeshMagic = 224628;
constexpr std::uint32_t kConvexHullMagic = 290147;
constexpr std::uint32_t kQuantizedNodeSize = 16;
constexpr std::uint32_t kFloatNodeSize = 48;
constexpr std::uint32_t kSubtreeHeaderSize = 20;
constexpr std::uint32_t kTriangleInfoSize = 8;

bool finiteFloats(ByteReader& in, std::uint64_t count) {
    bool finite = true;
    for (std::uint64_t i = 0; i < count; ++i) {
        float value = 0;
        if (!in.f32(value)) return false;
        finite = finite && std::isfinite(value);
    }
    return finite;
}

std::string triangleMesh(ByteReader& in, std::uint32_t size, const std::string& file, const std::string& place, Report& report) {
    std::uint32_t total = 0, vertices = 0, indices = 0;
    if (!in.u32(total) || !in.u32(vertices) || !in.u32(indices)) {
        report.error(file, place, "the triangle-mesh blob ends inside its header");
        return "";
    }
    if (total > size) report.error(file, place, "the triangle-mesh blob says it is " + std::to_string(total) + " bytes, more than its record holds");
    if (indices % 3 != 0) report.error(file, place, "the triangle-mesh blob's index count is not a multiple of 3");
    if (!in.canHold(vertices, 12) || !finiteFloats(in, 3ull * vertices)) {
        report.error(file, place, "the triangle-mesh blob's vertices are cut short or not finite");
        return "";
    }
    if (!in.canHold(indices, 2)) {
        report.error(file, place, "the triangle-mesh blob's indices are cut short");
        return "";
    }
    for (std::uint32_t i = 0; i < indices; ++i) {
        std::uint16_t index = 0;
        in.u16(index);
        if (index >= vertices) {
            report.error(file, place, "the triangle-mesh blob's index " + std::to_string(i) + " names vertex " + std::to_string(index) + " of " + std::to_string(vertices));
            return "";
        }
    }
    if ((indices / 3) % 2 == 1) in.skip(2);
    std::int32_t header[6] = {0};
    bool ok = finiteFloats(in, 12);
    for (std::int32_t& field : header) {
        std::uint32_t value = 0;
        ok = ok && in.u32(value);
        field = std::int32_t(value);
    }
    // header: current node index, quantized flag, leaf nodes, quantized nodes, traversal mode, subtrees
    const std::uint64_t nodes = header[1] ? std::uint64_t(std::uint32_t(header[3])) * kQuantizedNodeSize
                                          : std::uint64_t(std::uint32_t(header[2])) * kFloatNodeSize;
    const std::uint64_t subtrees = std::uint64_t(std::uint32_t(header[5])) * kSubtreeHeaderSize;
    if (!ok || !in.canHold(nodes, 1) || !in.skip(std::size_t(nodes)) || !in.canHold(subtrees, 1) || !in.skip(std::size_t(subtrees))) {
        report.error(file, place, "the triangle-mesh blob's BVH is cut short");
        return "";
    }
    std::uint32_t values = 0, keys = 0;
    if (!finiteFloats(in, 5) || !in.u32(values) || !in.u32(keys) || !in.canHold(values, kTriangleInfoSize) ||
        !in.skip(std::size_t(values) * kTriangleInfoSize) || !in.canHold(keys, 4) || !in.skip(std::size_t(keys) * 4)) {
        report.error(file, place, "the triangle-mesh blob's edge map is cut short");
        return "";
    }
    if (values != indices / 3) report.warning(file, place, "the edge map has " + std::to_string(values) + " values for " + std::to_string(indices / 3) + " triangles");
    // The blob's own size field counts every field up to the keys; the record pads it to 4 bytes.
    const std::size_t consumed = size - in.remaining();
    if (total != consumed || in.remaining() >= 4) {
        report.error(file, place, "the triangle-mesh blob says it is " + std::to_string(total) + " bytes, its fields take " +
                                      std::to_string(consumed) + " of " + std::to_string(size));
    }
    return "triangle mesh: " + std::to_string(vertices) + " vertices, " + std::to_string(indices / 3) + " triangles, " +
           (header[1] ? "quantized" : "float") + " BVH";
}

std::string convexHull(ByteReader& in, const std::string& file, const std::string& place, Report& report) {
    std::uint32_t points = 0;
    float margin = 0, volume = 0;
    if (!in.u32(points) || !in.f32(margin) || !in.f32(volume) || !finiteFloats(in, 12)) {
        report.error(file, place, "the convex-hull blob ends inside its mass properties");
        return "";
    }
    if (!std::isfinite(margin) || !std::isfinite(volume) || volume < 0) report.error(file, place, "the convex hull's margin or volume is not a finite, positive number");
    if (!in.canHold(points, 12) || !finiteFloats(in, 3ull * points)) {
        report.error(file, place, "the convex-hull blob's points are cut short or not finite");
        return "";
    }
    if (points < 4) report.error(file, place, "a convex hull of " + std::to_string(points) + " points encloses no volume");
    return "convex hull: " + std::to_string(points) + " points, volume " + std::to_string(volume);
}

}  // namespace

std::string checkCollisionBlob(const std::uint8_t* bytes, std::uint32_t size, std::size_t fileOffset,
                               const std::string& file, const std::string& place, Report& report) {
    ByteReader in(bytes, size, fileOffset);
    std::uint32_t magic = 0;
    if (!in.u32(magic)) {
        report.error(file, place, "an empty collision blob");
        return "";
    }
    report.count("collision_blobs");
    if (magic == kTriangleMeshMagic) return triangleMesh(in, size, file, place, report);
    if (magic == kConvexHullMagic) return convexHull(in, file, place, report);
    report.error(file, place, "a collision blob of unknown kind (magic " + std::to_string(magic) + ")");
    return "";
}
