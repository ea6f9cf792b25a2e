#include <maya/MEulerRotation.h>
#include <maya/MMatrix.h>
#include <maya/MQuaternion.h>
#include <maya/MTransformationMatrix.h>

#include <gtest/gtest.h>

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
