// Polygons as the stand-in triangulates them: concave outlines and holes.
#include "SceneFixture.h"

#include <maya/MFnMesh.h>
#include <maya/MItMeshPolygon.h>
#include <maya/MPointArray.h>

namespace {

const std::string kHeader = "//Maya ASCII 2016 scene\nrequires maya \"2016\";\n";

double triangleArea(const MPointArray& p) {
    const double ux = p[1].x - p[0].x, uy = p[1].y - p[0].y, vx = p[2].x - p[0].x, vy = p[2].y - p[0].y;
    return 0.5 * (ux * vy - uy * vx);
}

}  // namespace

TEST_F(SceneTest, ConcavePolygonsAndHolesBecomeTrianglesThatCoverThemExactly) {
    // An L of six corners (area 3) and a 4 x 4 square with a 2 x 2 hole (area 12), both facing +Z.
    const std::string text = kHeader +
        "createNode transform -n \"shapes\";\ncreateNode mesh -n \"shapesShape\" -p \"shapes\";\n"
        "\tsetAttr -s 14 \".vt[0:13]\"  0 0 0 2 0 0 2 1 0 1 1 0 1 2 0 0 2 0  10 0 0 14 0 0 14 4 0 10 4 0"
        "  11 1 0 11 3 0 13 3 0 13 1 0;\n"
        "\tsetAttr -s 14 \".ed[0:13]\"  0 1 0 1 2 0 2 3 0 3 4 0 4 5 0 5 0 0  6 7 0 7 8 0 8 9 0 9 6 0"
        "  10 11 0 11 12 0 12 13 0 13 10 0;\n"
        "\tsetAttr -s 2 \".fc[0:1]\" -type \"polyFaces\" f 6 0 1 2 3 4 5 f 4 6 7 8 9 h 4 10 11 12 13;\n"
        "// End of shapes.ma\n";
    std::string error;
    ASSERT_TRUE(mayahost::loadMayaAsciiText(text, "shapes.ma", mayahost::Scene::current(), error)) << error;
    MItMeshPolygon polygons(path("shapesShape").node());
    const int expectedTriangles[] = {4, 8};
    const double expectedArea[] = {3.0, 12.0};
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
    EXPECT_EQ(MFnMesh(path("shapesShape").node()).numPolygons(), 2);
    EXPECT_TRUE(warnings().empty());
}
