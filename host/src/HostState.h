#ifndef MAYAHOST_HOSTSTATE_H
#define MAYAHOST_HOSTSTATE_H

#include <maya/MDistance.h>
#include <maya/MSelectionList.h>
#include <maya/MTime.h>
#include <maya/MTypes.h>

#include <map>
#include <string>

namespace mayahost {

class ObjectData;

// The application state behind the API: the open scene's settings and the command table.
struct SceneState {
    std::string fileName;
    std::string projectRoot;  // set with q5xhost -proj; empty: found from the scene's folder
    MDistance::Unit linearUnit = MDistance::kCentimeters;
    MTime::Unit timeUnit = MTime::kFilm;
    MSelectionList activeSelection;
};

struct CommandEntry {
    MCreatorFunction creator;
    ObjectData* owner;
};

SceneState& sceneState();
// Maya's preferences of integer value that outlive a scene ("optionVar -iv name value").
std::map<std::string, int>& optionVars();
std::map<std::string, CommandEntry>& commandTable();

}  // namespace mayahost

#endif
