// The Scene section of small scenes, against text written out by hand from the rules.
#include "support/HostRunner.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct Export {
    HostRun run;
    std::string scene;  // the Scene section, "  <Scene>" to "  </Scene>\n"
};

Export exportScene(const std::string& scene, const std::string& flags, const std::vector<std::string>& before = {}) {
    TempFolder folder;
    std::vector<std::string> arguments{std::string(Q5X_TEST_SCENES) + "/" + scene};
    for (const std::string& command : before) arguments.insert(arguments.end(), {"-c", command});
    arguments.insert(arguments.end(), {"-c", "Q5XExporter " + flags + " -f \"" + folder.file("out.q5x") + "\""});
    Export result{runHost(arguments), ""};
    const std::string document = readFile(folder.file("out.q5x"));
    const std::size_t start = document.find("  <Scene>");
    const std::size_t end = document.find("  </Scene>\n");
    if (start != std::string::npos && end != std::string::npos) result.scene = document.substr(start, end + 11 - start);
    return result;
}

const char* const kStaticShape = " static=\"true\" castsShadows=\"false\" receiveShadows=\"false\" materialIds=\"1\"";

}  // namespace

TEST(SceneSection, GroupsShapesNamesAndTables) {
    const Export result = exportScene("scene_basics.ma", "-shapes");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_EQ(result.scene,
              std::string("  <Scene>\n") +
                  "    <TransformGroup name=\"level\" nodeId=\"1\">\n"
                  "      <TransformGroup name=\"props\" nodeId=\"2\">\n"
                  "        <Shape name=\"crate\" translation=\"1 0 0\" rotation=\"0 90 0\" shapeId=\"1\"" + kStaticShape + " nodeId=\"3\"/>\n"
                  "        <Shape name=\"crate2\" scale=\"1 2 1\" shapeId=\"1\"" + kStaticShape + " nodeId=\"4\"/>\n"
                  "      </TransformGroup>\n"
                  "    </TransformGroup>\n"
                  "    <TransformGroup name=\"empty\" nodeId=\"5\"/>\n"
                  "    <TransformGroup name=\"ignore\" nodeId=\"6\"/>\n"
                  "    <TransformGroup name=\"lod_40\" lodDistance=\"0 20\" nodeId=\"7\"/>\n"
                  "    <TransformGroup name=\"lod_x\" lodDistance=\"0 50\" nodeId=\"8\"/>\n"
                  "    <TransformGroup name=\"tower\" lodDistance=\"0 30\" nodeId=\"9\"/>\n"
                  "    <TransformGroup name=\"physics\" collision=\"false\" staticFriction=\"0.6\" "
                  "collisionFilterMask=\"0xff00\" objectMask=\"0x1000\" nodeId=\"10\" weatherPreventMask=\"0\"/>\n"
                  "    <TransformGroup name=\"hiddenGroup\" visibility=\"false\" nodeId=\"11\"/>\n"
                  "    <Shape name=\"onlyMesh\" shapeId=\"2\"" + kStaticShape + " nodeId=\"12\"/>\n"
                  "    <Shape name=\"meshAndGroup\" shapeId=\"3\"" + kStaticShape + " nodeId=\"13\">\n"
                  "      <TransformGroup name=\"inner\" nodeId=\"14\"/>\n"
                  "    </Shape>\n"
                  "  </Scene>\n");
}

TEST(SceneSection, WithoutShapesMeshesDropButGroupsOfGroupsStay) {
    const Export result = exportScene("scene_basics.ma", "");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // crate and crate2 have only a mesh each: they go; props keeps its element for its transform children.
    EXPECT_NE(result.scene.find("    <TransformGroup name=\"level\" nodeId=\"1\">\n"
                                "      <TransformGroup name=\"props\" nodeId=\"2\">\n"
                                "      </TransformGroup>\n"
                                "    </TransformGroup>\n"),
              std::string::npos)
        << result.scene;
    EXPECT_EQ(result.scene.find("onlyMesh"), std::string::npos);
    EXPECT_NE(result.scene.find("    <TransformGroup name=\"meshAndGroup\" nodeId=\"10\">\n"
                                "      <TransformGroup name=\"inner\" nodeId=\"11\"/>\n"
                                "    </TransformGroup>\n"),
              std::string::npos)
        << result.scene;
}

TEST(SceneSection, JointsTakeTheirBindPoseAndLimits) {
    const Export result = exportScene("skeleton_bind_pose.ma", "");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // The bind pose's components: translation (0 5 0), no rotation; the joint orientation (z 90)
    // is applied once, and the driveSpring row differs from its default.
    EXPECT_EQ(result.scene,
              "  <Scene>\n"
              "    <TransformGroup name=\"root\" translation=\"0 5 0\" rotation=\"0 0 90\" joint=\"true\" "
              "driveSpring=\"2\" rotMinZ=\"-30\" nodeId=\"1\">\n"
              "      <TransformGroup name=\"tip\" translation=\"2 0 0\" nodeId=\"2\"/>\n"
              "    </TransformGroup>\n"
              "  </Scene>\n");
    EXPECT_NE(result.run.output.find("// Warning: q5xExport: Joint without bind pose found. Using current rotation (tip)."),
              std::string::npos);

    const Export current = exportScene("skeleton_bind_pose.ma", "-ignoreBindPoses");
    EXPECT_NE(current.scene.find("<TransformGroup name=\"root\" translation=\"1 1 1\" rotation=\"0 0 90\" joint=\"true\""),
              std::string::npos)
        << current.scene;
    EXPECT_EQ(current.run.output.find("without bind pose"), std::string::npos);
}

TEST(SceneSection, SelectionExportsTheSelectedNodesAndTheirAncestors) {
    const Export result = exportScene("duplicate_names.ma", "-sel", {"select -r \"lid\""});
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_EQ(result.scene,
              "  <Scene>\n"
              "    <TransformGroup name=\"b\" nodeId=\"1\">\n"
              "      <TransformGroup name=\"box\" nodeId=\"2\">\n"
              "        <TransformGroup name=\"lid\" nodeId=\"3\"/>\n"
              "      </TransformGroup>\n"
              "    </TransformGroup>\n"
              "  </Scene>\n");
}

TEST(SceneSection, BoundingVolumeMeshesAreNotNodesAndBadTargetsWarn) {
    const Export result = exportScene("bounding_volumes.ma", "-shapes");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_EQ(result.scene.find("Hull"), std::string::npos) << result.scene;
    EXPECT_NE(result.scene.find("<Shape name=\"rock\" translation=\"10 0 0\" shapeId=\"1\""), std::string::npos);
    EXPECT_NE(result.run.output.find(
                  "// Warning: q5xExport: Node \"nowhere\" used as bounding volume target doesn't exist. //"),
              std::string::npos);
    EXPECT_NE(result.run.output.find("// Warning: q5xExport: Node \"twin\" used as bounding volume target matches "
                                     "more than one node. Please use the objects full path name. //"),
              std::string::npos);
    EXPECT_EQ(result.run.output.find("MERGEGROUP_3"), std::string::npos);
    EXPECT_NE(result.run.output.find("2 warnings"), std::string::npos);
}

TEST(SceneSection, MaterialIdsFollowTheShadingGroupsOfTheFaces) {
    const Export result = exportScene("per_face_materials.ma", "-shapes");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // Groups in object-group order: tiles (face 0) then brick (faces 1-2); ids in first-seen order.
    EXPECT_NE(result.scene.find("<Shape name=\"wall\" shapeId=\"1\" static=\"true\" castsShadows=\"false\" "
                                "receiveShadows=\"false\" materialIds=\"1,2\" nodeId=\"1\"/>"),
              std::string::npos)
        << result.scene;
    // A group without a shader warns and the mesh falls back to lambert1 (the third name).
    EXPECT_NE(result.scene.find("<Shape name=\"bare\" shapeId=\"2\" static=\"true\" castsShadows=\"false\" "
                                "receiveShadows=\"false\" materialIds=\"3\" nodeId=\"2\"/>"),
              std::string::npos)
        << result.scene;
    EXPECT_NE(result.run.output.find("// Warning: q5xExport: ShadingGroup surfaceShader attribute source plug not found (emptySG) //"),
              std::string::npos);
}
