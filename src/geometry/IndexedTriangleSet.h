#ifndef Q5X_GEOMETRY_INDEXEDTRIANGLESET_H
#define Q5X_GEOMETRY_INDEXEDTRIANGLESET_H

#include "MeshBuildBuffer.h"

#include <cstdint>
#include <memory>
#include <vector>

class Crc64;

// Vertex streams of a mesh. Only the streams whose format bit is set are allocated.
class TriangleSet {
public:
    TriangleSet() = default;
    virtual ~TriangleSet() = default;

    // Allocates every stream the format names for `vertexCount` vertices, zero-filled.
    void resizeVertices(std::uint32_t vertexCount, std::uint32_t format);
    // 64-bit CRC over the format and the streams.
    virtual std::uint64_t checksum() const;

    bool has(std::uint32_t formatBits) const { return (vertexFormat & formatBits) != 0; }
    // 4 indices per vertex, or 1 with kVertexSingleBlendWeight.
    unsigned blendIndicesPerVertex() const { return has(kVertexSingleBlendWeight) ? 1 : 4; }

    std::uint32_t numVertices = 0;
    std::uint32_t vertexFormat = 0;
    std::vector<float> positions;  // 3 per vertex
    std::vector<float> uv[kMaxUvSets];  // 2 per vertex
    std::vector<float> normals;  // 3 per vertex
    std::vector<float> tangents;  // 4 per vertex
    std::vector<float> colors;  // 4 per vertex
    std::vector<float> blendWeights;  // 4 per vertex
    std::vector<std::uint8_t> blendIndices;
    std::vector<float> generic;  // 1 per vertex

protected:
    void checksumStreams(Crc64& crc) const;
};

// A run of triangles that share one material.
struct IndexedTriangleSubset {
    std::uint32_t firstVertex = 0;
    std::uint32_t numVertices = 0;
    std::uint32_t firstIndex = 0;
    std::uint32_t numIndices = 0;
    float uvDensity[kMaxUvSets] = {0, 0, 0, 0};
};

// Meshes of up to this many vertices use 16-bit indices.
constexpr std::uint32_t kMaxVerticesFor16BitIndices = 65536;

// The exporter's mesh: vertex streams, an index buffer and one subset per material.
class IndexedTriangleSet : public TriangleSet {
public:
    // Usage bits.
    static constexpr std::uint32_t kUsageSplittable = 0x10;
    static constexpr std::uint32_t kUsageCpuMesh = 0x100;
    static constexpr std::uint32_t kUsageSecondary = 0x200;

    // Allocates the index buffer; its width follows numVertices, so size the vertices first.
    void resizeIndices(std::uint32_t indexCount);
    bool uses32BitIndices() const { return numVertices > kMaxVerticesFor16BitIndices; }
    std::uint32_t index(std::uint32_t i) const { return uses32BitIndices() ? indices32[i] : indices16[i]; }
    void setIndex(std::uint32_t i, std::uint32_t vertex);

    // The stream checksum extended by the indices and the subsets.
    std::uint64_t checksum() const override;
    // A deep copy; usage and compression range are not copied.
    virtual std::unique_ptr<IndexedTriangleSet> clone() const;

    std::uint32_t numIndices = 0;
    std::vector<std::uint16_t> indices16;  // used while numVertices <= 65536
    std::vector<std::uint32_t> indices32;  // used above
    std::vector<IndexedTriangleSubset> subsets;
    bool isOptimized = false;
    bool noBindPose = false;
    std::uint32_t meshUsage = 0;
    float vertexCompressionRange = 0.0f;
};

#endif
