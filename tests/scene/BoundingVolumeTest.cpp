#include "scene/BoundingVolumes.h"
#include "scene/SceneWalk.h"

#include <mayahost/Host.h>
#include <maya/MFnDependencyNode.h>

#include <gtest/gtest.h>

#include <sstream>

TEST(BoundingVolumes, RequestsResolveToTheTargetShapeWithTheCarryingMatrix) {
    mayahost::setOutputStream(nullptr);
    std::string error;
    ASSERT_TRUE(mayahost::openScene(std::string(Q5X_TEST_SCENES) + "/bounding_volumes.ma", error)) << error;
    ExportSettings settings(false, false, false, false, true, false, false, false, false, false, false, false, "", "",
                            "", false);
    SceneCollections collections;
    std::ostringstream scene;
    ASSERT_TRUE(writeScene(settings, collections, scene));
    EXPECT_EQ(collections.boundingVolumeRequests.size(), 4u);
    resolveBoundingVolumes(settings, collections);
    ASSERT_EQ(collections.boundingVolumes.size(), 1u);
    const auto& volume = *collections.boundingVolumes.begin();
    EXPECT_EQ(volume.first, "rockShape");
    // The hull sits at the origin, the rock 10 along x: hull points land 10 to the left of the rock.
    EXPECT_FLOAT_EQ(volume.second.toTarget[3][0], -10.0f);
    EXPECT_FLOAT_EQ(volume.second.toTarget[0][0], 1.0f);
    mayahost::resetScene();
}

TEST(SplitShapes, TheCollisionsGroupGivesTheCollisionMeshes) {
    mayahost::setOutputStream(nullptr);
    std::string error;
    ASSERT_TRUE(mayahost::openScene(std::string(Q5X_TEST_SCENES) + "/split_shape.ma", error)) << error;
    ExportSettings settings(false, false, false, false, true, false, false, false, false, false, false, false, "", "",
                            "", false);
    SceneCollections collections;
    std::ostringstream scene;
    ASSERT_TRUE(writeScene(settings, collections, scene));
    const auto split = collections.shapes.find("cliffShape*SplitShape*");
    ASSERT_NE(split, collections.shapes.end());
    EXPECT_TRUE(split->second.split);
    ASSERT_EQ(split->second.collisionMeshes.size(), 2u);  // the empty marker group is no shape
    EXPECT_EQ(MFnDependencyNode(split->second.collisionMeshes[1].first).name(), "hullBShape");
    EXPECT_EQ(MFnDependencyNode(split->second.collisionMeshes[1].second).name(), "hullB");
    mayahost::resetScene();
}
