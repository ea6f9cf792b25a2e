#ifndef Q5X_SCENE_BOUNDINGVOLUMES_H
#define Q5X_SCENE_BOUNDINGVOLUMES_H

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

// Turns the bounding-volume requests of the scene model into bounding volumes per target shape:
// the requesting mesh and the matrix that carries its points into the target transform's space.
void resolveBoundingVolumes(const ExportContext& context, ExportModel& model);

#endif
