#ifndef Q5X_SCENE_SCENEMODEL_H
#define Q5X_SCENE_SCENEMODEL_H

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

#include <cstddef>

// Instancing multiplies DAG paths (each level that instances the one below twice doubles them);
// a walk stops with an error rather than exhaust the memory.
constexpr std::size_t kMaxScenePaths = 4000000;

enum class SceneModelResult {
    Built,
    NoDag,         // the DAG cannot be walked
    TooManyPaths,  // more than kMaxScenePaths transforms would be visited; reported
};

// The first half of the scene pass: walks the DAG once, depth first, and records every node the
// Scene section will hold, in document order, with its identifiers, and fills the run's tables
// (shapes, node table, materials, files, bounding-volume requests, skin bindings). Nothing is
// written.
SceneModelResult buildSceneModel(const ExportContext& context, ExportModel& model);

#endif
