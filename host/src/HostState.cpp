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

std::map<std::string, int>& optionVars() {
    static std::map<std::string, int> variables;
    return variables;
}

}  // namespace mayahost
