#ifndef Q5X_GEOMETRY_SMALLESTENCLOSINGSPHERE_H
#define Q5X_GEOMETRY_SMALLESTENCLOSINGSPHERE_H

#include <cstddef>

struct EnclosingSphere {
    float center[3];
    float radius;
};

// The exact smallest sphere enclosing `count` points (x, y, z triples), in single precision, in
// expected linear time. Empty input gives centre 0 and radius 0; NaN points are ignored.
EnclosingSphere smallestEnclosingSphere(const float* points, std::size_t count);

#endif
