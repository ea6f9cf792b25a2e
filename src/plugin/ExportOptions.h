#ifndef Q5X_PLUGIN_EXPORTOPTIONS_H
#define Q5X_PLUGIN_EXPORTOPTIONS_H

#include "scene/NodeTable.h"

#include <string>

// Plain option records the driver hands to the section writers, built just before each runs.

struct ShapeExportOptions {
    bool normals;
    bool colors;
    bool textureCoords;
    bool skinWeights;
    bool nurbsCurves;
    bool verbose;
    bool binaryFiles;
    double unitScale;
};

struct DynamicsExportOptions {
    bool particleSystems;
    bool verbose;
    double unitScale;
    double frameMilliseconds;  // one frame of Maya's current time unit
};

struct AnimationExportOptions {
    bool binaryFiles;
    bool animationEnabled;  // always true: the section is written only when "animation" is set
    bool verbose;
    double unitScale;
    double frameMilliseconds;
    const NodeTable& nodeTable;
};

struct MaterialExportOptions {
    bool relativePaths;
    bool gameRelativePaths;
    bool verbose;
    std::string sceneDirectory;
    std::string outputDirectory;
    std::string sceneDirectoryLower;
    std::string outputDirectoryLower;
    std::string gamePath;
};

struct UserAttributeExportOptions {
    bool verbose;
    const NodeTable& nodeTable;
};

#endif
