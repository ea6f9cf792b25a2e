#include "plugin/ExportFlags.h"

#include <gtest/gtest.h>

namespace {

MArgList argsOf(const std::vector<std::string>& words) {
    MArgList args;
    for (const std::string& word : words) args.addArg(MString(word.c_str()));
    return args;
}

struct SwitchCase {
    const char* shortName;
    const char* longName;
    bool ExportFlags::*member;
};

const SwitchCase kSwitches[] = {
    {"v", "verbose", &ExportFlags::verbose},
    {"shap", "shapes", &ExportFlags::shapes},
    {"n", "normals", &ExportFlags::normals},
    {"c", "colors", &ExportFlags::colors},
    {"uvs", "textureCoords", &ExportFlags::textureCoords},
    {"sw", "skinWeights", &ExportFlags::skinWeights},
    {"mg", "mergeGroups", &ExportFlags::mergeGroups},
    {"nc", "nurbscurves", &ExportFlags::nurbsCurves},
    {"rp", "relativePaths", &ExportFlags::relativePaths},
    {"grp", "gameRelativePaths", &ExportFlags::gameRelativePaths},
    {"ik", "ik", &ExportFlags::ikHandles},
    {"l", "lights", &ExportFlags::lights},
    {"cams", "cameras", &ExportFlags::cameras},
    {"ua", "userattributes", &ExportFlags::userAttributes},
    {"dcams", "defaultcameras", &ExportFlags::defaultCameras},
    {"ps", "particlesystems", &ExportFlags::particleSystems},
    {"an", "animation", &ExportFlags::animation},
    {"bin", "binaryfiles", &ExportFlags::binaryFiles},
    {"ignbp", "ignoreBindPoses", &ExportFlags::ignoreBindPoses},
    {"sel", "selection", &ExportFlags::selectionOnly},
};

int switchesSet(const ExportFlags& flags) {
    int count = 0;
    for (const SwitchCase& flag : kSwitches) count += flags.*flag.member ? 1 : 0;
    return count;
}

}  // namespace

TEST(ExportFlags, EverySwitchWorksInShortAndLongFormAndAlone) {
    for (const SwitchCase& flag : kSwitches) {
        for (const char* name : {flag.shortName, flag.longName}) {
            const ExportFlags flags = readExportFlags(argsOf({"-f", "x.q5x", std::string("-") + name}));
            EXPECT_TRUE(flags.*flag.member) << name;
            EXPECT_EQ(switchesSet(flags), 1) << name;
        }
    }
    EXPECT_EQ(switchesSet(readExportFlags(argsOf({}))), 0);
}

TEST(ExportFlags, StringFlagsNeedAFollowingArgument) {
    ExportFlags flags = readExportFlags(argsOf({"-file", "out/level.q5x", "-gp", "D:$game"}));
    EXPECT_TRUE(flags.hasFile);
    EXPECT_EQ(flags.file, "out/level.q5x");
    EXPECT_TRUE(flags.hasGamePath);
    EXPECT_EQ(flags.gamePath, "D:$game");

    flags = readExportFlags(argsOf({"-shapes", "-f"}));
    EXPECT_FALSE(flags.hasFile);
    flags = readExportFlags(argsOf({"-f", "a.q5x", "-gamePath"}));
    EXPECT_TRUE(flags.hasFile);
    EXPECT_FALSE(flags.hasGamePath);
}

TEST(ExportFlags, UnknownFlagsAndStrayValuesAreIgnored) {
    MArgList args = argsOf({"-bogus", "stray", "-shapes"});
    args.addArg(3);
    args.addArg(2.5);
    args.addArg(MString("-f"));
    args.addArg(MString("a.q5x"));
    const ExportFlags flags = readExportFlags(args);
    EXPECT_TRUE(flags.shapes);
    EXPECT_EQ(switchesSet(flags), 1);
    EXPECT_EQ(flags.file, "a.q5x");
}
