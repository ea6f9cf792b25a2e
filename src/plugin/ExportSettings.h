#ifndef Q5X_PLUGIN_EXPORTSETTINGS_H
#define Q5X_PLUGIN_EXPORTSETTINGS_H

#include <maya/MSelectionList.h>

#include <cstdint>
#include <string>

// The node-export options of one run. The scene walk fills `selection` and advances the two
// identifier counters; everything else is fixed at construction.
struct ExportSettings {
    ExportSettings(bool lights, bool cameras, bool defaultCameras, bool particleSystems, bool shapes,
                   bool skinWeights, bool mergeGroups, bool nurbsCurves, bool ikHandles, bool selectionOnly,
                   bool ignoreBindPoses, bool gameRelativePaths, std::string sceneDirectory,
                   std::string outputDirectory, std::string gamePath, bool verbose);

    bool lights;
    bool cameras;
    bool defaultCameras;
    bool particleSystems;
    bool shapes;
    bool skinWeights;
    bool mergeGroups;
    bool nurbsCurves;
    bool ikHandles;
    bool selectionOnly;
    bool ignoreBindPoses;
    bool gameRelativePaths;
    std::string sceneDirectory;
    std::string outputDirectory;
    std::string gamePath;
    bool verbose;
    MSelectionList selection;
    // Factor from Maya's internal length unit to the user's working unit.
    double unitScale;
    std::uint32_t nextNodeId;
    std::uint32_t nextShapeId;
};

#endif
