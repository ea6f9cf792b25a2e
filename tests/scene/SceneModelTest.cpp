// The scene model: bounding-volume requests, split-shape collision meshes, deep hierarchies.
#include "scene/SceneModel.h"

#include <mayahost/Host.h>
#include <maya/MFnDependencyNode.h>

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Loads a test scene and builds its model as an export with "-shapes" would.
class SceneModel : public ::testing::Test {
protected:
    void load(const std::string& scene) {
        mayahost::setOutputStream(nullptr);
        std::string error;
        const std::string path = scene.find('/') == std::string::npos ? std::string(Q5X_TEST_SCENES) + "/" + scene : scene;
        ASSERT_TRUE(mayahost::openScene(path, error)) << error;
        context.options.shapes = true;
        ASSERT_EQ(buildSceneModel(context, model), SceneModelResult::Built);
    }
    void TearDown() override { mayahost::resetScene(); }

    ExportContext context;
    ExportModel model;
};

}  // namespace

TEST_F(SceneModel, BoundingVolumeRequestsResolveToTheTargetShapeWithTheCarryingMatrix) {
    load("bounding_volumes.ma");
    EXPECT_EQ(model.boundingVolumeRequests.size(), 4u);
    // Resolved in the model's finishing step, before any section is written.
    ASSERT_EQ(model.boundingVolumes.size(), 1u);
    const auto& volume = *model.boundingVolumes.begin();
    EXPECT_EQ(volume.first, "rockShape");
    // The hull sits at the origin, the rock 10 along x: hull points land 10 to the left of the rock.
    EXPECT_FLOAT_EQ(volume.second.toTarget[3][0], -10.0f);
    EXPECT_FLOAT_EQ(volume.second.toTarget[0][0], 1.0f);
}

TEST_F(SceneModel, AHullInsideAnIgnoredSubtreeAsksForNothing) {
    load("node_frame_rules.ma");
    EXPECT_TRUE(model.boundingVolumeRequests.empty());
}

TEST_F(SceneModel, TheCollisionsGroupGivesTheCollisionMeshes) {
    load("split_shape.ma");
    const auto split = model.shapes.find("cliffShape*SplitShape*");
    ASSERT_NE(split, model.shapes.end());
    EXPECT_TRUE(split->second.split);
    ASSERT_EQ(split->second.collisionMeshes.size(), 2u);  // the empty marker group is no shape
    EXPECT_EQ(MFnDependencyNode(split->second.collisionMeshes[1].first).name(), "hullBShape");
    EXPECT_EQ(MFnDependencyNode(split->second.collisionMeshes[1].second).name(), "hullB");
}

TEST_F(SceneModel, AChainDeeperThanAnyCallStackIsOneNodePerLevel) {
    constexpr unsigned kDepth = 20000;
    TempFolder folder;
    {
        std::ofstream out(folder.file("chain.ma"));
        out << "//Maya ASCII 2016 scene\nrequires maya \"2016\";\ncreateNode transform -n \"n0\";\n";
        for (unsigned i = 1; i < kDepth; ++i) out << "createNode transform -n \"n" << i << "\" -p \"n" << i - 1 << "\";\n";
        out << "// End of chain.ma\n";
    }
    load(folder.file("chain.ma"));
    ASSERT_EQ(model.nodes.size(), kDepth);
    for (unsigned i = 0; i < kDepth; ++i) {
        ASSERT_EQ(model.nodes[i].depth, i);
        ASSERT_EQ(model.nodes[i].nodeId, i + 1);
        ASSERT_EQ(model.nodes[i].parent, i == 0 ? kNoParent : i - 1);
        ASSERT_EQ(model.nodes[i].pathName, "n" + std::to_string(i));
    }
}
