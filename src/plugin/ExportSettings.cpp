#include "ExportSettings.h"

#include <maya/MDistance.h>

ExportSettings::ExportSettings(bool lights, bool cameras, bool defaultCameras, bool particleSystems, bool shapes,
                               bool skinWeights, bool mergeGroups, bool nurbsCurves, bool ikHandles,
                               bool selectionOnly, bool ignoreBindPoses, bool gameRelativePaths,
                               std::string sceneDirectory, std::string outputDirectory, std::string gamePath,
                               bool verbose)
    : lights(lights),
      cameras(cameras),
      defaultCameras(defaultCameras),
      particleSystems(particleSystems),
      shapes(shapes),
      skinWeights(skinWeights),
      mergeGroups(mergeGroups),
      nurbsCurves(nurbsCurves),
      ikHandles(ikHandles),
      selectionOnly(selectionOnly),
      ignoreBindPoses(ignoreBindPoses),
      gameRelativePaths(gameRelativePaths),
      sceneDirectory(std::move(sceneDirectory)),
      outputDirectory(std::move(outputDirectory)),
      gamePath(std::move(gamePath)),
      verbose(verbose),
      unitScale(1.0 / MDistance::uiToInternal(1.0)),
      nextNodeId(1),
      nextShapeId(1) {}
