// Polygons as the stand-in triangulates them: concave outlines and holes.
#include "SceneFixture.h"

#include "geometry/MeshData.h"

#include <maya/MFnMesh.h>
#include <maya/MItMeshPolygon.h>
#include <maya/MFloatVectorArray.h>
#include <maya/MPointArray.h>

#include <algorithm>
#include <cmath>

namespace {

const std::string kHeader = "//Maya ASCII 2016 scene\nrequires maya \"2016\";\n";

double triangleArea(const MPointArray& p) {
    const double ux = p[1].x - p[0].x, uy = p[1].y - p[0].y, vx = p[2].x - p[0].x, vy = p[2].y - p[0].y;
    return 0.5 * (ux * vy - uy * vx);
}

}  // namespace

TEST_F(SceneTest, ConcavePolygonsAndHolesBecomeTrianglesThatCoverThemExactly) {
    // An L of six corners (area 3), a 4 x 4 square with a 2 x 2 hole (area 12), and a 2 x 2 square
    // whose sides are halved by points on them (area 4, no triangle may lie flat along a side),
    // all facing +Z.
    const std::string text = kHeader +
        "createNode transform -n \"shapes\";\ncreateNode mesh -n \"shapesShape\" -p \"shapes\";\n"
        "\tsetAttr -s 22 \".vt[0:21]\"  0 0 0 2 0 0 2 1 0 1 1 0 1 2 0 0 2 0  10 0 0 14 0 0 14 4 0 10 4 0"
        "  11 1 0 11 3 0 13 3 0 13 1 0  20 0 0 21 0 0 22 0 0 22 1 0 22 2 0 21 2 0 20 2 0 20 1 0;\n"
        "\tsetAttr -s 22 \".ed[0:21]\"  0 1 0 1 2 0 2 3 0 3 4 0 4 5 0 5 0 0  6 7 0 7 8 0 8 9 0 9 6 0"
        "  10 11 0 11 12 0 12 13 0 13 10 0  14 15 0 15 16 0 16 17 0 17 18 0 18 19 0 19 20 0 20 21 0 21 14 0;\n"
        "\tsetAttr -s 3 \".fc[0:2]\" -type \"polyFaces\" f 6 0 1 2 3 4 5 f 4 6 7 8 9 h 4 10 11 12 13"
        " f 8 14 15 16 17 18 19 20 21;\n"
        "// End of shapes.ma\n";
    std::string error;
    ASSERT_TRUE(mayahost::loadMayaAsciiText(text, "shapes.ma", mayahost::Scene::current(), error)) << error;
    MItMeshPolygon polygons(path("shapesShape").node());
    const int expectedTriangles[] = {4, 8, 6};
    const double expectedArea[] = {3.0, 12.0, 4.0};
    for (unsigned p = 0; !polygons.isDone(); polygons.next(), ++p) {
        int count = 0;
        polygons.numTriangles(count);
        EXPECT_EQ(count, expectedTriangles[p]);
        double area = 0.0;
        for (int t = 0; t < count; ++t) {
            MPointArray points;
            MIntArray vertices;
            ASSERT_TRUE(polygons.getTriangle(t, points, vertices));
            const double a = triangleArea(points);
            EXPECT_GT(a, 0.0) << "polygon " << p << " triangle " << t;  // none folded over
            area += a;
        }
        EXPECT_NEAR(area, expectedArea[p], 1e-9) << "polygon " << p;
    }
    EXPECT_EQ(MFnMesh(path("shapesShape").node()).numPolygons(), 3);
    EXPECT_TRUE(warnings().empty());
}

TEST_F(SceneTest, HistoryNodesAndTweaksChangeWhatTheShapeShows) {
    // A unit cube through polyTriangulate and transformGeometry (moved 5 along x), with a tweak on
    // the shape that lifts point 3 by 1.
    const std::string text = kHeader +
        "createNode transform -n \"cube\";\ncreateNode mesh -n \"cubeShape\" -p \"cube\";\n"
        "\tsetAttr -s 4 \".pt\";\n\tsetAttr \".pt[3]\" -type \"float3\" 0 1 0 ;\n"
        "createNode polyCube -n \"polyCube1\";\n"
        "createNode polyTriangulate -n \"polyTriangulate1\";\n"
        "createNode transformGeometry -n \"transformGeometry1\";\n"
        "\tsetAttr \".txf\" -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 5 0 0 1;\n"
        "connectAttr \"polyCube1.out\" \"polyTriangulate1.ip\";\n"
        "connectAttr \"polyTriangulate1.out\" \"transformGeometry1.ig\";\n"
        "connectAttr \"transformGeometry1.og\" \"cubeShape.i\";\n"
        "// End of history.ma\n";
    std::string error;
    ASSERT_TRUE(mayahost::loadMayaAsciiText(text, "history.ma", mayahost::Scene::current(), error)) << error;
    const MFnMesh mesh(path("cubeShape").node());
    EXPECT_EQ(mesh.numPolygons(), 12);
    EXPECT_EQ(mesh.numVertices(), 8);
    MPointArray points;
    mesh.getPoints(points);
    EXPECT_EQ(points[0].x, 4.5);
    EXPECT_EQ(points[3].y, 1.5);  // (0.5, 0.5, 0.5) moved, then lifted
    // The diagonals polyTriangulate adds are soft and the cube's edges stay hard: both triangles of
    // the front face share the face normal; point 1's corners on the front and on the +X side differ.
    MFloatVectorArray normals;
    mesh.getNormals(normals);
    MItMeshPolygon polygons(path("cubeShape").node());
    const MFloatVector& front = normals[unsigned(polygons.normalIndex(0))];
    EXPECT_FLOAT_EQ(front.z, 1.0f);
    polygons.next();
    EXPECT_FLOAT_EQ(normals[unsigned(polygons.normalIndex(0))].z, 1.0f);
    EXPECT_TRUE(warnings().empty());
}

TEST_F(SceneTest, SoftEdgesAverageNormalsAsTheWeightingSays) {
    // Two faces meeting at a soft edge along Y at x = 0: a unit square in the XY plane (normal +Z)
    // and a 2 x 1 rectangle folded up to face +X. The shared corners' normal is their weighted sum.
    auto sharedNormal = [&](int method) {
        const std::string text = kHeader +
            "createNode transform -n \"fold\";\ncreateNode mesh -n \"foldShape\" -p \"fold\";\n"
            "\tsetAttr \".vnm\" " + std::to_string(method) + ";\n"
            "\tsetAttr -s 6 \".vt[0:5]\"  -1 0 0 0 0 0 0 1 0 -1 1 0 0 0 -2 0 1 -2;\n"
            "\tsetAttr -s 7 \".ed[0:6]\"  0 1 0 1 2 1 2 3 0 3 0 0 1 4 0 4 5 0 5 2 0;\n"
            "\tsetAttr -s 2 \".fc[0:1]\" -type \"polyFaces\" f 4 0 1 2 3 f 4 4 5 6 -2;\n"
            "// End of fold.ma\n";
        std::string error;
        EXPECT_TRUE(mayahost::loadMayaAsciiText(text, "fold.ma", mayahost::Scene::current(), error)) << error;
        MFloatVectorArray normals;
        MFnMesh(path("foldShape").node()).getNormals(normals);
        MItMeshPolygon firstFace(path("foldShape").node());
        return normals[unsigned(firstFace.normalIndex(1))];  // the first face's corner at point 1, on the soft edge
    };
    // Unweighted: halfway between +Z and +X. By area (1 against 2) the larger face leans the normal
    // its way: (2, 0, 1) / sqrt 5.
    const MFloatVector unweighted = sharedNormal(0);
    EXPECT_NEAR(unweighted.x, 0.70710678f, 1e-6f);
    EXPECT_NEAR(unweighted.z, 0.70710678f, 1e-6f);
    const MFloatVector byArea = sharedNormal(2);
    EXPECT_NEAR(byArea.x, 2.0f / std::sqrt(5.0f), 1e-6f);
    EXPECT_NEAR(byArea.z, 1.0f / std::sqrt(5.0f), 1e-6f);
}

TEST_F(SceneTest, SkinClustersBlendTheirInfluencesFromTheBindPose) {
    // A triangle bound to two joints: "a" turned 90 degrees about Z and bound where it stands at
    // the origin; "b" bound at z 3 and now at z 5. Point 0 follows a, point 2 follows b, point 1
    // half each: a takes (1, 1, 0) to (-1, 1, 0), b lifts it by 2, their mean is (0, 1, 1).
    auto skinnedPoints = [&](const char* envelope) {
        const std::string text = kHeader +
            "createNode joint -n \"a\";\n\tsetAttr \".r\" -type \"double3\" 0 0 90;\n"
            "createNode joint -n \"b\";\n\tsetAttr \".t\" -type \"double3\" 0 0 5;\n"
            "createNode transform -n \"tri\";\ncreateNode mesh -n \"triShape\" -p \"tri\";\n"
            "createNode mesh -n \"triShapeOrig\" -p \"tri\";\n\tsetAttr \".io\" yes;\n"
            "\tsetAttr -s 3 \".vt[0:2]\"  1 0 0 1 1 0 0 1 0;\n"
            "\tsetAttr -s 3 \".ed[0:2]\"  0 1 0 1 2 0 2 0 0;\n"
            "\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2;\n"
            "createNode skinCluster -n \"skinCluster1\";\n"
            "\tsetAttr \".en\" " + std::string(envelope) + ";\n"
            "\tsetAttr -s 3 \".wl\";\n\tsetAttr \".wl[0:2].w\"  1 0 1  2 0 0.5 1 0.5  1 1 1;\n"
            "\tsetAttr -s 2 \".pm\";\n"
            "\tsetAttr \".pm[0]\" -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1;\n"
            "\tsetAttr \".pm[1]\" -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 0 0 -3 1;\n"
            "connectAttr \"a.wm\" \"skinCluster1.ma[0]\";\nconnectAttr \"b.wm\" \"skinCluster1.ma[1]\";\n"
            "connectAttr \"triShapeOrig.w\" \"skinCluster1.ip[0].ig\";\n"
            "connectAttr \"skinCluster1.og[0]\" \"triShape.i\";\n// End of skin.ma\n";
        std::string error;
        EXPECT_TRUE(mayahost::loadMayaAsciiText(text, "skin.ma", mayahost::Scene::current(), error)) << error;
        MPointArray points;
        MFnMesh(path("triShape").node()).getPoints(points);
        return points;
    };
    auto expectPoint = [](const MPoint& point, double x, double y, double z) {
        EXPECT_NEAR(point.x, x, 1e-12);
        EXPECT_NEAR(point.y, y, 1e-12);
        EXPECT_NEAR(point.z, z, 1e-12);
    };
    const MPointArray full = skinnedPoints("1");
    ASSERT_EQ(full.length(), 3u);
    expectPoint(full[0], 0, 1, 0);
    expectPoint(full[1], 0, 1, 1);
    expectPoint(full[2], 0, 1, 2);
    // Half the envelope stops halfway between where the points were bound and where they go.
    const MPointArray half = skinnedPoints("0.5");
    expectPoint(half[0], 0.5, 0.5, 0);
    expectPoint(half[1], 0.5, 1, 0.5);
    expectPoint(half[2], 0, 1, 1);
    EXPECT_TRUE(warnings().empty());
}

TEST_F(SceneTest, CreatorsTurnTheirUpAxisToTheAxisOption) {
    // A 2 x 4 plane (width along X, height along Z) made with its normal along each axis option:
    // +X turns the width onto -Y, +Z turns the height onto -Y, -Y is half a turn about X.
    struct Case {
        const char* axis;
        double extent[3];
        float normal[3];
    };
    const Case cases[] = {
        {"0 1 0", {1, 0, 2}, {0, 1, 0}},
        {"1 0 0", {0, 1, 2}, {1, 0, 0}},
        {"0 0 1", {1, 2, 0}, {0, 0, 1}},
        {"0 -1 0", {1, 0, 2}, {0, -1, 0}},
    };
    for (const Case& c : cases) {
        const std::string text = kHeader +
            "createNode transform -n \"plane\";\ncreateNode mesh -n \"planeShape\" -p \"plane\";\n"
            "createNode polyPlane -n \"polyPlane1\";\n\tsetAttr \".w\" 2;\n\tsetAttr \".h\" 4;\n"
            "\tsetAttr \".sw\" 1;\n\tsetAttr \".sh\" 1;\n"
            "\tsetAttr \".ax\" -type \"double3\" " + std::string(c.axis) + ";\n"
            "connectAttr \"polyPlane1.out\" \"planeShape.i\";\n// End of plane.ma\n";
        std::string error;
        ASSERT_TRUE(mayahost::loadMayaAsciiText(text, "plane.ma", mayahost::Scene::current(), error)) << error;
        const MFnMesh mesh(path("planeShape").node());
        MPointArray points;
        mesh.getPoints(points);
        ASSERT_EQ(points.length(), 4u) << c.axis;
        double extent[3] = {0, 0, 0};
        for (unsigned i = 0; i < points.length(); ++i) {
            const double coordinates[3] = {points[i].x, points[i].y, points[i].z};
            for (int k = 0; k < 3; ++k) extent[k] = std::max(extent[k], std::fabs(coordinates[k]));
        }
        MFloatVectorArray normals;
        mesh.getNormals(normals);
        ASSERT_GT(normals.length(), 0u);
        const float normal[3] = {normals[0].x, normals[0].y, normals[0].z};
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(extent[k], c.extent[k], 1e-12) << c.axis << " axis " << k;
            EXPECT_NEAR(normal[k], c.normal[k], 1e-6f) << c.axis << " axis " << k;
        }
    }
}

namespace {

// A face of the XY plane: a `columns` x `rows` grid of unit holes two apart inside an outline
// around them, the holes turning either way. Its area is the outline's less one per hole.
struct HoledFace {
    std::vector<std::array<double, 3>> points;
    std::vector<std::uint32_t> loopStarts;
    double area;
};

HoledFace holedFace(int columns, int rows) {
    HoledFace face;
    const double width = 2.0 * columns + 1, height = 2.0 * rows + 1;
    face.points = {{0, 0, 0}, {width, 0, 0}, {width, height, 0}, {0, height, 0}};
    face.loopStarts = {0};
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            face.loopStarts.push_back(std::uint32_t(face.points.size()));
            const double x = 2.0 * i + 1, y = 2.0 * j + 1;
            std::vector<std::array<double, 3>> square = {{x, y, 0}, {x, y + 1, 0}, {x + 1, y + 1, 0}, {x + 1, y, 0}};
            if ((i + j) % 2) std::reverse(square.begin(), square.end());
            face.points.insert(face.points.end(), square.begin(), square.end());
        }
    }
    face.loopStarts.push_back(std::uint32_t(face.points.size()));
    face.area = width * height - columns * rows;
    return face;
}

}  // namespace

TEST(Triangulation, ManyHolesGiveTrianglesThatNeitherOverlapNorFold) {
    // Two holes in one column, a 2 x 2 grid, and 40 x 25 holes: if no triangle runs across a hole
    // or folds over, the signed area (each triangle counted with its turn) equals the unsigned one
    // and the face's own.
    for (const auto& size : std::vector<std::pair<int, int>>{{1, 2}, {2, 2}, {40, 25}}) {
        const HoledFace face = holedFace(size.first, size.second);
        const std::vector<std::uint32_t> triangles = mayahost::triangulatePolygon(face.points, face.loopStarts);
        double signedArea = 0, unsignedArea = 0;
        for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
            const auto& a = face.points[triangles[t]];
            const auto& b = face.points[triangles[t + 1]];
            const auto& c = face.points[triangles[t + 2]];
            const double area = 0.5 * ((b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]));
            signedArea += area;
            unsignedArea += std::fabs(area);
        }
        EXPECT_NEAR(signedArea, face.area, 1e-6) << size.first << " x " << size.second;
        EXPECT_NEAR(unsignedArea, face.area, 1e-6) << size.first << " x " << size.second;
        // A polygon of n corners and h holes is n + 2h - 2 triangles.
        EXPECT_EQ(triangles.size() / 3, face.points.size() + 2 * (face.loopStarts.size() - 2) - 2);
    }
}
