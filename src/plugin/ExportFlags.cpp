#include "ExportFlags.h"

namespace {

bool readSwitch(const MArgList& args, const char* shortName, const char* longName) {
    return args.flagIndex(shortName, longName) != MArgList::kInvalidArgIndex;
}

bool readString(const MArgList& args, const char* shortName, const char* longName, std::string& value) {
    const unsigned int index = args.flagIndex(shortName, longName);
    if (index == MArgList::kInvalidArgIndex || index + 1 >= args.length()) return false;
    MStatus status;
    const MString text = args.asString(index + 1, &status);
    if (!status) return false;
    value.assign(text.asChar(), text.length());
    return true;
}

}  // namespace

ExportOptions readExportOptions(const MArgList& args) {
    ExportOptions flags;
    flags.verbose = readSwitch(args, "v", "verbose");
    flags.shapes = readSwitch(args, "shap", "shapes");
    flags.normals = readSwitch(args, "n", "normals");
    flags.colors = readSwitch(args, "c", "colors");
    flags.textureCoords = readSwitch(args, "uvs", "textureCoords");
    flags.skinWeights = readSwitch(args, "sw", "skinWeights");
    flags.mergeGroups = readSwitch(args, "mg", "mergeGroups");
    flags.nurbsCurves = readSwitch(args, "nc", "nurbscurves");
    flags.relativePaths = readSwitch(args, "rp", "relativePaths");
    flags.gameRelativePaths = readSwitch(args, "grp", "gameRelativePaths");
    flags.ikHandles = readSwitch(args, "ik", "ik");
    flags.lights = readSwitch(args, "l", "lights");
    flags.cameras = readSwitch(args, "cams", "cameras");
    flags.userAttributes = readSwitch(args, "ua", "userattributes");
    flags.defaultCameras = readSwitch(args, "dcams", "defaultcameras");
    flags.particleSystems = readSwitch(args, "ps", "particlesystems");
    flags.animation = readSwitch(args, "an", "animation");
    flags.binaryFiles = readSwitch(args, "bin", "binaryfiles");
    flags.ignoreBindPoses = readSwitch(args, "ignbp", "ignoreBindPoses");
    flags.selectionOnly = readSwitch(args, "sel", "selection");
    flags.hasFile = readString(args, "f", "file", flags.file);
    flags.hasGamePath = readString(args, "gp", "gamePath", flags.gamePath);
    return flags;
}
