#include "geometry/BoundingSphere.h"

#include <gtest/gtest.h>

#include <algorithm>
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


struct Ball {
    double center[3];
    double radius;
};

// The smallest sphere through the given 1 to 4 points (its centre in their affine hull), by
// solving for the centre c = p0 + sum of t_j (p_j - p0) with |c - p_j| = |c - p0|.
bool circumsphere(const std::vector<const float*>& support, Ball& ball) {
    const std::size_t k = support.size() - 1;
    double edge[3][3], gram[3][4];
    for (std::size_t j = 0; j < k; ++j) {
        for (int c = 0; c < 3; ++c) edge[j][c] = double(support[j + 1][c]) - support[0][c];
    }
    for (std::size_t i = 0; i < k; ++i) {
        for (std::size_t j = 0; j < k; ++j) gram[i][j] = 2 * (edge[i][0] * edge[j][0] + edge[i][1] * edge[j][1] + edge[i][2] * edge[j][2]);
        gram[i][k] = edge[i][0] * edge[i][0] + edge[i][1] * edge[i][1] + edge[i][2] * edge[i][2];
    }
    for (std::size_t col = 0; col < k; ++col) {  // Gauss-Jordan with partial pivoting
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < k; ++r) {
            if (std::fabs(gram[r][col]) > std::fabs(gram[pivot][col])) pivot = r;
        }
        if (std::fabs(gram[pivot][col]) < 1e-9) return false;
        std::swap(gram[pivot], gram[col]);
        for (std::size_t r = 0; r < k; ++r) {
            if (r == col) continue;
            const double factor = gram[r][col] / gram[col][col];
            for (std::size_t c = col; c <= k; ++c) gram[r][c] -= factor * gram[col][c];
        }
    }
    for (int c = 0; c < 3; ++c) ball.center[c] = support[0][c];
    for (std::size_t j = 0; j < k; ++j) {
        const double t = gram[j][k] / gram[j][j];
        for (int c = 0; c < 3; ++c) ball.center[c] += t * edge[j][c];
    }
    ball.radius = 0;
    for (const float* p : support) {
        const double dx = p[0] - ball.center[0], dy = p[1] - ball.center[1], dz = p[2] - ball.center[2];
        ball.radius = std::max(ball.radius, std::sqrt(dx * dx + dy * dy + dz * dz));
    }
    return true;
}

// The exact answer by brute force: the smallest circumsphere of 1 to 4 points that holds them all.
double smallestRadiusByBruteForce(const std::vector<float>& points) {
    const std::size_t n = points.size() / 3;
    double best = 1e30;
    for (unsigned mask = 1; mask < (1u << n); ++mask) {
        std::vector<const float*> support;
        for (std::size_t i = 0; i < n; ++i) {
            if (mask & (1u << i)) support.push_back(&points[3 * i]);
        }
        Ball ball;
        if (support.size() > 4 || !circumsphere(support, ball) || ball.radius >= best) continue;
        bool holdsAll = true;
        for (std::size_t i = 0; i < n && holdsAll; ++i) {
            const double dx = points[3 * i] - ball.center[0], dy = points[3 * i + 1] - ball.center[1],
                         dz = points[3 * i + 2] - ball.center[2];
            holdsAll = std::sqrt(dx * dx + dy * dy + dz * dz) <= ball.radius * (1 + 1e-9) + 1e-9;
        }
        if (holdsAll) best = ball.radius;
    }
    return best;
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

TEST(BoundingSphere, SmallSetsMatchTheBruteForceAnswer) {
    // Random sets of 2 to 9 points, half of them on a small integer grid, where coplanar,
    // cocircular and duplicated points are common.
    std::mt19937 random(17);
    std::uniform_real_distribution<float> coordinate(-5.0f, 5.0f);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<float> points(3 * (2 + trial % 8));
        for (float& p : points) p = (trial % 2) ? float(int(random() % 3)) : coordinate(random);
        const double expected = smallestRadiusByBruteForce(points);
        const auto sphere = computeBoundingSphere(points.data(), points.size() / 3);
        ASSERT_NEAR(sphere->radius, expected, 1e-4 * (1 + expected)) << "trial " << trial;
    }
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
