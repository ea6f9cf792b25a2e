#ifndef Q5X_SCENE_MERGERESOLUTION_H
#define Q5X_SCENE_MERGERESOLUTION_H

#include "model/ExportModel.h"

#include <functional>

// Once every node is recorded: numbers each merge record's materials (in order of first
// appearance over its members, with the warning when a group uses too many), chooses the node that
// carries each group's Shape and the elements of the group's first node and root. A group of no
// mesh is written as plain TransformGroups; a group of more members than blend indices can tell
// apart is not merged: `recordAsShape` makes each of its members an ordinary shape node.
void resolveMergeGroups(ExportModel& model, const std::function<void(SceneNode&)>& recordAsShape);

#endif
