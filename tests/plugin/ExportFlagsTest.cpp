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
    bool ExportOptions::*member;
};

const SwitchCase kSwitches[] = {
    {"v", "verbose", &ExportOptions::verbose},
    {"shap", "shapes", &ExportOptions::shapes},
    {"n", "normals", &ExportOptions::normals},
    {"c", "colors", &ExportOptions::colors},
    {"uvs", "textureCoords", &ExportOptions::textureCoords},
    {"sw", "skinWeights", &ExportOptions::skinWeights},
    {"mg", "mergeGroups", &ExportOptions::mergeGroups},
    {"nc", "nurbscurves", &ExportOptions::nurbsCurves},
    {"rp", "relativePaths", &ExportOptions::relativePaths},
    {"grp", "gameRelativePaths", &ExportOptions::gameRelativePaths},
    {"ik", "ik", &ExportOptions::ikHandles},
    {"l", "lights", &ExportOptions::lights},
    {"cams", "cameras", &ExportOptions::cameras},
    {"ua", "userattributes", &ExportOptions::userAttributes},
    {"dcams", "defaultcameras", &ExportOptions::defaultCameras},
    {"ps", "particlesystems", &ExportOptions::particleSystems},
    {"an", "animation", &ExportOptions::animation},
    {"bin", "binaryfiles", &ExportOptions::binaryFiles},
    {"ignbp", "ignoreBindPoses", &ExportOptions::ignoreBindPoses},
    {"sel", "selection", &ExportOptions::selectionOnly},
};

int switchesSet(const ExportOptions& flags) {
    int count = 0;
    for (const SwitchCase& flag : kSwitches) count += flags.*flag.member ? 1 : 0;
    return count;
}

}  // namespace

TEST(ExportFlags, EverySwitchWorksInShortAndLongFormAndAlone) {
    for (const SwitchCase& flag : kSwitches) {
        for (const char* name : {flag.shortName, flag.longName}) {
            const ExportOptions flags = readExportOptions(argsOf({"-f", "x.q5x", std::string("-") + name}));
            EXPECT_TRUE(flags.*flag.member) << name;
            EXPECT_EQ(switchesSet(flags), 1) << name;
        }
    }
    EXPECT_EQ(switchesSet(readExportOptions(argsOf({}))), 0);
}

TEST(ExportFlags, StringFlagsNeedAFollowingArgument) {
    ExportOptions flags = readExportOptions(argsOf({"-file", "out/level.q5x", "-gp", "D:$game"}));
    EXPECT_TRUE(flags.hasFile);
    EXPECT_EQ(flags.file, "out/level.q5x");
    EXPECT_TRUE(flags.hasGamePath);
    EXPECT_EQ(flags.gamePath, "D:$game");

    flags = readExportOptions(argsOf({"-shapes", "-f"}));
    EXPECT_FALSE(flags.hasFile);
    flags = readExportOptions(argsOf({"-f", "a.q5x", "-gamePath"}));
    EXPECT_TRUE(flags.hasFile);
    EXPECT_FALSE(flags.hasGamePath);
}

TEST(ExportFlags, UnknownFlagsAndStrayValuesAreIgnored) {
    MArgList args = argsOf({"-bogus", "stray", "-shapes"});
    args.addArg(3);
    args.addArg(2.5);
    args.addArg(MString("-f"));
    args.addArg(MString("a.q5x"));
    const ExportOptions flags = readExportOptions(args);
    EXPECT_TRUE(flags.shapes);
    EXPECT_EQ(switchesSet(flags), 1);
    EXPECT_EQ(flags.file, "a.q5x");
}
