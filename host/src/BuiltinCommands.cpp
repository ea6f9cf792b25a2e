#include "BuiltinCommands.h"

#include "HostState.h"
#include "ScriptEditor.h"

#include <platform/FileServices.h>

namespace mayahost {

namespace {

bool hasFlag(const MArgList& arguments, const char* shortName, const char* longName) {
    return arguments.flagIndex(shortName, longName) != MArgList::kInvalidArgIndex;
}

bool flagValue(const MArgList& arguments, const char* shortName, const char* longName, std::string& value) {
    const unsigned int index = arguments.flagIndex(shortName, longName);
    if (index == MArgList::kInvalidArgIndex || index + 1 >= arguments.length()) return false;
    MStatus status;
    value = arguments.asString(index + 1, &status).asChar();
    return status == MStatus::kSuccess;
}

MStatus unsupported(const std::string& command) {
    ScriptEditor::instance().error(command + ": this form of the command is not supported by the headless host.");
    return MStatus::kFailure;
}

MStatus runFile(const MArgList& arguments, std::string& result) {
    if (hasFlag(arguments, "q", "query") && hasFlag(arguments, "sn", "sceneName")) {
        result = sceneState().fileName;
        return MStatus::kSuccess;
    }
    return unsupported("file");
}

std::string workspaceRoot() {
    std::string folder;
    if (!platform::getCurrentDirectory(folder)) return std::string();
    for (char& c : folder) {
        if (c == '\\') c = '/';
    }
    return folder;
}

MStatus runWorkspace(const MArgList& arguments, std::string& result) {
    std::string value;
    if (flagValue(arguments, "en", "expandName", value)) {
        result = workspaceRoot();
        if (!value.empty()) result += "/" + value;
        return MStatus::kSuccess;
    }
    if (flagValue(arguments, "fre", "fileRuleEntry", value)) {
        // The default project's rule; other rules have no entry in a headless session.
        result = value == "sourceImages" ? "sourceimages" : "";
        return MStatus::kSuccess;
    }
    return unsupported("workspace");
}

}  // namespace

bool runBuiltinCommand(const std::string& name, const MArgList& arguments, std::string& result, MStatus& status) {
    if (name == "file") {
        status = runFile(arguments, result);
        return true;
    }
    if (name == "workspace") {
        status = runWorkspace(arguments, result);
        return true;
    }
    return false;
}

}  // namespace mayahost
