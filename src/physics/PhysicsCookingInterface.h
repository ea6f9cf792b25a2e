#ifndef Q5X_PHYSICS_PHYSICSCOOKINGINTERFACE_H
#define Q5X_PHYSICS_PHYSICSCOOKINGINTERFACE_H

#include "geometry/CollisionCooking.h"

#include <array>
#include <vector>

namespace Q5XSaveUtil {

// Collision data cooked with Bullet. A triangle mesh is welded, given a quantized BVH and an edge
// map, and stored with both (magic 224628); a convex hull is stored with its points (shrunk by the
// collision margin), volume, centre of mass and inertia (magic 290147). Meshes Bullet cannot hold
// are refused before Bullet sees them: no position may be NaN, infinite or beyond
// kMaxCookedCoordinate, a triangle mesh may have at most 65536 vertices and kMaxCookedTriangles
// triangles.
class PhysicsCookingInterface : public SerializationHelper::CookingInterface {
public:
    bool cookTriangleMesh(const IndexedTriangleSet& mesh, std::vector<std::uint8_t>& blob) override;
    bool cookConvexHull(const IndexedTriangleSet& mesh, std::vector<std::uint8_t>& blob) override;
};

// A quantized BVH spans its mesh's box in 16-bit steps, and the edge analysis squares lengths in
// single precision: coordinates beyond this leave no precision for either.
constexpr float kMaxCookedCoordinate = 1e15f;
// The BVH numbers triangles in 21 bits (its subpart takes the rest).
constexpr std::uint32_t kMaxCookedTriangles = (1u << 21) - 1;

// Mass properties of a closed convex polyhedron of unit density, from its faces (each a fan of
// triangles around its first corner): volume, centre of mass, and the inertia tensor about the
// centre of mass per unit of mass, row by row.
struct HullMass {
    double volume = 0.0;
    double center[3] = {0.0, 0.0, 0.0};
    double inertia[9] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
};
HullMass hullMass(const std::vector<std::vector<std::array<double, 3>>>& faces);

}  // namespace Q5XSaveUtil

#endif
