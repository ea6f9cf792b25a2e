#include "SceneFixture.h"

#include <maya/MDistance.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnIkJoint.h>
#include <maya/MFnTransform.h>
#include <maya/MItDag.h>
#include <maya/MPoint.h>
#include <maya/MTime.h>

#include <cmath>

namespace {

void expectPoint(const MPoint& actual, double x, double y, double z) {
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}

}  // namespace

TEST_F(SceneTest, WorldMatricesFollowTheTransformStack) {
    load("transform_stack.ma");
    // Child: rotate z 90, then up 5; parent: scale x 2, then right 10.
    expectPoint(MPoint(1, 0, 0) * path("child").inclusiveMatrix(), 10, 6, 0);
    expectPoint(MPoint(1, 0, 0) * path("child").exclusiveMatrix(), 12, 0, 0);
    // x first then z, against z first then x.
    expectPoint(MPoint(0, 0, 1) * path("orderXYZ").inclusiveMatrix(), 1, 0, 0);
    expectPoint(MPoint(0, 0, 1) * path("orderZYX").inclusiveMatrix(), 0, -1, 0);
    // Scale and rotation about a pivot at (1, 0, 0).
    expectPoint(MPoint(2, 0, 0) * path("pivoted").inclusiveMatrix(), 1, 3, 0);
    // The rotate axis turns before the rotation: z 90 then x 90.
    expectPoint(MPoint(1, 0, 0) * path("axis").inclusiveMatrix(), 0, 0, 1);
    // Knee: rotation, then joint orientation, then the hip's scale undone, then 1 along x.
    expectPoint(MPoint(1, 0, 0) * MFnDagNode(path("knee")).transformationMatrix(), 0.5, 0, 0);
    expectPoint(MPoint(1, 0, 0) * path("knee").inclusiveMatrix(), 1, 1, 0);

    MFnTransform pivoted(path("pivoted"));
    EXPECT_NEAR(pivoted.rotatePivot(MSpace::kTransform).x, 1.0, 1e-12);
    MEulerRotation rotation;
    pivoted.getRotation(rotation);
    EXPECT_NEAR(rotation.z, M_PI / 2, 1e-12);
    EXPECT_EQ(MFnTransform(path("orderZYX")).rotationOrder(), MTransformationMatrix::kZYX);
    MQuaternion orient;
    MFnIkJoint(path("knee")).getOrientation(orient);
    EXPECT_TRUE(orient.isEquivalent(MQuaternion(M_PI / 2, MVector::zAxis), 1e-12));
}

TEST_F(SceneTest, InstancedShapesHaveOnePathPerParent) {
    load("transform_stack.ma");
    std::vector<std::string> shapes;
    for (MItDag it(MItDag::kDepthFirst, MFn::kMesh); !it.isDone(); it.next()) {
        MDagPath shapePath;
        it.getPath(shapePath);
        shapes.push_back(shapePath.fullPathName().asChar());
        EXPECT_TRUE(shapePath.isInstanced());
    }
    EXPECT_EQ(shapes, (std::vector<std::string>{"|left|sharedShape", "|right|sharedShape"}));
    EXPECT_EQ(path("|right|sharedShape").partialPathName(), "right|sharedShape");
    expectPoint(MPoint() * path("|right|sharedShape").inclusiveMatrix(), 5, 0, 0);
    EXPECT_EQ(path("|right|sharedShape").instanceNumber(), 1u);
}

TEST_F(SceneTest, PathNamesAreTheShortestUniqueTails) {
    load("duplicate_names.ma");
    EXPECT_EQ(path("|box").partialPathName(), "|box");
    EXPECT_EQ(path("|a|box").partialPathName(), "a|box");
    EXPECT_EQ(path("|b|box").fullPathName(), "|b|box");
    EXPECT_EQ(path("|b|box|lid").partialPathName(), "lid");
    EXPECT_EQ(path("unique").fullPathName(), "|a|box|unique");
    MSelectionList ambiguous;
    EXPECT_FALSE(ambiguous.add("box"));
}

TEST_F(SceneTest, UnitsComeFromTheFile) {
    load("units_metres_ntsc.ma");
    EXPECT_DOUBLE_EQ(MDistance::uiToInternal(1.0), 100.0);
    EXPECT_EQ(MTime::uiUnit(), MTime::kNTSCFrame);
    EXPECT_NEAR(MTime(1.0, MTime::uiUnit()).as(MTime::kMilliseconds), 1000.0 / 30.0, 1e-9);
    // Plugs hold centimetres and radians whatever the file's units.
    MFnTransform crate(path("crate"));
    EXPECT_NEAR(crate.getTranslation(MSpace::kTransform).z, 300.0, 1e-9);
    EXPECT_NEAR(crate.findPlug("rotateX", true).asDouble(), M_PI, 1e-12);

    load("transform_stack.ma");
    EXPECT_DOUBLE_EQ(MDistance::uiToInternal(1.0), 1.0);
    EXPECT_EQ(MTime::uiUnit(), MTime::kFilm);
}
