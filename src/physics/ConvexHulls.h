#ifndef Q5X_PHYSICS_CONVEXHULLS_H
#define Q5X_PHYSICS_CONVEXHULLS_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Convex hulls as Bullet computes them, and the geometric tests the physics data needs of them.

// Points no closer than sqrt(0.001) to one kept before them (the first of close points is kept).
std::vector<float> distinctHullPoints(const float* points, std::size_t count);

// The hull of a point set without shrinking: its vertices and its faces split into fans of
// triangles around each face's first vertex.
struct HullTriangles {
    std::vector<float> vertices;           // 3 per vertex
    std::vector<std::uint32_t> triangles;  // 3 per triangle
};
HullTriangles convexHullOf(const float* points, std::size_t count);

// Whether a triangle and a convex hull (its vertices) overlap or touch: their distance by Bullet's
// GJK is zero (faces lying on the hull's surface count as touching).
bool triangleTouchesHull(const float (&corners)[3][3], const std::vector<float>& hullVertices);

#endif
