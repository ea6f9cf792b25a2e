#ifndef Q5X_GEOMETRY_BOUNDINGSPHERE_H
#define Q5X_GEOMETRY_BOUNDINGSPHERE_H

#include <cstddef>
#include <memory>

// A bounding volume of a shape; type code 0 is the sphere.
class BoundingVolume {
public:
    enum Type { kSphere = 0 };
    explicit BoundingVolume(Type type) : type_(type) {}
    virtual ~BoundingVolume() = default;
    Type type() const { return type_; }

private:
    Type type_;
};

class BoundingSphere : public BoundingVolume {
public:
    BoundingSphere() : BoundingVolume(kSphere) {}
    BoundingSphere(const float (&center)[3], float radius);

    void reset();
    bool contains(const float (&point)[3]) const;
    // Row-vector 4x4 matrix: the centre is transformed, the radius scaled by the largest axis scale.
    void transform(const float* matrix);
    std::unique_ptr<BoundingSphere> clone() const;

    float center[3] = {0.0f, 0.0f, 0.0f};
    float radius = 0.0f;
};

// The smallest sphere enclosing `count` points (x, y, z triples). Empty input gives centre 0 and
// radius 0. Points with NaN coordinates are ignored. The caller owns the result.
std::unique_ptr<BoundingSphere> computeBoundingSphere(const float* points, std::size_t count);

#endif
