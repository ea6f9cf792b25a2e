// Scenes as Maya saves them: lengths in the file's working unit, the polygon primitives with their
// UVs, colour sets of one, three and four components, Maya's own nodes and node types.
#include "SceneFixture.h"

#include "geometry/MeshData.h"

#include <maya/MColorArray.h>
#include <maya/MFnMesh.h>
#include <maya/MPointArray.h>

#include <algorithm>
#include <cmath>

namespace {

const std::string kHeader = "//Maya ASCII 2022 scene\nrequires maya \"2022\";\n";

// A mesh shape named `name` + "Shape" fed by a creator of `type` with the given setAttr lines.
std::string creator(const std::string& name, const std::string& type, const std::string& settings) {
    return "createNode transform -n \"" + name + "\";\ncreateNode mesh -n \"" + name + "Shape\" -p \"" + name + "\";\n" +
           "createNode " + type + " -n \"" + name + "Creator\";\n" + settings + "connectAttr \"" + name + "Creator.out\" \"" +
           name + "Shape.i\";\n";
}

struct Extent {
    double x = 0, y = 0, z = 0, radius = 0;
};

}  // namespace

class MayaScenes : public SceneTest {
protected:
    void loadText(const std::string& text) {
        std::string error;
        ASSERT_TRUE(mayahost::loadMayaAsciiText(text, "saved.ma", mayahost::Scene::current(), error)) << error;
    }

    // The largest |x|, |y|, |z| and distance from the origin of a shape's points, in centimetres.
    Extent extentOf(const char* shape) {
        MPointArray points;
        MFnMesh(path(shape).node()).getPoints(points);
        Extent e;
        for (unsigned i = 0; i < points.length(); ++i) {
            e.x = std::max(e.x, std::fabs(points[i].x));
            e.y = std::max(e.y, std::fabs(points[i].y));
            e.z = std::max(e.z, std::fabs(points[i].z));
            e.radius = std::max(e.radius, std::sqrt(points[i].x * points[i].x + points[i].y * points[i].y + points[i].z * points[i].z));
        }
        return e;
    }

    const mayahost::MeshData& meshOf(const char* shape) {
        return *mayahost::meshDataOf(*mayahost::Scene::current().findNode(shape));
    }
};

TEST_F(MayaScenes, LengthsComeInTheFileUnitForStoredMeshesTweaksAndEveryCreator) {
    // Sizes as a user typed them in the scene's unit; the stand-in holds centimetres, as Maya does.
    // Extents worked out by hand: a pyramid of side 2 has its base corners √2 from its axis and
    // (every edge 2 long) is √2 high; a prism of side 2 has its corners 2/√3 from its axis.
    const std::string creators =
        creator("cube", "polyCube", "\tsetAttr \".w\" 2;\n\tsetAttr \".h\" 3;\n\tsetAttr \".d\" 4;\n") +
        creator("plane", "polyPlane", "\tsetAttr \".w\" 2;\n\tsetAttr \".h\" 4;\n") +
        creator("sphere", "polySphere", "\tsetAttr \".r\" 2;\n") +
        creator("cylinder", "polyCylinder", "\tsetAttr \".r\" 1;\n\tsetAttr \".h\" 4;\n") +
        creator("cone", "polyCone", "\tsetAttr \".r\" 1;\n\tsetAttr \".h\" 4;\n") +
        creator("torus", "polyTorus", "\tsetAttr \".r\" 2;\n\tsetAttr \".sr\" 0.5;\n") +
        creator("pyramid", "polyPyramid", "\tsetAttr \".w\" 2;\n") +
        creator("prism", "polyPrism", "\tsetAttr \".l\" 3;\n\tsetAttr \".w\" 2;\n") +
        creator("pipe", "polyPipe", "\tsetAttr \".r\" 2;\n\tsetAttr \".h\" 1;\n\tsetAttr \".t\" 0.5;\n") +
        creator("solid", "polyPlatonicSolid", "\tsetAttr \".r\" 3;\n") +
        "createNode transform -n \"tweaked\";\ncreateNode mesh -n \"tweakedShape\" -p \"tweaked\";\n"
        "createNode polyCube -n \"tweakedCreator\";\n\tsetAttr \".w\" 2;\n\tsetAttr \".h\" 2;\n\tsetAttr \".d\" 2;\n"
        "createNode tweak -n \"tweak1\";\n\tsetAttr \".pl[0].cp[0]\" -type \"float3\" 0 -1 0;\n"
        "connectAttr \"tweakedCreator.out\" \"tweak1.ip[0].ig\";\nconnectAttr \"tweak1.og[0]\" \"tweakedShape.i\";\n" +
        "createNode transform -n \"tri\";\ncreateNode mesh -n \"triShape\" -p \"tri\";\n"
        "\tsetAttr -s 3 \".vt[0:2]\"  0 0 0 1 0 0 0 1 0;\n\tsetAttr \".pt[1]\" -type \"float3\" 0 1 0;\n"
        "\tsetAttr -s 3 \".ed[0:2]\"  0 1 0 1 2 0 2 0 0;\n\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2;\n";
    const std::pair<const char*, double> units[] = {{"meter", 100.0}, {"millimeter", 0.1}, {"inch", 2.54}, {"centimeter", 1.0}};
    struct Expected {
        const char* shape;
        double x, y, z, radius;  // in file units; negative where not checked
    };
    const double root2 = std::sqrt(2.0), prismRadius = 2 / std::sqrt(3.0);
    const Expected expected[] = {
        {"cubeShape", 1, 1.5, 2, -1},        {"planeShape", 1, 0, 2, -1},     {"sphereShape", 2, 2, 2, 2},
        {"cylinderShape", 1, 2, 1, -1},      {"coneShape", 1, 2, 1, -1},      {"torusShape", 2.5, 0.5, 2.5, 2.5},
        {"pyramidShape", root2, root2 / 2, root2, -1}, {"prismShape", prismRadius, 1.5, -1, -1},
        {"pipeShape", 2, 0.5, 2, -1},        {"solidShape", -1, -1, -1, 3},   {"triShape", 1, 1, 0, -1},
        {"tweakedShape", 1, 2, 1, -1},
    };
    for (const auto& unit : units) {
        loadText(kHeader + "currentUnit -l " + unit.first + " -a degree -t film;\n" + creators + "// End of saved.ma\n");
        for (const Expected& e : expected) {
            const Extent got = extentOf(e.shape);
            const double f = unit.second;
            if (e.x >= 0) {
                EXPECT_NEAR(got.x, e.x * f, 1e-9 * f) << unit.first << " " << e.shape;
            }
            if (e.y >= 0) {
                EXPECT_NEAR(got.y, e.y * f, 1e-9 * f) << unit.first << " " << e.shape;
            }
            if (e.z >= 0) {
                EXPECT_NEAR(got.z, e.z * f, 1e-9 * f) << unit.first << " " << e.shape;
            }
            if (e.radius >= 0) {
                EXPECT_NEAR(got.radius, e.radius * f, 1e-9 * f) << unit.first << " " << e.shape;
            }
        }
        EXPECT_TRUE(warnings().empty()) << unit.first;
    }
}

TEST_F(MayaScenes, PrimitivesHaveMayasCountsAndUvLayouts) {
    // Counts of Maya's default primitives: a sphere of 20 x 20 has 382 points, 400 faces and 439
    // UVs (a 21 x 19 grid and one UV per pole triangle); a cylinder with one cap ring has 42 points,
    // 60 faces and 84 UVs; a torus 400, 400 and a 21 x 21 grid.
    struct Case {
        const char* type;
        const char* settings;
        std::size_t points, faces, uvs;
    };
    const Case cases[] = {
        {"polyCube", "", 8, 6, 14},
        {"polyPlane", "", 121, 100, 121},
        {"polySphere", "", 382, 400, 439},
        {"polyCylinder", "\tsetAttr \".sc\" 1;\n", 42, 60, 84},
        {"polyCylinder", "", 40, 22, 82},                              // caps of one polygon each
        {"polyCylinder", "\tsetAttr \".sc\" 3;\n", 40 + 2 * 41, 20 + 2 * 60, 42 + 2 * 61},
        {"polyCone", "", 21, 21, 61},
        {"polyTorus", "", 400, 400, 441},
        {"polyPyramid", "", 5, 5, 13},
        {"polyPrism", "", 6, 5, 14},
        {"polyPipe", "", 80, 80, 105},
        {"polyPlatonicSolid", "", 20, 12, 60},                         // the dodecahedron
        {"polyPlatonicSolid", "\tsetAttr \".st\" 1;\n", 12, 20, 60},   // the icosahedron
        {"polyPlatonicSolid", "\tsetAttr \".st\" 3;\n", 4, 4, 12},     // the tetrahedron
        {"polySphere", "\tsetAttr \".cuv\" 0;\n", 382, 400, 0},
    };
    for (const Case& c : cases) {
        loadText(kHeader + creator("p", c.type, c.settings) + "// End of saved.ma\n");
        const mayahost::MeshData& mesh = meshOf("pShape");
        EXPECT_EQ(mesh.points.size(), c.points) << c.type << c.settings;
        EXPECT_EQ(mesh.polygonCount(), c.faces) << c.type << c.settings;
        EXPECT_EQ(mesh.uvSets.empty() ? 0 : mesh.uvSets[0].u.size(), c.uvs) << c.type << c.settings;
        if (c.uvs > 0) {
            EXPECT_EQ(mesh.uvSets[0].name, "map1");
        }
        // Closed primitives face out: every face's normal points away from the centre.
        if (std::string(c.type) == "polyPlane" || std::string(c.type) == "polyTorus" || std::string(c.type) == "polyPipe") continue;
        for (std::size_t p = 0; p < mesh.polygonCount(); ++p) {
            const std::uint32_t first = mesh.firstCorner(p), count = mesh.cornerCount(p);
            auto at = [&](std::size_t i) -> const std::array<double, 3>& { return mesh.points[std::size_t(mesh.cornerVertex[first + i])]; };
            const std::array<double, 3> normal = mayahost::newellNormal(at, count);
            double facing = 0;
            for (std::uint32_t i = 0; i < count; ++i) {
                for (std::size_t k = 0; k < 3; ++k) facing += normal[k] * at(i)[k];
            }
            EXPECT_GT(facing, 0.0) << c.type << c.settings << " face " << p;
        }
    }
    // The sphere's seam: ring point 0 has UVs at u 0 and u 1; the first pole triangle's pole UV sits
    // in the middle of its segment, (0.5 / 20, 0).
    loadText(kHeader + creator("p", "polySphere", "") + "// End of saved.ma\n");
    const mayahost::MeshData& sphere = meshOf("pShape");
    const auto& uvs = sphere.uvSets[0];
    std::vector<std::pair<float, float>> atPointZero;
    for (std::size_t corner = 0; corner < sphere.cornerVertex.size(); ++corner) {
        if (sphere.cornerVertex[corner] != 0) continue;
        const auto uv = std::make_pair(uvs.u[std::size_t(uvs.cornerUv[corner])], uvs.v[std::size_t(uvs.cornerUv[corner])]);
        if (std::find(atPointZero.begin(), atPointZero.end(), uv) == atPointZero.end()) atPointZero.push_back(uv);
    }
    std::sort(atPointZero.begin(), atPointZero.end());
    EXPECT_EQ(atPointZero, (std::vector<std::pair<float, float>>{{0.0f, 0.05f}, {1.0f, 0.05f}}));
    const std::uint32_t pole = sphere.firstCorner(360);  // the first bottom triangle, after 18 x 20 quads
    bool poleFound = false;
    for (std::uint32_t corner = pole; corner < pole + 3; ++corner) {
        if (sphere.cornerVertex[corner] != 380) continue;
        poleFound = true;
        EXPECT_FLOAT_EQ(uvs.u[std::size_t(uvs.cornerUv[corner])], 0.025f);
        EXPECT_FLOAT_EQ(uvs.v[std::size_t(uvs.cornerUv[corner])], 0.0f);
    }
    EXPECT_TRUE(poleFound);
}

TEST_F(MayaScenes, ColourSetsOfOneThreeAndFourComponentsRead) {
    // Maya writes rprt 1 (alpha) and rprt 3 (RGB) sets with one and three values a point; RGBA
    // sets (the default) with four. What a set lacks reads as 1.
    std::string text = kHeader;
    const std::pair<const char*, const char*> sets[] = {
        {"\tsetAttr \".clst[0].rprt\" 1;\n\tsetAttr -s 3 \".clst[0].clsp[0:2]\" 0.1 0.2 0.3;\n", "alpha"},
        {"\tsetAttr \".clst[0].rprt\" 3;\n\tsetAttr -s 3 \".clst[0].clsp[0:2]\" 1 0 0 0 1 0 0 0 1;\n", "rgb"},
        {"\tsetAttr -s 3 \".clst[0].clsp[0:2]\" 1 0 0 0.5 0 1 0 0.5 0 0 1 0.5;\n", "rgba"},
    };
    for (const auto& set : sets) {
        text += std::string("createNode transform -n \"") + set.second + "\";\ncreateNode mesh -n \"" + set.second +
                "Shape\" -p \"" + set.second + "\";\n\tsetAttr \".clst[0].clsn\" -type \"string\" \"colorSet1\";\n" + set.first +
                "\tsetAttr -s 3 \".vt[0:2]\"  0 0 0 1 0 0 0 1 0;\n\tsetAttr -s 3 \".ed[0:2]\"  0 1 0 1 2 0 2 0 0;\n"
                "\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2 mc 0 3 0 1 2;\n";
    }
    loadText(text + "// End of saved.ma\n");
    const std::pair<const char*, std::vector<std::array<float, 4>>> expected[] = {
        {"alphaShape", {{1, 1, 1, 0.1f}, {1, 1, 1, 0.2f}, {1, 1, 1, 0.3f}}},
        {"rgbShape", {{1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}}},
        {"rgbaShape", {{1, 0, 0, 0.5f}, {0, 1, 0, 0.5f}, {0, 0, 1, 0.5f}}},
    };
    for (const auto& shape : expected) {
        MColorArray colors;
        ASSERT_TRUE(MFnMesh(path(shape.first).node()).getColors(colors)) << shape.first;
        ASSERT_EQ(colors.length(), 3u) << shape.first;
        for (unsigned i = 0; i < 3; ++i) {
            const auto& c = shape.second[i];
            EXPECT_FLOAT_EQ(colors[i].r, c[0]) << shape.first << i;
            EXPECT_FLOAT_EQ(colors[i].g, c[1]) << shape.first << i;
            EXPECT_FLOAT_EQ(colors[i].b, c[2]) << shape.first << i;
            EXPECT_FLOAT_EQ(colors[i].a, c[3]) << shape.first << i;
        }
    }
    EXPECT_TRUE(warnings().empty());
}

TEST_F(MayaScenes, MayasOwnNodesAndTypesNeedNoWarning) {
    // The tail of a scene saved by Maya 2024 (default nodes it selects by name, its default
    // materials' values), node types that ship with Maya, an attribute alias list, and a type a
    // plug-in brings (named once, with its plug-in).
    loadText(kHeader +
             "requires -nodeType \"aiOptions\" -nodeType \"aiAOVDriver\" \"mtoa\" \"5.3.4.1\";\n"
             "createNode aiOptions -s -n \"defaultArnoldRenderOptions\";\ncreateNode aiOptions -n \"second\";\n"
             "createNode pairBlend -n \"pairBlend1\";\ncreateNode clipLibrary -n \"clipLibrary1\";\n"
             "createNode displacementShader -n \"displacementShader1\";\ncreateNode bump3d -n \"bump3d1\";\n"
             "createNode surfaceShader -n \"surfaceShader1\";\ncreateNode standardSurface -n \"standardSurface2\";\n"
             "createNode blendShape -n \"blendShape1\";\n"
             "\tsetAttr \".aal\" -type \"attributeAlias\" {\"smile\",\"weight[0]\",\"frown\",\"weight[1]\"} ;\n"
             "createNode transform -n \"rig\";\ncreateNode parentConstraint -n \"rig_parentConstraint1\" -p \"rig\";\n"
             "createNode instancer -n \"instancer1\";\n"
             "select -ne :time1;\n\tsetAttr \".o\" 1;\nselect -ne :standardSurface1;\n"
             "\tsetAttr \".bc\" -type \"float3\" 0.40000001 0.40000001 0.40000001 ;\n\tsetAttr \".sr\" 0.5;\n"
             "select -ne :openPBR_shader1;\n\tsetAttr \".sr\" 0.5;\nselect -ne :initialShadingGroup;\n\tsetAttr \".ro\" yes;\n"
             "select -ne :initialParticleSE;\n\tsetAttr \".ro\" yes;\nselect -ne :initialMaterialInfo;\n"
             "select -ne :defaultRenderGlobals;\n\tsetAttr \".ren\" -type \"string\" \"arnold\";\n"
             "// End of saved.ma\n");
    EXPECT_EQ(warnings(), (std::vector<std::string>{"saved.ma:4: node type 'aiOptions' comes from the plug-in 'mtoa', which "
                                                    "is not loaded here; its nodes are kept without their type's attributes"}));
    EXPECT_TRUE(path("rig|rig_parentConstraint1").isValid());
}
