#ifndef Q5X_PLUGIN_EXPORTFLAGS_H
#define Q5X_PLUGIN_EXPORTFLAGS_H

#include <maya/MArgList.h>

#include <string>

// The flags of one Q5XExporter call, read by hand because the command has no syntax object.
// A switch is set when its flag occurs anywhere; a string flag needs the argument after it.
struct ExportFlags {
    bool verbose = false;
    bool shapes = false;
    bool normals = false;
    bool colors = false;
    bool textureCoords = false;
    bool skinWeights = false;
    bool mergeGroups = false;
    bool nurbsCurves = false;
    bool relativePaths = false;
    bool gameRelativePaths = false;
    bool ikHandles = false;
    bool lights = false;
    bool cameras = false;
    bool userAttributes = false;
    bool defaultCameras = false;
    bool particleSystems = false;
    bool animation = false;
    bool binaryFiles = false;
    bool ignoreBindPoses = false;
    bool selectionOnly = false;
    bool hasFile = false;
    std::string file;
    bool hasGamePath = false;
    std::string gamePath;
};

ExportFlags readExportFlags(const MArgList& args);

#endif
