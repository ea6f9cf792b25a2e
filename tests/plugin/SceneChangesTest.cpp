// What an export changes in the user's scene while it runs is put back on every way out.
#include <mayahost/Host.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MSelectionList.h>
#define MNoVersionString
#include <maya/MFnPlugin.h>

#include "ma/MaReader.h"
#include "scene/Scene.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

extern "C" MStatus initializePlugin(MObject obj);
extern "C" MStatus uninitializePlugin(MObject obj);

namespace {

// A triangle bound to `joints` joints with the envelope at 0.5; its first vertex weighs on the
// last joint, which a blend index can name only when there are at most 256.
std::string skinnedTriangle(int joints) {
    std::ostringstream out;
    out << "//Maya ASCII 2016 scene\nrequires maya \"2016\";\n";
    for (int j = 0; j < joints; ++j) out << "createNode joint -n \"j" << j << "\";\n";
    out << "createNode transform -n \"m\";\ncreateNode mesh -n \"mShape\" -p \"m\";\n"
           "createNode mesh -n \"mShapeOrig\" -p \"m\";\n\tsetAttr \".io\" yes;\n"
           "\tsetAttr -s 3 \".vt[0:2]\" 0 0 0 1 0 0 0 1 0;\n\tsetAttr -s 3 \".ed[0:2]\" 0 1 0 1 2 0 2 0 0;\n"
           "\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2;\n"
           "createNode skinCluster -n \"sc\";\n\tsetAttr \".en\" 0.5;\n\tsetAttr \".wl[0:2].w\" 1 "
        << joints - 1 << " 1 1 0 1 1 0 1;\n";
    for (int j = 0; j < joints; ++j) out << "connectAttr \"j" << j << ".wm\" \"sc.ma[" << j << "]\";\n";
    out << "connectAttr \"mShapeOrig.w\" \"sc.ip[0].ig\";\nconnectAttr \"sc.og[0]\" \"mShape.i\";\n// End of skin.ma\n";
    return out.str();
}

double envelope() {
    MSelectionList list;
    list.add("sc");
    MObject cluster;
    list.getDependNode(0, cluster);
    double value = -1.0;
    MFnDependencyNode(cluster).findPlug("envelope", true).getValue(value);
    return value;
}

}  // namespace

TEST(SceneChanges, TheSkinEnvelopeIsPutBackWhetherTheRunSucceedsOrFails) {
    mayahost::setOutputStream(nullptr);
    MObject plugin = mayahost::createPluginObject("Q5XExporter");
    ASSERT_TRUE(initializePlugin(plugin));
    TempFolder folder;
    const std::string command = "Q5XExporter -shapes -skinWeights -ignoreBindPoses -f \"" + folder.file("out.q5x") + "\"";
    for (const int joints : {4, 300}) {
        std::string error;
        ASSERT_TRUE(mayahost::loadMayaAsciiText(skinnedTriangle(joints), "skin.ma", mayahost::Scene::current(), error)) << error;
        std::string result;
        const bool exported = mayahost::runCommandLine(command, result);
        EXPECT_EQ(exported, joints <= 256) << joints;  // 300 influences cannot be blend indices: the run fails
        EXPECT_DOUBLE_EQ(envelope(), 0.5) << joints;
    }
    uninitializePlugin(plugin);
    mayahost::releasePluginObject(plugin);
    mayahost::resetScene();
}
