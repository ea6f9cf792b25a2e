#include "HostState.h"

namespace mayahost {

SceneState& sceneState() {
    static SceneState state;
    return state;
}

std::map<std::string, CommandEntry>& commandTable() {
    static std::map<std::string, CommandEntry> table;
    return table;
}

}  // namespace mayahost
