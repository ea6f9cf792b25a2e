#ifndef Q5X_SCENE_NODEWRITER_H
#define Q5X_SCENE_NODEWRITER_H

#include "SceneWalk.h"

#include <ostream>
#include <string>

// Writes one node element with its children (the node frame), or nothing for "_ignore" nodes.
void writeNode(ExportSettings& settings, const MDagPath& transform, const NodeClassification& classification,
               unsigned depth, bool inCompound, SceneCollections& collections, std::ostream& out);
// The finished Scene text with each skin placeholder replaced by the nodeIds of its influences.
std::string replaceSkinPlaceholders(const std::string& scene, const SceneCollections& collections);

#endif
