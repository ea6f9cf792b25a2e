// Meshes exported end to end: stored and history geometry, hard edges, UV and colour sets, the
// XML Shapes section against the binary records of the same scene.
#include "support/HostRunner.h"
#include "support/ExportRun.h"
#include "support/Q5xcheck.h"
#include "support/TempFolder.h"
#include "support/WellFormed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

struct Exported {
    HostRun run;
    std::string document;
};

Exported exportScene(const TempFolder& folder, const std::string& scene, const std::string& flags, const std::string& name) {
    const ExportRun run = runExport(folder, scene, flags, name);
    return {run.run, run.document};
}

std::string element(const std::string& document, const std::string& name) {
    const std::size_t start = document.find("    <IndexedTriangleSet name=\"" + name + "\"");
    const std::size_t end = document.find("    </IndexedTriangleSet>\n", start);
    return start == std::string::npos || end == std::string::npos ? std::string() : document.substr(start, end - start);
}

std::string scenePath(const char* name) {
    return testScene(name);
}

}  // namespace

TEST(MeshShapes, UvSetsColoursAndSeamsWeldAsDerived) {
    TempFolder folder;
    const Exported result = exportScene(folder, scenePath("mesh_shapes.ma"), "-shapes -normals -uvs -colors", "a.q5x");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // Two quads sharing the edge 1-4. The lightmap splits them there (0.5 against 0.6) and only
    // the first face has colours: the second face's corners are new vertices, black.
    EXPECT_EQ(element(result.document, "planeShape"),
              "    <IndexedTriangleSet name=\"planeShape\" shapeId=\"4\" meshUsage=\"0\" bvCenter=\"1 0.5 0\" "
              "bvRadius=\"1.11803\" isOptimized=\"true\">\n"
              "      <Vertices count=\"8\" normal=\"true\" uv0=\"true\" uv1=\"true\" color=\"true\">\n"
              "        <v p=\"0 0 0\" n=\"0 0 1\" t0=\"0 0\" t1=\"0 0\" c=\"1 0 0 1\"/>\n"
              "        <v p=\"1 0 0\" n=\"0 0 1\" t0=\"0.5 0\" t1=\"0.5 0\" c=\"0 1 0 1\"/>\n"
              "        <v p=\"1 1 0\" n=\"0 0 1\" t0=\"0.5 1\" t1=\"0.5 1\" c=\"0 0 1 1\"/>\n"
              "        <v p=\"0 1 0\" n=\"0 0 1\" t0=\"0 1\" t1=\"0 1\" c=\"1 1 1 1\"/>\n"
              "        <v p=\"1 0 0\" n=\"0 0 1\" t0=\"0.5 0\" t1=\"0.6 0\" c=\"0 0 0 1\"/>\n"
              "        <v p=\"2 0 0\" n=\"0 0 1\" t0=\"1 0\" t1=\"1 0\" c=\"0 0 0 1\"/>\n"
              "        <v p=\"2 1 0\" n=\"0 0 1\" t0=\"1 1\" t1=\"1 1\" c=\"0 0 0 1\"/>\n"
              "        <v p=\"1 1 0\" n=\"0 0 1\" t0=\"0.5 1\" t1=\"0.6 1\" c=\"0 0 0 1\"/>\n"
              "      </Vertices>\n"
              "      <Triangles count=\"4\">\n"
              "        <t vi=\"0 1 2\"/>\n"
              "        <t vi=\"0 2 3\"/>\n"
              "        <t vi=\"4 5 6\"/>\n"
              "        <t vi=\"4 6 7\"/>\n"
              "      </Triangles>\n"
              "      <Subsets count=\"1\">\n"
              "        <Subset firstVertex=\"0\" numVertices=\"8\" firstIndex=\"0\" numIndices=\"12\" uvDensity0=\"0.707107\" "
              "uvDensity1=\"0.632456\"/>\n"
              "      </Subsets>\n");
    EXPECT_NE(result.run.output.find("// Warning: q5xExport: Vertex colors are incompletely assigned. Defaulting to "
                                     "0,0,0 (planeShape) //"),
              std::string::npos);
}

TEST(MeshShapes, HardEdgedCubesFromStorageAndFromHistoryAgree) {
    TempFolder folder;
    const Exported result = exportScene(folder, scenePath("mesh_shapes.ma"), "-shapes -normals -uvs", "a.q5x");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    const std::string stored = element(result.document, "storedCubeShape");
    const std::string history = element(result.document, "historyUnitCubeShape");
    ASSERT_NE(stored.find("<Vertices count=\"24\" normal=\"true\" uv0=\"true\">"), std::string::npos) << stored;
    ASSERT_NE(stored.find("<Triangles count=\"12\">"), std::string::npos);
    // Everything but the name and the shape identifier: polyCube gives Maya's own cube.
    EXPECT_EQ(stored.substr(stored.find(" meshUsage")), history.substr(history.find(" meshUsage")));
    // The intermediate "Orig" shape beside the stored cube is no shape of its own.
    EXPECT_EQ(result.document.find("storedCubeShapeOrig"), std::string::npos);
    EXPECT_NE(element(result.document, "historyCubeShape").find("bvRadius=\"1.73205\""), std::string::npos);

    // Without normals and UVs the corners of a point are one vertex.
    const Exported bare = exportScene(folder, scenePath("mesh_shapes.ma"), "-shapes", "b.q5x");
    EXPECT_NE(element(bare.document, "storedCubeShape").find("<Vertices count=\"8\">"), std::string::npos);
}

// Vertex and triangle counts and the box of the positions of one IndexedTriangleSet element.
struct ShapeFigures {
    unsigned vertices = 0, triangles = 0;
    float low[3] = {1e30f, 1e30f, 1e30f}, high[3] = {-1e30f, -1e30f, -1e30f};
};

ShapeFigures figuresOf(const std::string& element) {
    ShapeFigures figures;
    std::sscanf(element.c_str() + element.find("<Vertices count=\""), "<Vertices count=\"%u", &figures.vertices);
    std::sscanf(element.c_str() + element.find("<Triangles count=\""), "<Triangles count=\"%u", &figures.triangles);
    for (std::size_t at = element.find(" p=\""); at != std::string::npos; at = element.find(" p=\"", at + 1)) {
        float p[3];
        std::sscanf(element.c_str() + at, " p=\"%f %f %f", &p[0], &p[1], &p[2]);
        for (int k = 0; k < 3; ++k) figures.low[k] = std::min(figures.low[k], p[k]), figures.high[k] = std::max(figures.high[k], p[k]);
    }
    return figures;
}

TEST(MeshShapes, HistoryCreatorsMakeWhatTheirOptionsSay) {
    TempFolder folder;
    const Exported result = exportScene(folder, scenePath("history_creators.ma"), "-shapes -normals", "a.q5x");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    struct Expected {
        const char* shape;
        unsigned vertices, triangles;
        float low[3], high[3];
    };
    // Sphere r 2, 8 x 4: 3 rings of 8 and 2 poles, 16 quads and 16 fan triangles, smooth.
    // Cylinder r 1, h 4, 8 x 2: 3 smooth rings, two octagon caps with their own normals.
    // Cone r 1, h 2, 8 sides: a ring, the apex and the cap. Torus 1 / 0.25, 8 x 6: 48 quads; its
    // six sections reach 0.25 sin 60 degrees up and down. A cube 2 x 3 x 4 in as many subdivisions:
    // 52 quads; its hard edges give each face its own (a + 1)(b + 1) points: 2 x 12 + 2 x 15 + 2 x 20.
    const Expected expected[] = {
        {"boxShape", 94, 104, {-1, -1.5f, -2}, {1, 1.5f, 2}},
        {"sphereShape", 26, 48, {-2, -2, -2}, {2, 2, 2}},
        {"cylinderShape", 40, 44, {-1, -2, -1}, {1, 2, 1}},
        {"coneShape", 17, 14, {-1, -1, -1}, {1, 1, 1}},
        {"torusShape", 48, 96, {-1.25f, -0.216506f, -1.25f}, {1.25f, 0.216506f, 1.25f}},
    };
    for (const Expected& shape : expected) {
        const ShapeFigures figures = figuresOf(element(result.document, shape.shape));
        EXPECT_EQ(figures.vertices, shape.vertices) << shape.shape;
        EXPECT_EQ(figures.triangles, shape.triangles) << shape.shape;
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(figures.low[k], shape.low[k], 0.02f) << shape.shape << " axis " << k;
            EXPECT_NEAR(figures.high[k], shape.high[k], 0.02f) << shape.shape << " axis " << k;
        }
    }
}

TEST(MeshShapes, ABoundingVolumeMeshGivesTheSphereOfItsTarget) {
    TempFolder folder;
    const Exported result = exportScene(folder, scenePath("bounding_volumes.ma"), "-shapes", "a.q5x");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // The hull is a 4-unit cube at the origin; the rock stands 10 along x: in the rock's space the
    // hull's smallest sphere is centred at -10 with radius 2 sqrt 3.
    EXPECT_NE(element(result.document, "rockShape").find("bvCenter=\"-10 0 0\" bvRadius=\"3.4641\""), std::string::npos)
        << element(result.document, "rockShape");
}

TEST(MeshShapes, UsageFlagsTangentsSlotNamesAndTheChecksOfASet) {
    TempFolder folder;
    const Exported result = exportScene(folder, scenePath("mesh_usage.ma"), "-shapes -normals -uvs", "a.q5x");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // q5X_cpuMesh and q5X_oc give usage 0x100 | 0x200; a bump into the material's normal input asks
    // for tangents; the material's slotName names the subset.
    EXPECT_NE(result.document.find("<IndexedTriangleSet name=\"decalShape\" shapeId=\"1\" meshUsage=\"768\" "
                                   "bvCenter=\"0.5 0.5 0\" bvRadius=\"0.707107\" vertexCompressionRange=\"0.5\" "
                                   "isOptimized=\"true\">\n      <Vertices count=\"4\" normal=\"true\" uv0=\"true\" "
                                   "tangent=\"true\">"),
              std::string::npos)
        << result.document;
    EXPECT_NE(result.document.find("uvDensity0=\"0\" materialSlotName=\"decal_slot\"/>"), std::string::npos);
    // The range 0.5 is smaller than the unit quad; all its UVs sit on one point.
    EXPECT_NE(result.run.output.find("// Warning: Mesh decalShape has a vertex compression range set which is smaller "
                                     "than its extent. //\nMesh 'decalShape' has uv density issue: squashed uvs\n"),
              std::string::npos)
        << result.run.output;
    // Without normals no tangents, whatever the material.
    const Exported flat = exportScene(folder, scenePath("mesh_usage.ma"), "-shapes -uvs", "b.q5x");
    EXPECT_EQ(flat.document.find("tangent="), std::string::npos);
}

TEST(MeshShapes, SkinWeightsAreSortedCappedAtFourAndNormalised) {
    TempFolder folder;
    const Exported result = exportScene(folder, scenePath("skinned_strip.ma"), "-shapes -skinWeights -ignoreBindPoses", "a.q5x");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // Point 4 has five influences: 0.3 (j1), 0.3 (j4), 0.2 (j3), 0.1 (j0) and 0.1 (j2); the first four
    // stay (equal weights by the smaller index) and are scaled to sum 1. Point 5 has none.
    EXPECT_NE(result.document.find("      <Vertices count=\"6\" blendweights=\"true\">\n"
                                    "        <v p=\"0 0 0\" bw=\"1 0 0 0\" bi=\"0 0 0 0\"/>\n"
                                    "        <v p=\"1 0 0\" bw=\"1 0 0 0\" bi=\"0 0 0 0\"/>\n"
                                    "        <v p=\"1 1 0\" bw=\"0.5 0.5 0 0\" bi=\"0 1 0 0\"/>\n"
                                    "        <v p=\"0 1 0\" bw=\"0.5 0.5 0 0\" bi=\"0 1 0 0\"/>\n"
                                    "        <v p=\"1 2 0\" bw=\"1 0 0 0\" bi=\"0 0 0 0\"/>\n"
                                    "        <v p=\"0 2 0\" bw=\"0.333333 0.333333 0.222222 0.111111\" bi=\"1 4 3 0\"/>\n"),
              std::string::npos)
        << result.document;
    EXPECT_NE(result.document.find("skinBindNodeIds=\"1 2 3 4 5\" nodeId=\"6\""), std::string::npos);
    EXPECT_NE(result.run.output.find("// Warning: Found vertex with no skin weights. Assigning to first bone //"),
              std::string::npos);
    // The intermediate Orig shape feeding the cluster is no shape of its own.
    EXPECT_EQ(result.document.find("stripShapeOrig"), std::string::npos);
}

// The dump's notes on the collision entries, which only binary shapes carry, left out.
static std::string withoutCollisionNotes(const std::string& dump) {
    std::string kept;
    for (std::size_t at = 0; at < dump.size();) {
        const std::size_t end = std::min(dump.find('\n', at), dump.size() - 1) + 1;
        const std::string line = dump.substr(at, end - at);
        if (line.find("<!-- collision ") == std::string::npos) kept += line;
        at = end;
    }
    return kept;
}

TEST(MeshShapes, BinaryRecordsHoldWhatTheXmlSectionHolds) {
    TempFolder folder;
    // A plane of 260 x 260 quads has 67,081 points: its records need 32-bit indices.
    {
        std::ofstream out(folder.file("big.ma"));
        out << "//Maya ASCII 2016 scene\nrequires maya \"2016\";\ncreateNode transform -n \"ground\";\n"
               "createNode mesh -n \"groundShape\" -p \"ground\";\ncreateNode polyPlane -n \"polyPlane1\";\n"
               "\tsetAttr \".w\" 50;\n\tsetAttr \".h\" 50;\n\tsetAttr \".sw\" 260;\n\tsetAttr \".sh\" 260;\n"
               "connectAttr \"polyPlane1.out\" \"groundShape.i\";\n// End of big.ma\n";
    }
    for (const std::string& scene :
         {scenePath("mesh_shapes.ma"), scenePath("per_face_materials.ma"), scenePath("skinned_strip.ma"),
          scenePath("history_creators.ma"), scenePath("mesh_usage.ma"), scenePath("bounding_volumes.ma"),
          scenePath("scene_basics.ma"), scenePath("skin_bind_list.ma"), folder.file("big.ma")}) {
        const std::string flags = "-shapes -normals -uvs -colors -skinWeights -ignoreBindPoses";
        const Exported xml = exportScene(folder, scene, flags, "x.q5x");
        const Exported binary = exportScene(folder, scene, flags + " -bin", "y.q5x");
        ASSERT_EQ(binary.run.exitCode, 0) << binary.run.output;
        EXPECT_NE(binary.document.find("<Shapes externalShapesFile=\"y.q5x.shapes\">"), std::string::npos);
        const HostRun dump = runQ5xcheck("--dump " + shellQuoted(folder.file("y.q5x")), "2>/dev/null");
        EXPECT_EQ(withoutCollisionNotes(dump.output), shapesSectionBody(xml.document)) << scene;
    }
    // The per-face materials make two subsets, one per shading group.
    const Exported faces = exportScene(folder, scenePath("per_face_materials.ma"), "-shapes", "z.q5x");
    EXPECT_NE(element(faces.document, "wallShape").find("<Subsets count=\"2\">"), std::string::npos);
}
