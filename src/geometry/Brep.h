#ifndef Q5X_GEOMETRY_BREP_H
#define Q5X_GEOMETRY_BREP_H

#include "IndexedTriangleSet.h"

#include <cstdint>
#include <memory>
#include <vector>

// A closed shape's half-edge mesh: vertices welded by exact position, corner attributes (normal and
// UV) shared around a vertex where they are equal, faces with their opposite half-edges, bounds
// and connected regions. Half-edge h is corner slot h % 4 (1 to 3) of face h / 4, so no half-edge
// number is a multiple of 4.
class Brep {
public:
    static constexpr std::uint16_t kNone16 = 65535;
    static constexpr std::uint32_t kNone32 = 0xFFFFFFFFu;
    static constexpr std::uint16_t kNoRegion = 16383;
    static constexpr std::uint16_t kRemoved = 0x4000;

    struct Vertex {
        float position[3];
        std::uint16_t record;
    };
    struct VertexRecord {
        std::uint16_t vertex;
        std::uint16_t link;
        std::uint32_t outgoing;  // a half-edge starting at the vertex
        std::uint16_t source;    // the input vertex it was made from
    };
    struct CornerAttribute {
        float values[5];  // normal x, y, z, then u, v of UV set 0
        std::uint16_t useCount;
    };
    struct Corner {
        std::uint16_t start;      // vertex
        std::uint16_t attribute;  // corner attribute, kNone16 without
        std::uint32_t opposite;   // half-edge, kNone32 on an open boundary
    };
    struct Face {
        std::uint16_t state;  // region number (bits 0 to 13), removed (bit 14)
        std::uint16_t tag;
        std::uint32_t hullMask;
        Corner corners[3];
    };
    struct FaceBounds {
        float halfExtents[3];
        float center[3];
    };
    // Input triangles: vertex and corner-attribute numbers of the three corners, tag and mask.
    struct Triangle {
        std::uint16_t vertices[3];
        std::uint16_t attributes[3];
        std::uint16_t tag;
        std::uint32_t hullMask;
    };

    // `attributes` holds five floats per corner attribute; none (empty) for a Brep without them.
    // A non-manifold input, or one of more than 65535 distinct positions, is logged and leaves the
    // Brep without faces.
    Brep(std::uint32_t vertexCount, const float* positions, const std::vector<float>& attributes,
         const std::vector<Triangle>& triangles);
    virtual ~Brep() = default;

    // The render mesh's Brep, with its normals and UV set 0 as corner attributes; none for a set of
    // more than 65535 vertices (the vertex numbers are 16-bit and 65535 means "none") or a
    // result without faces.
    static std::unique_ptr<Brep> fromTriangleSet(const IndexedTriangleSet& set);

    bool isClosed() const;
    const std::vector<Vertex>& vertices() const { return vertices_; }
    const std::vector<VertexRecord>& vertexRecords() const { return records_; }
    const std::vector<CornerAttribute>& cornerAttributes() const { return attributes_; }
    const std::vector<Face>& faces() const { return faces_; }
    std::vector<Face>& faces() { return faces_; }
    const std::vector<FaceBounds>& faceBounds() const { return bounds_; }
    std::uint32_t regionCount() const { return regionCount_; }

    static std::uint32_t halfEdge(std::size_t face, int corner) { return std::uint32_t(4 * face + std::size_t(corner) + 1); }

private:
    bool buildFaces(const std::vector<Triangle>& triangles);
    void recordOutgoingHalfEdges();
    void shareCornerAttributes();
    void compact();
    void labelRegions();
    Corner& cornerOf(std::uint32_t halfEdge) { return faces_[halfEdge / 4].corners[halfEdge % 4 - 1]; }

    std::vector<Vertex> vertices_;
    std::vector<VertexRecord> records_;
    std::vector<CornerAttribute> attributes_;
    std::vector<Face> faces_;
    std::vector<FaceBounds> bounds_;
    std::uint32_t regionCount_ = 0;
};

// The bucket of a position in the 500-bucket weld hash: each coordinate times 100, rounded half up
// and truncated to a 32-bit integer (coordinates beyond that range, and NaN, to a fixed value),
// mixed by three large primes.
std::uint32_t brepPositionBucket(const float (&position)[3]);

#endif
