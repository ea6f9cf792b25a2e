#ifndef Q5X_SCENE_SCENEMODEL_H
#define Q5X_SCENE_SCENEMODEL_H

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

#include <maya/MStatus.h>

// The first half of the scene pass: walks the DAG once, depth first, and records every node the
// Scene section will hold, in document order, with its identifiers, and fills the run's tables
// (shapes, node table, materials, files, bounding-volume requests, skin bindings). Nothing is
// written. Fails only when the DAG cannot be walked.
MStatus buildSceneModel(const ExportContext& context, ExportModel& model);

#endif
