#ifndef Q5X_SCENE_BOUNDINGVOLUMES_H
#define Q5X_SCENE_BOUNDINGVOLUMES_H

#include "SceneCollections.h"

#include "plugin/ExportSettings.h"

// Turns the requests of the scene walk into bounding volumes per target shape: the requesting
// mesh and the matrix that carries its points into the target transform's space.
void resolveBoundingVolumes(const ExportSettings& settings, SceneCollections& collections);

#endif
