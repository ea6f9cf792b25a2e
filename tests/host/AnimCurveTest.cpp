// Animation curves between and outside their keys, per tangent type, with values worked out by
// hand from the Hermite and Bezier forms of a span and Maya's rules for its tangents.
#include "SceneFixture.h"

#include <maya/MFnAnimCurve.h>

#include <cmath>
#include <string>

namespace {

// A film-rate (24 fps) scene holding one curve "c" with these keys and further attributes.
void loadCurve(const std::string& type, const std::string& keys, const std::string& extra) {
    const std::string text = "//Maya ASCII 2022 scene\nrequires maya \"2022\";\ncurrentUnit -l centimeter -a degree -t film;\n"
                             "createNode " + type + " -n \"c\";\n\tsetAttr \".ktv[0:" + keys + ";\n" + extra +
                             "// End of curve.ma\n";
    std::string error;
    ASSERT_TRUE(mayahost::loadMayaAsciiText(text, "curve.ma", mayahost::Scene::current(), error)) << error;
}

MFnAnimCurve curve() {
    MSelectionList list;
    list.add("c");
    MObject object;
    list.getDependNode(0, object);
    return MFnAnimCurve(object);
}

double at(double frame) {
    double value = NAN;
    EXPECT_TRUE(curve().evaluate(MTime(frame, MTime::kFilm), value));
    return value;
}

}  // namespace

TEST_F(SceneTest, EachTangentTypeShapesItsSpans) {
    // Keys (0, 0), (1, 9), (10, 10), all of one type. The middle key's tangents: a spline's slope
    // is that through its neighbours, 10 / 10 = 1; clamped keeps it (no neighbour within 0.05);
    // auto caps it at three times the slope to the next key, 3 * 1 / 9 = 1/3; plateau lies flat
    // because the spline's control point would rise past the last key. The last key: spline and
    // clamped aim at the key before (1/9), auto and plateau lie flat. Halfway along the span
    // from frame 1 to 10 the Hermite form gives 9.5 + 1.125 * (m0 - m1), slopes per frame.
    struct Case {
        int type;
        double halfway;
    };
    const Case cases[] = {{9, 10.5}, {10, 10.5}, {18, 9.875}, {11, 9.5}, {2, 9.5}, {3, 9.5}, {5, 9.0}, {17, 10.0}};
    for (const Case& c : cases) {
        const std::string type = std::to_string(c.type);
        loadCurve("animCurveTU", "2]\"  0 0 1 9 10 10", "\tsetAttr \".wgt\" no;\n\tsetAttr \".tan\" " + type + ";\n");
        EXPECT_NEAR(at(5.5), c.halfway, 1e-12) << "tangent type " << type;
        EXPECT_DOUBLE_EQ(at(1.0), 9.0) << "tangent type " << type;
        mayahost::resetScene();
    }
    // Clamped lies flat where a neighbour is within 0.05: (10, 5) beside (20, 5.03).
    loadCurve("animCurveTU", "2]\"  0 0 10 5 20 5.03", "\tsetAttr \".wgt\" no;\n\tsetAttr \".tan\" 10;\n");
    float x = 0, y = 1;
    ASSERT_TRUE(curve().getTangent(1, x, y, false));
    EXPECT_FLOAT_EQ(x, 10.0f / 24.0f);  // as long as the span, in seconds
    EXPECT_EQ(y, 0.0f);
}

TEST_F(SceneTest, AutoTangentsMatchTheOnesMayaSaved) {
    // From a scene saved by Maya (film rate): a rotation keyed (182, 0) (185, 28.213...) (188,
    // 27.064...) (193, 0.7117...) (201, 0) whose auto tangents were baked into fixed ones. The key
    // at 188 was saved as (0.901164710521698, -0.43347668647766113) and the one at 193 as
    // (0.99380815029144287, -0.11110987514257431), seconds against radians: the slopes our auto
    // rule gives are those. The peak at 185 and the end keys lie flat.
    loadCurve("animCurveTA",
              "4]\"  182 0 185 28.213159561157227 188 27.064813613891602 193 0.71175450086593628 201 0",
              "\tsetAttr \".wgt\" no;\n\tsetAttr \".tan\" 18;\n");
    const double saved[][2] = {{1, 0}, {1, 0}, {0.901164710521698, -0.43347668647766113},
                               {0.99380815029144287, -0.11110987514257431}, {1, 0}};
    for (unsigned key = 0; key < 5; ++key) {
        for (bool in : {true, false}) {
            float x = 0, y = 0;
            ASSERT_TRUE(curve().getTangent(key, x, y, in));
            EXPECT_NEAR(double(y) / double(x), saved[key][1] / saved[key][0], 2e-6) << "key " << key;
        }
    }
}

TEST_F(SceneTest, FixedTangentsAreSecondsAgainstValuesAndWeightsBendWeightedSpans) {
    // Keys (0, 0) and (10, 0); the first leaves at 2 per frame (saved as 20 over 10/24 seconds),
    // the second arrives level over 10 frames. Without weights only the slope counts: halfway,
    // 0.125 * 2 * 10 = 2.5. With weights the control points sit a third along the tangents, at
    // (6.667, 13.333) and (6.667, 0) once the tangents are 20 frames long: the Bezier's time is
    // halfway at u = 0.5, where its value is 3 * 0.25 * 0.5 * 13.333 = 5.
    const std::string keys = "1]\"  0 0 10 0";
    const std::string fixed = "\tsetAttr \".tan\" 1;\n\tsetAttr \".kix[0:1]\" 1 0.41666666666666669;\n"
                              "\tsetAttr \".kiy[0:1]\" 0 0;\n";
    loadCurve("animCurveTL", keys, "\tsetAttr \".wgt\" no;\n" + fixed + "\tsetAttr \".kox[0:1]\" 0.41666666666666669 1;\n"
                                   "\tsetAttr \".koy[0:1]\" 20 0;\n");
    EXPECT_NEAR(at(5.0), 2.5, 1e-12);
    mayahost::resetScene();
    loadCurve("animCurveTL", keys, "\tsetAttr \".wgt\" yes;\n\tsetAttr \".tan\" 1;\n"
                                   "\tsetAttr \".kix[0:1]\" 1 0.83333333333333337;\n\tsetAttr \".kiy[0:1]\" 0 0;\n"
                                   "\tsetAttr \".kox[0:1]\" 0.83333333333333337 1;\n\tsetAttr \".koy[0:1]\" 40 0;\n");
    EXPECT_TRUE(curve().isWeighted());
    EXPECT_NEAR(at(5.0), 5.0, 1e-9);
    // A tangent reaching four spans ahead is pulled back so that the span never turns back in
    // time: every value is defined and above the keys.
    mayahost::resetScene();
    loadCurve("animCurveTL", keys, "\tsetAttr \".wgt\" yes;\n\tsetAttr \".tan\" 1;\n"
                                   "\tsetAttr \".kix[0:1]\" 1 0;\n\tsetAttr \".kiy[0:1]\" 0 0;\n"
                                   "\tsetAttr \".kox[0:1]\" 5 1;\n\tsetAttr \".koy[0:1]\" 40 0;\n");
    for (int frame = 1; frame < 10; ++frame) EXPECT_GT(at(frame), 0.0) << frame;
}

TEST_F(SceneTest, InfinitiesRepeatOrContinueTheKeyedRange) {
    // A linear ramp (0, 0) (10, 10): cycled, frame 25 is frame 5 again and -3 is 7; with offset
    // each cycle adds the range's rise (25 and -3); oscillating, frame 13 runs back to 7, frame 25
    // forward again to 5, and -3 is mirrored to 3; linear continues the end tangents.
    struct Case {
        int infinity;
        double before, after13, after25;
    };
    const Case cases[] = {{3, 7, 3, 5}, {4, -3, 13, 25}, {5, 3, 7, 5}, {1, -3, 13, 25}, {0, 0, 10, 10}};
    for (const Case& c : cases) {
        const std::string infinity = std::to_string(c.infinity);
        loadCurve("animCurveTU", "1]\"  0 0 10 10",
                  "\tsetAttr \".tan\" 2;\n\tsetAttr \".pre\" " + infinity + ";\n\tsetAttr \".pst\" " + infinity + ";\n");
        EXPECT_NEAR(at(-3.0), c.before, 1e-12) << "infinity " << infinity;
        EXPECT_NEAR(at(13.0), c.after13, 1e-12) << "infinity " << infinity;
        EXPECT_NEAR(at(25.0), c.after25, 1e-12) << "infinity " << infinity;
        mayahost::resetScene();
    }
}
