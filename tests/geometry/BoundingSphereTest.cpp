#include "geometry/BoundingSphere.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

void expectSphere(const std::vector<float>& points, float x, float y, float z, float radius, float tolerance = 1e-5f) {
    const auto sphere = computeBoundingSphere(points.data(), points.size() / 3);
    EXPECT_NEAR(sphere->center[0], x, tolerance);
    EXPECT_NEAR(sphere->center[1], y, tolerance);
    EXPECT_NEAR(sphere->center[2], z, tolerance);
    EXPECT_NEAR(sphere->radius, radius, tolerance);
}

}  // namespace

TEST(BoundingSphere, KnownPointSets) {
    expectSphere({}, 0, 0, 0, 0);
    expectSphere({3, 4, 5}, 3, 4, 5, 0);
    expectSphere({0, 0, 0, 2, 0, 0}, 1, 0, 0, 1);
    // Regular tetrahedron with edge 2*sqrt(2): circumradius sqrt(3).
    expectSphere({1, 1, 1, 1, -1, -1, -1, 1, -1, -1, -1, 1}, 0, 0, 0, std::sqrt(3.0f));
    // Duplicates and collinear points: the two extremes decide.
    expectSphere({0, 0, 0, 0, 0, 0, 1, 1, 1, 4, 4, 4, 2, 2, 2, 4, 4, 4}, 2, 2, 2, std::sqrt(12.0f));
    // An obtuse triangle: its longest side is the diameter.
    expectSphere({-1, 0, 0, 1, 0, 0, 0, 0.1f, 0}, 0, 0, 0, 1);
    // A NaN point is ignored.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    expectSphere({0, 0, 0, nan, 0, 0, 2, 0, 0}, 1, 0, 0, 1);
}

TEST(BoundingSphere, PointsOnASphereGiveThatSphere) {
    std::mt19937 random(11);
    std::normal_distribution<float> normal;
    std::uniform_real_distribution<float> inside(0.0f, 1.0f);
    std::vector<float> points;
    for (int i = 0; i < 20000; ++i) {
        float d[3] = {normal(random), normal(random), normal(random)};
        const float length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
        // Half the points on the sphere of radius 3 around (1, 2, 3), half strictly inside.
        const float r = (i % 2) ? 3.0f : 3.0f * inside(random) * 0.99f;
        for (int c = 0; c < 3; ++c) points.push_back(float(c + 1) + r * d[c] / length);
    }
    const auto sphere = computeBoundingSphere(points.data(), points.size() / 3);
    EXPECT_NEAR(sphere->radius, 3.0f, 2e-3f);
    EXPECT_NEAR(sphere->center[0], 1.0f, 2e-3f);
    EXPECT_NEAR(sphere->center[2], 3.0f, 2e-3f);
    for (std::size_t i = 0; i < points.size(); i += 3) {
        const float dx = points[i] - sphere->center[0], dy = points[i + 1] - sphere->center[1],
                    dz = points[i + 2] - sphere->center[2];
        EXPECT_LE(std::sqrt(dx * dx + dy * dy + dz * dz), sphere->radius * (1.0f + 1e-5f));
    }
}

TEST(BoundingSphere, TransformScalesByTheLargestAxis) {
    BoundingSphere sphere({1, 0, 0}, 2);
    const float matrix[16] = {2, 0, 0, 0, 0, 3, 0, 0, 0, 0, 1, 0, 10, 20, 30, 1};
    sphere.transform(matrix);
    EXPECT_FLOAT_EQ(sphere.center[0], 12.0f);
    EXPECT_FLOAT_EQ(sphere.center[1], 20.0f);
    EXPECT_FLOAT_EQ(sphere.center[2], 30.0f);
    EXPECT_FLOAT_EQ(sphere.radius, 6.0f);
    EXPECT_TRUE(sphere.contains({12, 25, 30}));
    EXPECT_FALSE(sphere.contains({12, 27, 30}));
    sphere.reset();
    EXPECT_EQ(sphere.radius, 0.0f);
}
