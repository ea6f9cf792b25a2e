#ifndef Q5XCHECK_TRIANGLESETRECORD_H
#define Q5XCHECK_TRIANGLESETRECORD_H

#include "ByteReader.h"
#include "Report.h"

#include <cstdint>
#include <string>
#include <vector>

// The content of a kind-1 record of a companion shapes file: one indexed triangle set.
struct TriangleSetRecord {
    struct Subset {
        std::uint32_t firstVertex, numVertices, firstIndex, numIndices;
        float uvDensity[4];
    };

    std::string name;
    std::uint32_t shapeId = 0;
    float center[3] = {0, 0, 0};
    float radius = 0;
    std::uint32_t numIndices = 0;
    std::uint32_t numVertices = 0;
    std::uint32_t vertexFormat = 0;
    std::uint32_t meshUsage = 0;
    bool noBindPose = false;
    float vertexCompressionRange = 0;
    std::vector<Subset> subsets;
    std::vector<std::string> slotNames;  // one per subset, empty when none
    std::vector<std::uint32_t> indices;
    std::vector<float> positions, normals, tangents, uv[4], colors, blendWeights, generic;
    std::vector<std::uint8_t> blendIndices;
    // Collision records: kind and payload (pointing into the file's bytes).
    struct Collision {
        std::uint32_t kind;
        const std::uint8_t* bytes;
        std::uint32_t size;
        std::size_t offset;
    };
    std::vector<Collision> collisions;

    unsigned uvSets() const;
    // One more than the highest blend index (0 without blend indices): how many entries the
    // shape's bind list must have.
    std::uint32_t blendIndexSpan() const;
    bool has(std::uint32_t bits) const { return (vertexFormat & bits) != 0; }
};

// Reads one kind-1 payload (name, shape id, bounding sphere, set, collision records); false (with
// an error naming the byte offset) when the bytes do not hold what the counts claim.
bool readTriangleSetRecord(ByteReader& in, const std::string& file, Report& report, TriangleSetRecord& record);
// The parts other record kinds share: the padded name, and the set from its header to its streams.
bool readPaddedName(ByteReader& in, std::string& name);
bool readTriangleSetBody(ByteReader& in, const std::string& file, Report& report, TriangleSetRecord& record);
// Checks what ties the set together: indices, subsets that partition the index buffer, finite
// numbers (streams and header), known vertex-format bits, unit normals, blend weights that add up
// to 1, the bounding sphere.
void checkTriangleSet(const TriangleSetRecord& record, const std::string& file, const std::string& place, Report& report);
// The set as the exporter's XML element (what the Shapes section holds without binary files).
std::string triangleSetXml(const TriangleSetRecord& record, bool isAttachment = false);

#endif
