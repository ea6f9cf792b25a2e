#ifndef Q5X_SCENE_SHAPEELEMENT_H
#define Q5X_SCENE_SHAPEELEMENT_H

#include "SceneWalk.h"

#include <ostream>

// <Shape ... for a mesh: shape identifier, rigid body, split UVs, shadows, rendering table,
// material identifiers and the skin placeholder.
void writeMeshShape(ExportSettings& settings, const MDagPath& transform, const NodeClassification& classification,
                    bool inCompound, SceneCollections& collections, std::ostream& out);
// <Shape ... for a NURBS curve: shape identifier and the rendering table.
void writeCurveShape(ExportSettings& settings, const MDagPath& transform, const NodeClassification& classification,
                     SceneCollections& collections, std::ostream& out);

#endif
