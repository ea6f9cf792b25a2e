#ifndef Q5X_GEOMETRY_COLLISIONCOOKING_H
#define Q5X_GEOMETRY_COLLISIONCOOKING_H

#include "IndexedTriangleSet.h"

#include <cstdint>
#include <vector>

namespace SerializationHelper {

// Turns a shape's triangles into the collision data the engine loads as it is: a cooked triangle
// mesh (static geometry) or a cooked convex hull (bodies that move). Each returns false when it
// refuses or fails, and otherwise the blob, padded with zeros to a multiple of 4 bytes.
class CookingInterface {
public:
    virtual ~CookingInterface() = default;
    virtual bool cookTriangleMesh(const IndexedTriangleSet& mesh, std::vector<std::uint8_t>& blob) = 0;
    virtual bool cookConvexHull(const IndexedTriangleSet& mesh, std::vector<std::uint8_t>& blob) = 0;
};

}  // namespace SerializationHelper

// The kinds of a shape's collision entries.
enum CollisionKind : std::uint32_t { kCollisionTriangleMesh = 1, kCollisionConvexHull = 2 };

#endif
