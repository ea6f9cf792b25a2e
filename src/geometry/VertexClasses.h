#ifndef Q5X_GEOMETRY_VERTEXCLASSES_H
#define Q5X_GEOMETRY_VERTEXCLASSES_H

#include "MeshBuildBuffer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Corners whose records are the same bits in everything but the tangent direction: one Maya
// vertex as each of its faces sees it. Welding settles a class as a whole wherever nothing else at
// its position could weld with it, which is most of a mesh.
struct VertexClass {
    std::uint32_t first;  // its first corner in buffer order
    std::uint32_t corners;
    bool tangentsAgree;  // no corner's tangent points more than 90 degrees away from the first's
    float firstTangent[3];
    double tangentSum[3];  // over its corners in buffer order
};

// Whether two records are the same bits in everything but position and tangent direction.
bool sameAttributeBits(const BuildVertex& a, const BuildVertex& b);

// Numbers the classes in the order of their first corners.
class VertexClasses {
public:
    VertexClasses(const std::vector<BuildVertex>& vertices, std::size_t expectedClasses);

    // Replaces every entry of `classOf` but the `unused` ones by its vertex's class, created when
    // the vertex is the first of it.
    void classify(std::vector<std::uint32_t>& classOf, std::uint32_t unused);
    const std::vector<VertexClass>& classes() const { return classes_; }

private:
    std::uint32_t add(std::uint32_t vertex, std::uint64_t hash);
    std::size_t findSlot(std::uint64_t hash, const BuildVertex& vertex) const;
    void grow();

    const std::vector<BuildVertex>& vertices_;
    std::vector<std::uint64_t> slots_;
    std::size_t mask_;
    std::vector<VertexClass> classes_;
    std::vector<std::uint64_t> hashes_;  // of each class, for growing the table
};

// Finds corners whose records are the same values to the last bit (a -0 counting as 0), tangent
// included, as they are appended: such corners are one vertex whatever welding decides, so a mesh
// read without tangents keeps one record per distinct corner instead of one per triangle corner.
class IdenticalRecords {
public:
    explicit IdenticalRecords(const std::vector<BuildVertex>& vertices)
        : vertices_(vertices), slots_(16, kEmptyRecordSlot), hashes_(16), mask_(15) {}

    // The first vertex whose record is the same as `vertex`'s: `vertex` itself when it is new.
    std::uint32_t find(std::uint32_t vertex);

private:
    void grow();

    static constexpr std::uint32_t kEmptyRecordSlot = ~0u;

    const std::vector<BuildVertex>& vertices_;
    // Per slot the vertex and its record's hash, kept so that growing the table hashes nothing again.
    std::vector<std::uint32_t> slots_;
    std::vector<std::uint64_t> hashes_;
    std::size_t mask_;
    std::size_t used_ = 0;
};

#endif
