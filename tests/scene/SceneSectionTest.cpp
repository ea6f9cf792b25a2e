// The Scene section of small scenes, against text written out by hand from the rules.
#include "support/ExportRun.h"
#include "support/Q5xcheck.h"
#include "support/TempFolder.h"
#include "support/WellFormed.h"

#include <gtest/gtest.h>

namespace {

struct Export {
    HostRun run;
    std::string scene;  // the Scene section, "  <Scene>" to "  </Scene>\n"
};

Export exportScene(const std::string& scene, const std::string& flags, const std::vector<std::string>& before = {}) {
    TempFolder folder;
    const ExportRun run = runExport(folder, testScene(scene), flags, "out.q5x", before);
    Export result{run.run, ""};
    const std::size_t start = run.document.find("  <Scene>");
    const std::size_t end = run.document.find("  </Scene>\n");
    if (start != std::string::npos && end != std::string::npos) result.scene = run.document.substr(start, end + 11 - start);
    return result;
}

const char* const kStaticShape = " static=\"true\" castsShadows=\"true\" receiveShadows=\"true\" materialIds=\"1\"";

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
    EXPECT_NE(result.scene.find("<Shape name=\"wall\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
                                "receiveShadows=\"true\" materialIds=\"1,2\" nodeId=\"1\"/>"),
              std::string::npos)
        << result.scene;
    // A group without a shader warns and the mesh falls back to lambert1 (the third name).
    EXPECT_NE(result.scene.find("<Shape name=\"bare\" shapeId=\"2\" static=\"true\" castsShadows=\"true\" "
                                "receiveShadows=\"true\" materialIds=\"3\" nodeId=\"2\"/>"),
              std::string::npos)
        << result.scene;
    EXPECT_NE(result.run.output.find("// Warning: q5xExport: ShadingGroup surfaceShader attribute source plug not found (emptySG) //"),
              std::string::npos);
}

TEST(SceneSection, ReferencesPivotsAndCompetingChildren) {
    const Export result = exportScene("node_frame_rules.ma", "-shapes -nurbscurves -lights");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // A reference stays a reference whatever its child is (a light here). Pivots fold into the
    // translation: pivoted = T + Rp - R(Rp) = (1,0,0) + (1,0,0) - (0,1,0); scaledAbout = Sp - S(Sp)
    // = (0,2,0) - (0,4,0). Of a curve and a mesh under one transform the later child decides.
    EXPECT_EQ(result.scene,
              std::string("  <Scene>\n") +
              "    <ReferenceNode name=\"lampRef\" translation=\"0 3 0\" referenceId=\"1\" nodeId=\"1\"/>\n"
              "    <TransformGroup name=\"pivoted\" translation=\"2 -1 0\" rotation=\"0 0 90\" nodeId=\"2\">\n"
              "      <TransformGroup name=\"scaledAbout\" translation=\"0 -2 0\" scale=\"2 2 2\" nodeId=\"3\"/>\n"
              "    </TransformGroup>\n"
              "    <Shape name=\"twoKinds\" shapeId=\"1\"" + kStaticShape + " nodeId=\"4\"/>\n"
              "  </Scene>\n");
    EXPECT_NE(result.run.output.find("// Warning: q5xExport: Node pivoted has moved pivots; its animation keys are "
                                     "written without the pivot offset. //"),
              std::string::npos);
    EXPECT_NE(result.run.output.find("twoKinds has more than one exportable child; it is written for twoKindsMesh "
                                     "and leaves out twoKindsCurve"),
              std::string::npos);
    EXPECT_NE(result.run.output.find(", 2 warnings,"), std::string::npos) << result.run.output;
}

TEST(SceneSection, EveryBindElementKeepsItsPlace) {
    const Export result = exportScene("skin_bind_list.ma", "-shapes -skinWeights");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // matrix[0] hip, [1] a joint in an ignored group, [2] nothing connected, [3] knee.
    EXPECT_NE(result.scene.find("<Shape name=\"leg\" shapeId=\"1\" static=\"true\" castsShadows=\"true\" "
                                "receiveShadows=\"true\" materialIds=\"1\" skinBindNodeIds=\"1 0 0 2\" nodeId=\"3\"/>"),
              std::string::npos)
        << result.scene;
    EXPECT_NE(result.run.output.find("// Warning: q5xExport: Skin cluster skinCluster1 binds influences that are not "
                                     "exported: twist, matrix[2] (no single node); their blend indices refer to node 0 //"),
              std::string::npos)
        << result.run.output;
}

TEST(SceneSection, TextFromTheSceneIsEscaped) {
    TempFolder folder;
    const std::string scene = folder.file("R&D \"test\".ma");
    writeFile(scene, std::string("//Maya ASCII 2016 scene\nrequires maya \"2016\";\n") +
                         "createNode transform -n \"box\\\" visibility=\\\"false\\\"/><ReferenceNode a=\\\"&\";\n"
                         "createNode transform -n \"caf\xC3\xA9\x01\";\n"
                         "\taddAttr -ci true -sn \"q5X_referenceFilename\" -ln \"q5X_referenceFilename\" -dt \"string\";\n"
                         "\tsetAttr \".q5X_referenceFilename\" -type \"string\" \"D:/\xE3\x83\x86/a&b<c>.q5x\";\n");
    const HostRun run = runHost({scene, "-c", "Q5XExporter -f \"" + folder.file("out.q5x") + "\""});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const std::string document = readFile(folder.file("out.q5x"));
    EXPECT_EQ(xmlProblem(document), "") << document;
    const HostRun check = runQ5xcheck(shellQuoted(folder.file("out.q5x")));
    EXPECT_EQ(check.exitCode, 0) << scene << "\n" << check.output;
    EXPECT_NE(document.find("<q5X name=\"R&amp;D &quot;test&quot;\" version"), std::string::npos) << document;
    EXPECT_NE(document.find("    <TransformGroup name=\"box&quot; visibility=&quot;false&quot;/>&lt;ReferenceNode "
                            "a=&quot;&amp;\" nodeId=\"1\"/>\n"
                            "    <ReferenceNode name=\"caf\xE9?\" referenceId=\"1\" nodeId=\"2\"/>\n"),
              std::string::npos)
        << document;
    EXPECT_NE(run.output.find("// Warning: q5xExport: Control characters in the texts of caf"), std::string::npos)
        << run.output;
}
