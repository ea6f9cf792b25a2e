#include "ShapeWriter.h"

#include "saveutil/LittleEndianBytes.h"

#include <maya/MGlobal.h>

using Q5XSaveUtil::XmlWriter;

namespace {

constexpr std::uint64_t kConsoleShapeLimit = 14680064;  // 14336 KB
constexpr std::uint32_t kNoBindPoseFlag = 0x80000000u;

unsigned uvSetCount(const TriangleSet& set) {
    unsigned count = 0;
    while (count < kMaxUvSets && set.has(uvSetBit(count))) ++count;
    return count;
}

void writeVertexAttributes(const IndexedTriangleSet& set, std::uint32_t v, XmlWriter& out) {
    auto values = [&](const char* name, const std::vector<float>& stream, unsigned width) {
        out.beginValue(name);
        for (unsigned i = 0; i < width; ++i) out.streamValue(stream[std::size_t(v) * width + i]);
        out.endValue();
    };
    static const char* const kUv[] = {"t0", "t1", "t2", "t3"};
    values("p", set.positions, 3);
    if (set.has(kVertexNormal)) values("n", set.normals, 3);
    for (unsigned k = 0; k < uvSetCount(set); ++k) values(kUv[k], set.uv[k], 2);
    if (set.has(kVertexColor)) values("c", set.colors, 4);
    if (set.has(kVertexBlendWeights)) {
        const unsigned perVertex = set.blendIndicesPerVertex();
        if (perVertex == 4) values("bw", set.blendWeights, 4);
        out.beginValue("bi");
        for (unsigned i = 0; i < perVertex; ++i) out.unsignedValue(set.blendIndices[std::size_t(v) * perVertex + i]);
        out.endValue();
    }
    if (set.has(kVertexGeneric)) values("g", set.generic, 1);
}

}  // namespace

void writeIndexedTriangleSetXml(const IndexedTriangleSet& set, const std::string& xmlName, std::uint32_t shapeId,
                                const BoundingSphere& sphere, bool isAttachment,
                                const std::vector<std::string>& slotNames, XmlWriter& out) {
    out.startTag(2, "IndexedTriangleSet");
    out.attribute("name", xmlName);
    out.attribute("shapeId", shapeId);
    out.attribute("meshUsage", set.meshUsage);
    if (sphere.radius != 0.0f) {
        out.beginValue("bvCenter");
        for (const float c : sphere.center) out.streamValue(c);
        out.endValue();
        out.attribute("bvRadius", sphere.radius);
    }
    if (set.vertexCompressionRange != 0.0f) out.attribute("vertexCompressionRange", set.vertexCompressionRange);
    if (set.isOptimized) out.attribute("isOptimized", true);
    if (set.noBindPose) out.attribute("noBindPose", true);
    if (isAttachment) out.attribute("isAttachment", true);
    out.endStartTag();

    out.startTag(3, "Vertices");
    out.attribute("count", set.numVertices);
    static const char* const kUvFlags[] = {"uv0", "uv1", "uv2", "uv3"};
    if (set.has(kVertexNormal)) out.attribute("normal", true);
    for (unsigned k = 0; k < uvSetCount(set); ++k) out.attribute(kUvFlags[k], true);
    if (set.has(kVertexColor)) out.attribute("color", true);
    if (set.has(kVertexBlendWeights)) out.attribute(set.has(kVertexSingleBlendWeight) ? "singleblendweights" : "blendweights", true);
    if (set.has(kVertexTangent)) out.attribute("tangent", true);
    if (set.has(kVertexGeneric)) out.attribute("generic", true);
    out.endStartTag();
    for (std::uint32_t v = 0; v < set.numVertices; ++v) {
        out.startTag(4, "v");
        writeVertexAttributes(set, v, out);
        out.endEmptyTag();
    }
    out.endTag(3, "Vertices");

    out.startTag(3, "Triangles");
    out.attribute("count", set.numIndices / 3);
    out.endStartTag();
    for (std::uint32_t i = 0; i + 2 < set.numIndices; i += 3) {
        out.startTag(4, "t");
        out.beginValue("vi");
        for (std::uint32_t k = 0; k < 3; ++k) out.unsignedValue(set.index(i + k));
        out.endValue();
        out.endEmptyTag();
    }
    out.endTag(3, "Triangles");

    out.startTag(3, "Subsets");
    out.attribute("count", std::uint32_t(set.subsets.size()));
    out.endStartTag();
    static const char* const kDensities[] = {"uvDensity0", "uvDensity1", "uvDensity2", "uvDensity3"};
    for (std::size_t s = 0; s < set.subsets.size(); ++s) {
        const IndexedTriangleSubset& subset = set.subsets[s];
        out.startTag(4, "Subset");
        out.attribute("firstVertex", subset.firstVertex);
        out.attribute("numVertices", subset.numVertices);
        out.attribute("firstIndex", subset.firstIndex);
        out.attribute("numIndices", subset.numIndices);
        for (unsigned k = 0; k < uvSetCount(set); ++k) out.attribute(kDensities[k], subset.uvDensity[k]);
        if (s < slotNames.size() && !slotNames[s].empty()) out.attribute("materialSlotName", slotNames[s]);
        out.endEmptyTag();
    }
    out.endTag(3, "Subsets");
}

void appendTriangleSetBody(const IndexedTriangleSet& set, const std::vector<std::string>& slotNames, Q5XSaveUtil::LittleEndianBytes& out) {
    out.u32(set.numIndices);
    out.u32(std::uint32_t(set.subsets.size()));
    out.u32(set.numVertices);
    out.u32(set.vertexFormat | (set.meshUsage << 16) | (set.noBindPose ? kNoBindPoseFlag : 0u));
    out.f32(set.vertexCompressionRange);
    const std::size_t tableStart = out.size();
    const unsigned uvSets = uvSetCount(set);
    for (const IndexedTriangleSubset& subset : set.subsets) {
        out.u32(subset.firstVertex), out.u32(subset.numVertices), out.u32(subset.firstIndex), out.u32(subset.numIndices);
        for (unsigned k = 0; k < uvSets; ++k) out.f32(subset.uvDensity[k]);
    }
    for (std::size_t s = 0; s < set.subsets.size(); ++s) {
        const std::string slot = s < slotNames.size() ? slotNames[s] : std::string();
        out.u16(std::uint16_t(slot.size()));
        out.text(slot);
        if (slot.size() % 2) out.text(std::string(1, '\0'));
    }
    out.pad(tableStart, 4);
    if (set.uses32BitIndices()) {
        for (std::uint32_t i = 0; i < set.numIndices; ++i) out.u32(set.index(i));
    } else {
        for (std::uint32_t i = 0; i < set.numIndices; ++i) out.u16(std::uint16_t(set.index(i)));
        if (set.numIndices % 2) out.u16(0);
    }
    out.floats(set.positions);
    if (set.has(kVertexNormal)) out.floats(set.normals);
    if (set.has(kVertexTangent)) out.floats(set.tangents);
    for (unsigned k = 0; k < uvSets; ++k) out.floats(set.uv[k]);
    if (set.has(kVertexColor)) out.floats(set.colors);
    if (set.has(kVertexBlendWeights)) {
        if (!set.has(kVertexSingleBlendWeight)) out.floats(set.blendWeights);
        out.raw(set.blendIndices.data(), set.blendIndices.size());
    }
    if (set.has(kVertexGeneric)) out.floats(set.generic);
}

bool serializeShapeRecord(const std::string& xmlName, std::uint32_t shapeId, const BoundingSphere& sphere,
                          const IndexedTriangleSet& set, const std::vector<std::string>& slotNames,
                          const std::vector<CollisionEntry>& collisions, CompanionRecord& record, std::string& error) {
    if (xmlName.size() > 0xFFFFFFF0u || set.subsets.size() > 0xFFFFFFFFu) {
        error = "its name or subset count does not fit the record";
        return false;
    }
    for (std::size_t s = 0; s < set.subsets.size() && s < slotNames.size(); ++s) {
        if (slotNames[s].size() > 0xFFFF) {
            error = "material slot name " + slotNames[s].substr(0, 64) + "... is longer than 65535 bytes";
            return false;
        }
    }
    record.kind = kCompanionRecordTriangleSet;
    record.bytes.clear();
    record.bytes.reserve(xmlName.size() + 64 + set.subsets.size() * 64 + std::size_t(set.numIndices) * 4 +
                         std::size_t(set.numVertices) * 4 * 32);
    Q5XSaveUtil::LittleEndianBytes out(record.bytes);
    out.u32(std::uint32_t(xmlName.size()));
    out.text(xmlName);
    out.pad(0, 4);
    out.u32(shapeId);
    for (const float c : sphere.center) out.f32(c);
    out.f32(sphere.radius);
    appendTriangleSetBody(set, slotNames, out);
    out.u32(std::uint32_t(collisions.size()));
    for (const CollisionEntry& collision : collisions) {
        out.u32(collision.kind);
        out.u32(std::uint32_t(collision.bytes.size()));
        out.raw(collision.bytes.data(), collision.bytes.size());
    }
    if (record.bytes.size() > 0xFFFFFFFFu) {
        error = "its record of " + std::to_string(record.bytes.size()) + " bytes is larger than a shapes file can hold";
        std::vector<std::uint8_t>().swap(record.bytes);
        return false;
    }
    return true;
}

void checkConsoleShapeSize(const std::string& xmlName, std::uint64_t byteCount) {
    if (byteCount <= kConsoleShapeLimit) return;
    // Built as a string: however long the name, nothing is cut or overrun.
    const std::string text = "Shape from '" + xmlName + "' too big (" + std::to_string(byteCount / 1024) +
                             " KB). Maximum supported size on Consoles is " + std::to_string(kConsoleShapeLimit / 1024) + " KB.";
    MGlobal::displayWarning(MString(text.c_str()));
}
