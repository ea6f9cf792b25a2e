#ifndef Q5X_SCENE_SCENEPATHS_H
#define Q5X_SCENE_SCENEPATHS_H

#include <cstddef>

// How many DAG paths lead from the world to the scene's transforms, counted up to `limit` + 1
// without walking them: a transform has as many paths as its parents together. Instancing can
// make this number exponential in the size of the scene.
std::size_t countTransformPaths(std::size_t limit);

#endif
