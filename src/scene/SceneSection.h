#ifndef Q5X_SCENE_SCENESECTION_H
#define Q5X_SCENE_SCENESECTION_H

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

#include "saveutil/XmlWriter.h"

// The second half of the scene pass: writes the Scene section from the finished model, each node
// through the element writer of its kind, children inside their parent's element.
void writeSceneSection(const ExportContext& context, const ExportModel& model, Q5XSaveUtil::XmlWriter& out);

#endif
