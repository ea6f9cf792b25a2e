#ifndef Q5X_GEOMETRY_MESHBUILDBUFFER_H
#define Q5X_GEOMETRY_MESHBUILDBUFFER_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Per-vertex attributes a triangle set carries. The same bits appear in the shapes file.
enum VertexFormatBits : std::uint32_t {
    kVertexNormal = 0x1,
    kVertexUv0 = 0x2,
    kVertexUv1 = 0x4,
    kVertexUv2 = 0x8,
    kVertexUv3 = 0x10,
    kVertexColor = 0x20,
    kVertexBlendWeights = 0x40,
    kVertexTangent = 0x80,
    kVertexSingleBlendWeight = 0x100,
    kVertexGeneric = 0x200,
};

constexpr unsigned kMaxUvSets = 4;

inline std::uint32_t uvSetBit(unsigned uvSet) {
    return kVertexUv0 << uvSet;
}

// One triangle corner as mesh extraction produces it. Unused attributes stay zero.
struct BuildVertex {
    float position[3];
    float uv[kMaxUvSets][2];
    float normal[3];
    float color[4];
    float tangent[4];  // x, y, z and handedness w
    float blendWeights[4];
    std::uint8_t blendIndices[4];
    float generic;
};

struct BuildTriangle {
    std::uint32_t indices[3];
    std::uint32_t material;
    std::uint8_t valid;
};

// Valid, with every index inside the buffer: the triangles welding and set creation keep.
inline bool isUsable(const BuildTriangle& triangle, std::size_t vertexCount) {
    return triangle.valid && triangle.indices[0] < vertexCount && triangle.indices[1] < vertexCount &&
           triangle.indices[2] < vertexCount;
}

// The triangle soup of one shape: one vertex per corner until weldVertices merges them.
struct MeshBuildBuffer {
    std::vector<BuildVertex> vertices;
    std::vector<BuildTriangle> triangles;
    std::uint32_t vertexFormat = 0;
    // Every record differs from every other (extraction kept repeated corners once): welding then
    // expects as many classes as records.
    bool distinctRecords = false;
};

#endif
