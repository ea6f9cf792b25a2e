#include <maya/MEulerRotation.h>
#include <maya/MMatrix.h>
#include <maya/MQuaternion.h>
#include <maya/MTransformationMatrix.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>

TEST(Rotation, EveryOrderRoundTripsThroughMatricesAndQuaternions) {
    std::mt19937 random(9);
    std::uniform_real_distribution<double> angle(-1.5, 1.5);
    for (int order = MEulerRotation::kXYZ; order <= MEulerRotation::kZYX; ++order) {
        for (int trial = 0; trial < 50; ++trial) {
            const MEulerRotation rotation(angle(random), angle(random), angle(random),
                                          static_cast<MEulerRotation::RotationOrder>(order));
            const MMatrix matrix = rotation.asMatrix();
            EXPECT_TRUE(MEulerRotation::decompose(matrix, rotation.order).asMatrix().isEquivalent(matrix, 1e-9));
            EXPECT_TRUE(rotation.asQuaternion().asMatrix().isEquivalent(matrix, 1e-9));
            MQuaternion fromMatrix;
            fromMatrix = matrix;
            EXPECT_TRUE(fromMatrix.isEquivalent(rotation.asQuaternion(), 1e-9));
            MEulerRotation reordered = rotation;
            reordered.reorderIt(MEulerRotation::kZXY);
            EXPECT_EQ(reordered.order, MEulerRotation::kZXY);
            EXPECT_TRUE(reordered.asMatrix().isEquivalent(matrix, 1e-9));
        }
    }
    // Gimbal lock: y at 90 degrees still gives the same orientation back.
    const MEulerRotation locked(0.3, M_PI / 2, 0.2);
    EXPECT_TRUE(MEulerRotation::decompose(locked.asMatrix(), MEulerRotation::kXYZ).asMatrix().isEquivalent(locked.asMatrix(), 1e-9));
}

// An Euler rotation's matrix is the product of its three axis rotations as 4x4 matrices, bit for
// bit (zeros' signs included): exported angles come from it, and must not move with how it is
// worked out.
TEST(Rotation, EulerMatricesHaveTheBitsOfTheirAxisRotationsMultiplied) {
    const int axes[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}, {0, 2, 1}, {1, 0, 2}, {2, 1, 0}};
    auto axisMatrix = [](int axis, double angle) {
        MMatrix m;
        const int a = (axis + 1) % 3, b = (axis + 2) % 3;
        m[a][a] = std::cos(angle);
        m[a][b] = std::sin(angle);
        m[b][a] = -std::sin(angle);
        m[b][b] = std::cos(angle);
        return m;
    };
    auto sameBits = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    std::mt19937 random(3);
    std::uniform_real_distribution<double> angle(-10.0, 10.0);
    const double special[] = {0.0, -0.0, M_PI, -M_PI, M_PI / 2, -M_PI / 2, 1e-300};
    for (int trial = 0; trial < 3000; ++trial) {
        double angles[3];
        for (double& a : angles) a = random() % 3 == 0 ? special[random() % 7] : angle(random);
        for (int order = 0; order < 6; ++order) {
            const MEulerRotation rotation(angles[0], angles[1], angles[2], static_cast<MEulerRotation::RotationOrder>(order));
            const int* axis = axes[order];
            const MMatrix product = axisMatrix(axis[0], angles[axis[0]]) * axisMatrix(axis[1], angles[axis[1]]) *
                                    axisMatrix(axis[2], angles[axis[2]]);
            const MMatrix matrix = rotation.asMatrix();
            for (int r = 0; r < 4; ++r) {
                for (int c = 0; c < 4; ++c) ASSERT_TRUE(sameBits(matrix[r][c], product[r][c])) << trial << " " << r << c;
            }
            for (int to = 0; to < 6; ++to) {
                const auto target = static_cast<MEulerRotation::RotationOrder>(to);
                const MEulerRotation reordered = rotation.reorder(target);
                const MEulerRotation decomposed = MEulerRotation::decompose(product, target);
                ASSERT_TRUE(sameBits(reordered.x, decomposed.x) && sameBits(reordered.y, decomposed.y) &&
                            sameBits(reordered.z, decomposed.z));
            }
        }
    }
}

TEST(Rotation, TransformationMatricesSplitIntoTheirComponents) {
    MTransformationMatrix built;
    built.setTranslation(MVector(1, 2, 3), MSpace::kTransform);
    built.rotateTo(MEulerRotation(0.1, 0.2, 0.3));
    const double scale[3] = {2, 3, -4};
    built.setScale(scale, MSpace::kTransform);
    const double shear[3] = {0.5, 0, 0.25};
    built.setShear(shear, MSpace::kTransform);
    const MTransformationMatrix split(built.asMatrix());
    EXPECT_TRUE(split.asMatrix().isEquivalent(built.asMatrix(), 1e-9));
    double splitScale[3];
    split.getScale(splitScale, MSpace::kTransform);
    EXPECT_NEAR(splitScale[0], 2, 1e-9);
    EXPECT_NEAR(std::fabs(splitScale[2]), 4, 1e-9);
    EXPECT_TRUE(split.getTranslation(MSpace::kTransform).isEquivalent(MVector(1, 2, 3)));
}
