#include "SceneFixture.h"

#include <maya/MColor.h>
#include <maya/MFnAnimCurve.h>
#include <maya/MFnCharacter.h>
#include <maya/MFnClip.h>
#include <maya/MFnBlinnShader.h>
#include <maya/MFnDagNode.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MFnPhongShader.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MIntArray.h>
#include <maya/MItDag.h>
#include <maya/MTime.h>

#include <cmath>

TEST_F(SceneTest, JointLimitsAndBindPoseMatrices) {
    load("joint_limits.ma");
    MFnTransform shoulder(path("shoulder"));
    EXPECT_TRUE(shoulder.isLimited(MFnTransform::kRotateMinX));
    EXPECT_NEAR(shoulder.limitValue(MFnTransform::kRotateMinX), -M_PI / 4, 1e-12);
    EXPECT_TRUE(shoulder.isLimited(MFnTransform::kTranslateMaxY));
    EXPECT_DOUBLE_EQ(shoulder.limitValue(MFnTransform::kTranslateMaxY), 2.5);
    EXPECT_FALSE(shoulder.isLimited(MFnTransform::kRotateMaxX));
    EXPECT_NEAR(shoulder.limitValue(MFnTransform::kRotateMaxX), 2 * M_PI, 1e-12);  // Maya's default

    MObject bindPose = shoulder.findPlug("bindPose", true).asMObject();
    MFnMatrixData matrix(bindPose);
    EXPECT_DOUBLE_EQ(matrix.matrix()[3][1], 10.0);
    EXPECT_TRUE(matrix.transformation().getTranslation(MSpace::kTransform).isEquivalent(MVector(0, 10, 0)));
    EXPECT_TRUE(MFnTransform(path("elbow")).getTranslation(MSpace::kWorld).isEquivalent(MVector(4, 10, 0)));
}

TEST_F(SceneTest, TransformsCanBeSetAndResetFromTheirRestPosition) {
    load("transform_stack.ma");
    MFnTransform child(path("child"));
    const MTransformationMatrix original = child.transformation();
    ASSERT_TRUE(child.setRestPosition(original));
    child.setTranslation(MVector(7, 8, 9), MSpace::kTransform);
    child.setRotation(MEulerRotation(0.5, 0, 0, MEulerRotation::kYZX));
    EXPECT_TRUE(child.getTranslation(MSpace::kTransform).isEquivalent(MVector(7, 8, 9)));
    EXPECT_EQ(child.rotationOrder(), MTransformationMatrix::kYZX);
    ASSERT_TRUE(child.resetFromRestPosition());
    EXPECT_TRUE(child.transformation().asMatrix().isEquivalent(original.asMatrix()));
    EXPECT_TRUE(child.restPosition().asMatrix().isEquivalent(original.asMatrix()));
}

TEST_F(SceneTest, DagQueriesAndTheIterator) {
    load("joint_limits.ma");
    MFnDagNode hidden(path("hidden"));
    EXPECT_EQ(hidden.childCount(), 1u);
    MFnDagNode orig(hidden.child(0));
    EXPECT_TRUE(orig.isIntermediateObject());
    EXPECT_FALSE(orig.inUnderWorld());
    EXPECT_FALSE(hidden.findPlug("visibility", true).asBool());
    EXPECT_EQ(MFnDagNode(orig.parent(0)).name(), "hidden");

    // "parent -w" moved lampChild to the world; "rename" then named lamp lantern.
    EXPECT_EQ(path("lampChild").fullPathName(), "|lampChild");
    EXPECT_EQ(MFnDagNode(path("lantern")).childCount(), 0u);

    std::vector<std::string> visited;
    for (MItDag it(MItDag::kDepthFirst, MFn::kTransform); !it.isDone(); it.next()) {
        MDagPath current;
        it.getPath(current);
        visited.push_back(current.partialPathName().asChar());
        if (visited.back() == "shoulder") it.prune();
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"persp", "top", "front", "side", "shoulder", "hidden", "lantern",
                                                 "lampChild"}));
    MItDag all;
    EXPECT_TRUE(MFnDagNode(all.currentItem()).object().hasFn(MFn::kWorld));
}

TEST_F(SceneTest, DefaultNodesTakeTheirValuesThroughSelect) {
    load("joint_limits.ma");
    MSelectionList list;
    ASSERT_TRUE(list.add("time1"));
    MObject time;
    list.getDependNode(0, time);
    MFnDependencyNode timeNode(time);
    EXPECT_TRUE(timeNode.isDefaultNode());
    EXPECT_DOUBLE_EQ(timeNode.findPlug("outTime", true).asDouble(), 12.0);
    ASSERT_TRUE(list.add(":defaultResolution"));
    MObject resolution;
    list.getDependNode(1, resolution);
    EXPECT_EQ(MFnDependencyNode(resolution).findPlug("w", true).asInt(), 1920);
}

TEST_F(SceneTest, PlugsCanBeWrittenAndWalked) {
    load("extra_attributes.ma");
    MSelectionList list;
    list.add("crateShape");
    MObject shapeNode;
    list.getDependNode(0, shapeNode);
    MFnDependencyNode shape(shapeNode);
    MPlug vertices = shape.findPlug("vt", true);
    MIntArray indices;
    EXPECT_EQ(vertices.getExistingArrayAttributeIndices(indices), 4u);
    EXPECT_EQ(indices[3], 3);
    MPlug third = vertices.elementByPhysicalIndex(3);
    EXPECT_EQ(third.logicalIndex(), 3u);
    EXPECT_EQ(third.array(), vertices);
    EXPECT_EQ(third.child(2).parent(), third);
    EXPECT_EQ(third.partialName(), "vt[3]");

    MPlug mass = MFnDependencyNode(path("crate").node()).findPlug("q5X_mass", true);
    ASSERT_TRUE(mass.setValue(3.25));
    EXPECT_DOUBLE_EQ(mass.asDouble(), 3.25);
    MPlug tag = MFnDependencyNode(path("crate").node()).findPlug("q5X_tag", true);
    ASSERT_TRUE(tag.setValue(MString("steel")));
    EXPECT_EQ(tag.asString(), "steel");
    EXPECT_FALSE(tag.isConnected());
}

TEST_F(SceneTest, SelectCommandDrivesTheActiveSelection) {
    load("duplicate_names.ma");
    std::string result;
    ASSERT_TRUE(mayahost::runCommandLine("select -r \"|a|box\" \"lid\"", result));
    MSelectionList selection;
    MGlobal::getActiveSelectionList(selection);
    ASSERT_EQ(selection.length(), 2u);
    MDagPath first;
    selection.getDagPath(0, first);
    EXPECT_EQ(first.fullPathName(), "|a|box");
    ASSERT_TRUE(mayahost::runCommandLine("select -add \"unique\"", result));
    MGlobal::getActiveSelectionList(selection);
    EXPECT_EQ(selection.length(), 3u);
    EXPECT_FALSE(mayahost::runCommandLine("select -r \"nothing\"", result));
    EXPECT_FALSE(mayahost::runCommandLine("select -r \"box\"", result));  // ambiguous
}

TEST_F(SceneTest, ShadersAndColoursAnswerInTheirModels) {
    // HSV of (0.2, 0.5, 0.1): green is largest, so hue = 60 * ((b - r) / range + 2) = 105 degrees,
    // saturation = range / max = 0.8, value = max = 0.5.
    float h = 0, s = 0, v = 0;
    ASSERT_TRUE(MColor(0.2f, 0.5f, 0.1f).get(MColor::kHSV, h, s, v));
    EXPECT_FLOAT_EQ(h, 105.0f);
    EXPECT_FLOAT_EQ(s, 0.8f);
    EXPECT_FLOAT_EQ(v, 0.5f);
    MColor(0.2f, 0.5f, 0.1f).get(MColor::kCMY, h, s, v);
    EXPECT_FLOAT_EQ(h, 0.8f);
    EXPECT_FLOAT_EQ(v, 0.9f);

    load("materials.ma");
    MSelectionList list;
    list.add("glass");
    list.add("metal");
    list.add("fur");
    MObject glass, metal, fur;
    list.getDependNode(0, glass);
    list.getDependNode(1, metal);
    list.getDependNode(2, fur);
    MStatus status;
    const MFnPhongShader phong(glass, &status);
    ASSERT_TRUE(status);
    EXPECT_FLOAT_EQ(phong.refractiveIndex(), 1.5f);
    EXPECT_FLOAT_EQ(phong.translucenceCoeff(), 0.5f);
    EXPECT_FLOAT_EQ(phong.specularColor().r, 1.0f);
    EXPECT_FLOAT_EQ(phong.cosPower(), 20.0f);  // Maya's default
    // A blinn is a reflect shader but no phong; an anisotropic shader is its own type.
    MFnPhongShader(metal, &status);
    EXPECT_FALSE(status);
    EXPECT_FLOAT_EQ(MFnBlinnShader(metal).eccentricity(), 0.3f);
    EXPECT_TRUE(fur.hasFn(MFn::kReflect));
    EXPECT_STREQ(fur.apiTypeStr(), "kAnisotropy");
}

TEST_F(SceneTest, CharacterSetsListTheirClipsAndClipsTheirCurves) {
    // Laid out as Maya saves a character with two source clips and an instance of the first.
    load("character_clips.ma");
    MSelectionList list;
    for (const char* name : {"character1", "walk", "walk_ry"}) list.add(name);
    MObject character, walk, curve;
    list.getDependNode(0, character);
    list.getDependNode(1, walk);
    list.getDependNode(2, curve);
    const MFnCharacter set(character);
    MPlugArray members;
    set.getMemberPlugs(members);
    ASSERT_EQ(members.length(), 3u);
    EXPECT_STREQ(members[1].partialName(true, false, false, false, false, true).asChar(), "hip.rotateY");
    ASSERT_EQ(set.getSourceClipCount(), 2);
    EXPECT_STREQ(MFnDependencyNode(set.getSourceClip(0)).name().asChar(), "walkSource");
    EXPECT_STREQ(MFnDependencyNode(set.getSourceClip(1)).name().asChar(), "idleSource");

    // An instance answers for its source clip: frames 1 to 25, the two curves on the hip.
    const MFnClip clip(walk);
    EXPECT_TRUE(clip.isInstancedClip());
    EXPECT_DOUBLE_EQ(clip.getSourceStart().value(), 1.0);
    EXPECT_DOUBLE_EQ(clip.getSourceDuration().value(), 24.0);
    MObjectArray curves;
    MPlugArray plugs;
    clip.getMemberAnimCurves(curves, plugs);
    ASSERT_EQ(curves.length(), 2u);
    EXPECT_STREQ(MFnDependencyNode(curves[0]).name().asChar(), "walk_tx");
    EXPECT_STREQ(plugs[0].partialName(true, false, false, false, false, true).asChar(), "hip.translateX");
    MFnClip(set.getSourceClip(1)).getMemberAnimCurves(curves, plugs);
    ASSERT_EQ(curves.length(), 1u);
    EXPECT_STREQ(plugs[0].partialName(true, false, false, false, false, true).asChar(), "box.scaleX");

    // Keys in the scene's time unit and internal units (degrees read as radians); linear in,
    // flat out at the last key; halfway along a linear span the value is halfway.
    const MFnAnimCurve ry(curve);
    ASSERT_EQ(ry.numKeys(), 2u);
    EXPECT_DOUBLE_EQ(ry.time(1).value(), 13.0);
    EXPECT_NEAR(ry.value(1), M_PI / 2, 1e-12);
    EXPECT_EQ(ry.inTangentType(1), MFnAnimCurve::kTangentLinear);
    EXPECT_EQ(ry.outTangentType(1), MFnAnimCurve::kTangentFlat);
    double value = 0.0;
    ASSERT_TRUE(ry.evaluate(MTime(7.0, MTime::uiUnit()), value));
    EXPECT_NEAR(value, M_PI / 4, 1e-12);
    ASSERT_TRUE(ry.evaluate(MTime(30.0, MTime::uiUnit()), value));  // constant after the last key
    EXPECT_NEAR(value, M_PI / 2, 1e-12);
}

TEST_F(SceneTest, NurbsCurvesAnswerFromTheirSavedCurve) {
    load("nurbs_curves.ma");
    MSelectionList list;
    list.add("ringShape");
    list.add("arcShape");
    MObject ring, arc;
    list.getDependNode(0, ring);
    list.getDependNode(1, arc);
    // A periodic cubic of 8 spans: 11 CVs (the last three repeat the first), 13 knots; its form
    // plug is computed from the curve, as Maya's is.
    const MFnNurbsCurve periodic(ring);
    EXPECT_EQ(periodic.degree(), 3);
    EXPECT_EQ(periodic.numSpans(), 8);
    EXPECT_EQ(periodic.form(), MFnNurbsCurve::kPeriodic);
    EXPECT_EQ(periodic.numCVs(), 11);
    EXPECT_EQ(periodic.numKnots(), 13);
    int form = -1;
    ASSERT_TRUE(periodic.findPlug("form", true).getValue(form));
    EXPECT_EQ(form, 2);
    // A rational curve's CVs carry their weights.
    MPointArray cvs;
    ASSERT_TRUE(MFnNurbsCurve(arc).getCVs(cvs));
    ASSERT_EQ(cvs.length(), 3u);
    EXPECT_DOUBLE_EQ(cvs[1].w, 0.70710678118654757);
    EXPECT_DOUBLE_EQ(cvs[1].y, 10.0);
    MStatus status;
    MFnNurbsCurve(MFnDagNode(ring).parent(0), &status);
    EXPECT_FALSE(status);
}

TEST_F(SceneTest, CurveDataThatDoesNotAddUpFailsTheLoad) {
    // Counts that call for more numbers than given, and a word where the rational flag belongs.
    const char* const payloads[] = {"3 1 0 no 3 7 0 0 0 1 1 1 1 4 0 0 0 1 1 1", "1 1 0 maybe 3 2 0 1 2 0 0 0 1 0 0",
                                    "0 1 0 no 3 2 0 1 2 0 0 0 1 0 0"};
    for (const char* payload : payloads) {
        const std::string text = std::string("//Maya ASCII 2022 scene\nrequires maya \"2022\";\ncreateNode nurbsCurve -n \"c\";\n"
                                             "\tsetAttr \".cc\" -type \"nurbsCurve\" ") + payload + ";\n";
        std::string error;
        EXPECT_FALSE(mayahost::loadMayaAsciiText(text, "bad.ma", mayahost::Scene::current(), error)) << payload;
        EXPECT_EQ(error.rfind("bad.ma:4: the nurbsCurve value of 'cached' ", 0), 0u) << error;
        mayahost::resetScene();
    }
}
