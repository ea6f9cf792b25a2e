#include "ExportFlags.h"

#include <maya/MGlobal.h>

#include <cstring>

namespace {

// The command's switches, each a short and a long name, as a user types them after "-".
struct Switch {
    const char* shortName;
    const char* longName;
    bool ExportOptions::*field;
};

const Switch kSwitches[] = {
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

// The flags that take a value: the output file and the game path.
struct TextFlag {
    const char* shortName;
    const char* longName;
};
const TextFlag kFile = {"f", "file"};
const TextFlag kGamePath = {"gp", "gamePath"};

bool readString(const MArgList& args, const TextFlag& flag, std::string& value) {
    const unsigned int index = args.flagIndex(flag.shortName, flag.longName);
    if (index == MArgList::kInvalidArgIndex || index + 1 >= args.length()) return false;
    MStatus status;
    const MString text = args.asString(index + 1, &status);
    if (!status) return false;
    value.assign(text.asChar(), text.length());
    return true;
}

bool names(const char* flag, const char* shortName, const char* longName) {
    return std::strcmp(flag, shortName) == 0 || std::strcmp(flag, longName) == 0;
}

bool isSwitch(const char* flag) {
    for (const Switch& known : kSwitches) {
        if (names(flag, known.shortName, known.longName)) return true;
    }
    return false;
}

bool isTextFlag(const char* flag) {
    return names(flag, kFile.shortName, kFile.longName) || names(flag, kGamePath.shortName, kGamePath.longName);
}

// Flags the command does not know are passed over, as before; a typo ("-normal") must not go
// unnoticed, so they are named once. The values of -f and -gp are not flags.
void warnAboutUnknownFlags(const MArgList& args) {
    std::string unknown;
    for (unsigned int i = 0; i < args.length(); ++i) {
        MStatus status;
        const MString text = args.asString(i, &status);
        if (!status || text.length() < 2 || text.asChar()[0] != '-') continue;
        const char* flag = text.asChar() + 1;
        if ((*flag >= '0' && *flag <= '9') || *flag == '.') continue;  // a negative number
        if (isTextFlag(flag)) {
            ++i;
            continue;
        }
        if (isSwitch(flag)) continue;
        if (!unknown.empty()) unknown += ", ";
        unknown += text.asChar();
    }
    if (!unknown.empty()) MGlobal::displayWarning(MString(("q5xExport: Unknown flags ignored: " + unknown).c_str()));
}

}  // namespace

ExportOptions readExportOptions(const MArgList& args) {
    ExportOptions flags;
    for (const Switch& known : kSwitches) flags.*known.field = args.flagIndex(known.shortName, known.longName) != MArgList::kInvalidArgIndex;
    flags.hasFile = readString(args, kFile, flags.file);
    flags.hasGamePath = readString(args, kGamePath, flags.gamePath);
    warnAboutUnknownFlags(args);
    if (!flags.hasFile || flags.file.empty()) {
        flags.hasFile = false;
        MGlobal::displayError("q5xExport: No output file: give its path after -f (-file)");
    }
    return flags;
}
