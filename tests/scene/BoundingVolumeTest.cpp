#include "scene/BoundingVolumes.h"
#include "scene/SceneModel.h"

#include <mayahost/Host.h>
#include <maya/MFnDependencyNode.h>

#include <gtest/gtest.h>


TEST(BoundingVolumes, RequestsResolveToTheTargetShapeWithTheCarryingMatrix) {
    mayahost::setOutputStream(nullptr);
    std::string error;
    ASSERT_TRUE(mayahost::openScene(std::string(Q5X_TEST_SCENES) + "/bounding_volumes.ma", error)) << error;
    ExportContext context;
    context.options.shapes = true;
    ExportModel model;
    ASSERT_TRUE(buildSceneModel(context, model));
    EXPECT_EQ(model.boundingVolumeRequests.size(), 4u);
    resolveBoundingVolumes(context, model);
    ASSERT_EQ(model.boundingVolumes.size(), 1u);
    const auto& volume = *model.boundingVolumes.begin();
    EXPECT_EQ(volume.first, "rockShape");
    // The hull sits at the origin, the rock 10 along x: hull points land 10 to the left of the rock.
    EXPECT_FLOAT_EQ(volume.second.toTarget[3][0], -10.0f);
    EXPECT_FLOAT_EQ(volume.second.toTarget[0][0], 1.0f);
    mayahost::resetScene();
}

TEST(BoundingVolumes, AHullInsideAnIgnoredSubtreeAsksForNothing) {
    mayahost::setOutputStream(nullptr);
    std::string error;
    ASSERT_TRUE(mayahost::openScene(std::string(Q5X_TEST_SCENES) + "/node_frame_rules.ma", error)) << error;
    ExportContext context;
    context.options.shapes = true;
    ExportModel model;
    ASSERT_TRUE(buildSceneModel(context, model));
    EXPECT_TRUE(model.boundingVolumeRequests.empty());
    mayahost::resetScene();
}

TEST(SplitShapes, TheCollisionsGroupGivesTheCollisionMeshes) {
    mayahost::setOutputStream(nullptr);
    std::string error;
    ASSERT_TRUE(mayahost::openScene(std::string(Q5X_TEST_SCENES) + "/split_shape.ma", error)) << error;
    ExportContext context;
    context.options.shapes = true;
    ExportModel model;
    ASSERT_TRUE(buildSceneModel(context, model));
    const auto split = model.shapes.find("cliffShape*SplitShape*");
    ASSERT_NE(split, model.shapes.end());
    EXPECT_TRUE(split->second.split);
    ASSERT_EQ(split->second.collisionMeshes.size(), 2u);  // the empty marker group is no shape
    EXPECT_EQ(MFnDependencyNode(split->second.collisionMeshes[1].first).name(), "hullBShape");
    EXPECT_EQ(MFnDependencyNode(split->second.collisionMeshes[1].second).name(), "hullB");
    mayahost::resetScene();
}
