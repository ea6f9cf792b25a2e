#include "BoundingSphere.h"

#include "SmallestEnclosingSphere.h"

#include <algorithm>
#include <cmath>

namespace {

void transformPoint(const float* m, const float (&p)[3], float (&out)[3]) {
    for (int c = 0; c < 3; ++c) out[c] = p[0] * m[c] + p[1] * m[4 + c] + p[2] * m[8 + c] + m[12 + c];
}

float largestAxisScale(const float* m) {
    float largest = 0.0f;
    for (int row = 0; row < 3; ++row) {
        const float* axis = m + 4 * row;
        largest = std::max(largest, std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]));
    }
    return largest;
}

float distance(const float (&a)[3], const float (&b)[3]) {
    const float dx = a[0] - b[0], dy = a[1] - b[1], dz = a[2] - b[2];
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

}  // namespace

BoundingSphere::BoundingSphere(const float (&sphereCenter)[3], float sphereRadius) : BoundingVolume(kSphere) {
    std::copy(sphereCenter, sphereCenter + 3, center);
    radius = sphereRadius;
}

void BoundingSphere::reset() {
    std::fill(center, center + 3, 0.0f);
    radius = 0.0f;
}

bool BoundingSphere::contains(const float (&point)[3]) const {
    return distance(center, point) <= radius;
}

void BoundingSphere::transform(const float* matrix) {
    float moved[3];
    transformPoint(matrix, center, moved);
    std::copy(moved, moved + 3, center);
    radius *= largestAxisScale(matrix);
}

std::unique_ptr<BoundingSphere> BoundingSphere::clone() const {
    return std::make_unique<BoundingSphere>(center, radius);
}

std::unique_ptr<BoundingSphere> computeBoundingSphere(const float* points, std::size_t count) {
    const EnclosingSphere sphere = smallestEnclosingSphere(points, count);
    return std::make_unique<BoundingSphere>(sphere.center, sphere.radius);
}
