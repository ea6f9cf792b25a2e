#include "TriangleSetRecord.h"

#include "saveutil/XmlWriter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t kNormal = 0x1, kColor = 0x20, kBlendWeights = 0x40, kTangent = 0x80, kSingleBlend = 0x100,
                        kGeneric = 0x200, kKnownFormatBits = 0x3FF, kNoBindPose = 0x80000000u;
constexpr std::uint32_t kMax16BitVertices = 65536;
// The bounding sphere and unit normals are float computations: allow for their rounding.
constexpr float kTolerance = 1e-3f;

std::string at(const ByteReader& in) {
    return "byte " + std::to_string(in.offset());
}

bool readFloats(ByteReader& in, std::uint64_t count, std::vector<float>& out) {
    if (!in.canHold(count, 4)) return false;
    out.resize(std::size_t(count));
    for (float& value : out) in.f32(value);
    return true;
}

bool readSubsets(ByteReader& in, std::uint32_t count, unsigned uvSets, TriangleSetRecord& record) {
    if (!in.canHold(count, 16 + 4 * uvSets)) return false;
    record.subsets.resize(count);
    for (TriangleSetRecord::Subset& subset : record.subsets) {
        in.u32(subset.firstVertex), in.u32(subset.numVertices), in.u32(subset.firstIndex), in.u32(subset.numIndices);
        for (unsigned k = 0; k < 4; ++k) subset.uvDensity[k] = 0.0f;
        for (unsigned k = 0; k < uvSets; ++k) in.f32(subset.uvDensity[k]);
    }
    record.slotNames.resize(count);
    std::size_t written = 0;
    for (std::string& slot : record.slotNames) {
        std::uint16_t length = 0;
        const std::uint8_t* bytes = nullptr;
        if (!in.u16(length) || !in.bytes(length, bytes) || !in.skip(length % 2)) return false;
        slot.assign(reinterpret_cast<const char*>(bytes), length);
        written += 2 + length + length % 2;
    }
    const std::size_t table = std::size_t(count) * (16 + 4 * uvSets) + written;
    return in.skip((4 - table % 4) % 4);
}

bool readIndices(ByteReader& in, TriangleSetRecord& record) {
    const bool wide = record.numVertices > kMax16BitVertices;
    if (!in.canHold(record.numIndices, wide ? 4 : 2)) return false;
    record.indices.resize(record.numIndices);
    for (std::uint32_t& index : record.indices) {
        if (wide) {
            in.u32(index);
        } else {
            std::uint16_t narrow = 0;
            in.u16(narrow);
            index = narrow;
        }
    }
    return wide || record.numIndices % 2 == 0 || in.skip(2);
}

bool readStreams(ByteReader& in, TriangleSetRecord& record) {
    const std::uint64_t n = record.numVertices;
    if (!readFloats(in, 3 * n, record.positions)) return false;
    if (record.has(kNormal) && !readFloats(in, 3 * n, record.normals)) return false;
    if (record.has(kTangent) && !readFloats(in, 4 * n, record.tangents)) return false;
    for (unsigned k = 0; k < record.uvSets(); ++k) {
        if (!readFloats(in, 2 * n, record.uv[k])) return false;
    }
    if (record.has(kColor) && !readFloats(in, 4 * n, record.colors)) return false;
    if (record.has(kBlendWeights)) {
        const bool single = record.has(kSingleBlend);
        if (!single && !readFloats(in, 4 * n, record.blendWeights)) return false;
        const std::uint64_t count = single ? n : 4 * n;
        const std::uint8_t* bytes = nullptr;
        if (!in.canHold(count, 1) || !in.bytes(std::size_t(count), bytes)) return false;
        record.blendIndices.assign(bytes, bytes + count);
    }
    return !record.has(kGeneric) || readFloats(in, n, record.generic);
}

bool readCollisions(ByteReader& in, TriangleSetRecord& record) {
    std::uint32_t count = 0;
    if (!in.u32(count)) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        TriangleSetRecord::Collision collision{0, nullptr, 0, 0};
        if (!in.u32(collision.kind) || ((collision.kind & 0x4) && !in.skip(12)) || !in.u32(collision.size)) return false;
        collision.offset = in.offset();
        if (!in.bytes(collision.size, collision.bytes)) return false;
        record.collisions.push_back(collision);
    }
    return true;
}

bool finite(const std::vector<float>& values) {
    for (const float value : values) {
        if (!std::isfinite(value)) return false;
    }
    return true;
}

}  // namespace

unsigned TriangleSetRecord::uvSets() const {
    unsigned count = 0;
    while (count < 4 && (vertexFormat & (0x2u << count))) ++count;
    return count;
}

bool readPaddedName(ByteReader& in, std::string& name) {
    std::uint32_t length = 0;
    const std::uint8_t* bytes = nullptr;
    if (!in.u32(length) || !in.bytes(length, bytes)) return false;
    name.assign(reinterpret_cast<const char*>(bytes), length);
    return in.skip((4 - length % 4) % 4);
}

bool readTriangleSetRecord(ByteReader& in, const std::string& file, Report& report, TriangleSetRecord& record) {
    auto broken = [&](const char* what) {
        report.error(file, at(in), std::string("the record ends inside its ") + what);
        return false;
    };
    if (!readPaddedName(in, record.name)) return broken("name");
    if (!in.u32(record.shapeId) || !in.f32(record.center[0]) || !in.f32(record.center[1]) || !in.f32(record.center[2]) ||
        !in.f32(record.radius)) {
        return broken("bounding sphere");
    }
    if (!readTriangleSetBody(in, file, report, record)) return false;
    if (!readCollisions(in, record)) return broken("collision records");
    return true;
}

bool readTriangleSetBody(ByteReader& in, const std::string& file, Report& report, TriangleSetRecord& record) {
    auto broken = [&](const char* what) {
        report.error(file, at(in), std::string("the record ends inside its ") + what);
        return false;
    };
    std::uint32_t numSubsets = 0, flags = 0;
    if (!in.u32(record.numIndices) || !in.u32(numSubsets) || !in.u32(record.numVertices) || !in.u32(flags) ||
        !in.f32(record.vertexCompressionRange)) {
        return broken("header");
    }
    record.vertexFormat = flags & 0xFFFF;
    record.meshUsage = (flags & ~kNoBindPose) >> 16;
    record.noBindPose = (flags & kNoBindPose) != 0;
    if (!readSubsets(in, numSubsets, record.uvSets(), record)) return broken("subsets");
    if (!readIndices(in, record)) return broken("index buffer");
    if (!readStreams(in, record)) return broken("vertex streams");
    return true;
}

std::uint32_t TriangleSetRecord::blendIndexSpan() const {
    std::uint32_t span = 0;
    for (const std::uint8_t index : blendIndices) span = std::max<std::uint32_t>(span, index + 1u);
    return span;
}

namespace {

// The subsets, taken in index order, cover the index buffer once, without gap or overlap, and
// each names only vertices of its own range.
void checkSubsetPartition(const TriangleSetRecord& record, const std::string& file, const std::string& place, Report& report) {
    std::vector<std::size_t> order(record.subsets.size());
    for (std::size_t s = 0; s < order.size(); ++s) order[s] = s;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return record.subsets[a].firstIndex < record.subsets[b].firstIndex; });
    std::uint64_t covered = 0;
    for (const std::size_t s : order) {
        const TriangleSetRecord::Subset& subset = record.subsets[s];
        if (subset.firstIndex != covered) {
            report.error(file, place, subset.firstIndex < covered ? "subset " + std::to_string(s) + " overlaps the subset before it"
                                                                  : "indices " + std::to_string(covered) + " to " +
                                                                        std::to_string(subset.firstIndex) + " lie in no subset");
        }
        covered = std::max<std::uint64_t>(covered, std::uint64_t(subset.firstIndex) + subset.numIndices);
        const std::uint64_t end = std::min<std::uint64_t>(std::uint64_t(subset.firstIndex) + subset.numIndices, record.indices.size());
        for (std::uint64_t i = subset.firstIndex; i < end; ++i) {
            const std::uint32_t vertex = record.indices[std::size_t(i)];
            if (vertex < subset.firstVertex || std::uint64_t(vertex) >= std::uint64_t(subset.firstVertex) + subset.numVertices) {
                report.error(file, place, "subset " + std::to_string(s) + " names vertex " + std::to_string(vertex) +
                                              " outside its vertex range");
                break;
            }
        }
    }
    if (covered < record.numIndices) {
        report.error(file, place, "indices " + std::to_string(covered) + " to " + std::to_string(record.numIndices) + " lie in no subset");
    }
}

void checkHeaderNumbers(const TriangleSetRecord& record, const std::string& file, const std::string& place, Report& report) {
    bool finiteHeader = std::isfinite(record.radius) && std::isfinite(record.vertexCompressionRange);
    for (const float c : record.center) finiteHeader = finiteHeader && std::isfinite(c);
    for (const TriangleSetRecord::Subset& subset : record.subsets) {
        for (const float density : subset.uvDensity) finiteHeader = finiteHeader && std::isfinite(density);
    }
    if (!finiteHeader) {
        report.error(file, place, "the bounding sphere, vertex compression range or a UV density is not a finite number");
    }
    if (record.vertexFormat & ~kKnownFormatBits) {
        report.error(file, place, "the vertex format has bits no stream is defined for: " + std::to_string(record.vertexFormat & ~kKnownFormatBits));
    }
}

void checkBlendWeights(const TriangleSetRecord& record, const std::string& file, const std::string& place, Report& report) {
    for (std::size_t v = 0; v + 3 < record.blendWeights.size(); v += 4) {
        const float sum = record.blendWeights[v] + record.blendWeights[v + 1] + record.blendWeights[v + 2] + record.blendWeights[v + 3];
        if (std::fabs(sum - 1.0f) > kTolerance) {
            report.error(file, place, "the blend weights of vertex " + std::to_string(v / 4) + " do not add up to 1");
            return;
        }
    }
}

}  // namespace

void checkTriangleSet(const TriangleSetRecord& record, const std::string& file, const std::string& place, Report& report) {
    if (record.numIndices % 3 != 0) report.error(file, place, "the index count is not a multiple of 3");
    checkHeaderNumbers(record, file, place, report);
    checkSubsetPartition(record, file, place, report);
    checkBlendWeights(record, file, place, report);
    for (std::size_t i = 0; i < record.indices.size(); ++i) {
        if (record.indices[i] >= record.numVertices) {
            report.error(file, place, "index " + std::to_string(i) + " names vertex " + std::to_string(record.indices[i]) +
                                          " of " + std::to_string(record.numVertices));
            break;
        }
    }
    for (std::size_t s = 0; s < record.subsets.size(); ++s) {
        const TriangleSetRecord::Subset& subset = record.subsets[s];
        if (std::uint64_t(subset.firstIndex) + subset.numIndices > record.numIndices ||
            std::uint64_t(subset.firstVertex) + subset.numVertices > record.numVertices) {
            report.error(file, place, "subset " + std::to_string(s) + " reaches past the buffers");
        }
    }
    const std::vector<float>* streams[] = {&record.positions, &record.normals, &record.tangents, &record.uv[0],
                                           &record.uv[1], &record.uv[2], &record.uv[3], &record.colors,
                                           &record.blendWeights, &record.generic};
    for (const std::vector<float>* stream : streams) {
        if (!finite(*stream)) {
            report.error(file, place, "a vertex stream holds a number that is not finite");
            break;
        }
    }
    for (std::size_t v = 0; v + 2 < record.normals.size(); v += 3) {
        const float length = std::sqrt(record.normals[v] * record.normals[v] + record.normals[v + 1] * record.normals[v + 1] +
                                       record.normals[v + 2] * record.normals[v + 2]);
        if (std::fabs(length - 1.0f) > kTolerance) {
            report.error(file, place, "the normal of vertex " + std::to_string(v / 3) + " is not of unit length");
            break;
        }
    }
    if (record.radius == 0.0f) return;
    for (std::size_t v = 0; v + 2 < record.positions.size(); v += 3) {
        const float dx = record.positions[v] - record.center[0], dy = record.positions[v + 1] - record.center[1],
                    dz = record.positions[v + 2] - record.center[2];
        if (std::sqrt(dx * dx + dy * dy + dz * dz) > record.radius + kTolerance * std::max(1.0f, record.radius)) {
            report.error(file, place, "vertex " + std::to_string(v / 3) + " lies outside the bounding sphere");
            break;
        }
    }
}

std::string triangleSetXml(const TriangleSetRecord& record, bool isAttachment) {
    using Q5XSaveUtil::XmlWriter;
    std::string text;
    XmlWriter out(text);
    out.startTag(2, "IndexedTriangleSet");
    out.attribute("name", record.name);
    out.attribute("shapeId", record.shapeId);
    out.attribute("meshUsage", record.meshUsage);
    if (record.radius != 0.0f) {
        out.beginValue("bvCenter");
        for (const float c : record.center) out.streamValue(c);
        out.endValue();
        out.attribute("bvRadius", record.radius);
    }
    if (record.vertexCompressionRange != 0.0f) out.attribute("vertexCompressionRange", record.vertexCompressionRange);
    // Every written set went through the vertex-cache pass; the record does not say so itself.
    out.attribute("isOptimized", true);
    if (record.noBindPose) out.attribute("noBindPose", true);
    if (isAttachment) out.attribute("isAttachment", true);
    out.endStartTag();

    out.startTag(3, "Vertices");
    out.attribute("count", record.numVertices);
    static const char* const kUvNames[] = {"uv0", "uv1", "uv2", "uv3"};
    if (record.has(kNormal)) out.attribute("normal", true);
    for (unsigned k = 0; k < record.uvSets(); ++k) out.attribute(kUvNames[k], true);
    if (record.has(kColor)) out.attribute("color", true);
    if (record.has(kBlendWeights)) out.attribute(record.has(kSingleBlend) ? "singleblendweights" : "blendweights", true);
    if (record.has(kTangent)) out.attribute("tangent", true);
    if (record.has(kGeneric)) out.attribute("generic", true);
    out.endStartTag();
    auto values = [&](const char* name, const std::vector<float>& stream, std::size_t v, unsigned width) {
        out.beginValue(name);
        for (unsigned i = 0; i < width; ++i) out.streamValue(stream[v * width + i]);
        out.endValue();
    };
    static const char* const kUvAttributes[] = {"t0", "t1", "t2", "t3"};
    for (std::size_t v = 0; v < record.numVertices; ++v) {
        out.startTag(4, "v");
        values("p", record.positions, v, 3);
        if (record.has(kNormal)) values("n", record.normals, v, 3);
        for (unsigned k = 0; k < record.uvSets(); ++k) values(kUvAttributes[k], record.uv[k], v, 2);
        if (record.has(kColor)) values("c", record.colors, v, 4);
        if (record.has(kBlendWeights)) {
            const bool single = record.has(kSingleBlend);
            if (!single) values("bw", record.blendWeights, v, 4);
            out.beginValue("bi");
            for (unsigned i = 0; i < (single ? 1u : 4u); ++i) out.unsignedValue(record.blendIndices[v * (single ? 1 : 4) + i]);
            out.endValue();
        }
        if (record.has(kGeneric)) values("g", record.generic, v, 1);
        out.endEmptyTag();
    }
    out.endTag(3, "Vertices");

    out.startTag(3, "Triangles");
    out.attribute("count", record.numIndices / 3);
    out.endStartTag();
    for (std::size_t t = 0; t + 2 < record.indices.size(); t += 3) {
        out.startTag(4, "t");
        out.beginValue("vi");
        for (unsigned i = 0; i < 3; ++i) out.unsignedValue(record.indices[t + i]);
        out.endValue();
        out.endEmptyTag();
    }
    out.endTag(3, "Triangles");

    out.startTag(3, "Subsets");
    out.attribute("count", std::uint32_t(record.subsets.size()));
    out.endStartTag();
    for (std::size_t s = 0; s < record.subsets.size(); ++s) {
        const TriangleSetRecord::Subset& subset = record.subsets[s];
        out.startTag(4, "Subset");
        out.attribute("firstVertex", subset.firstVertex);
        out.attribute("numVertices", subset.numVertices);
        out.attribute("firstIndex", subset.firstIndex);
        out.attribute("numIndices", subset.numIndices);
        static const char* const kDensities[] = {"uvDensity0", "uvDensity1", "uvDensity2", "uvDensity3"};
        for (unsigned k = 0; k < record.uvSets(); ++k) out.attribute(kDensities[k], subset.uvDensity[k]);
        if (!record.slotNames[s].empty()) out.attribute("materialSlotName", record.slotNames[s]);
        out.endEmptyTag();
    }
    out.endTag(3, "Subsets");
    out.endTag(2, "IndexedTriangleSet");
    return text;
}
