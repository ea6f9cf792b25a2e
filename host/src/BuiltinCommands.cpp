#include "BuiltinCommands.h"

#include "HostState.h"
#include "ScriptEditor.h"

#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

#include <filesystem>


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
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.generic_string();
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

// select [-r | -add | -d | -cl] names...: sets the active selection, as "-selection" exports read it.
MStatus runSelect(const MArgList& arguments) {
    MSelectionList selection;
    bool adding = false, removing = false;
    for (unsigned int i = 0; i < arguments.length(); ++i) {
        const std::string word = arguments.asString(i).asChar();
        if (word == "-add" || word == "-af" || word == "-addFirst") {
            adding = true;
        } else if (word == "-d" || word == "-deselect") {
            removing = true;
        }
    }
    if (adding || removing) MGlobal::getActiveSelectionList(selection);
    if (removing) {
        ScriptEditor::instance().error("select: -deselect is not supported by the headless host.");
        return MStatus::kFailure;
    }
    for (unsigned int i = 0; i < arguments.length(); ++i) {
        const MString name = arguments.asString(i);
        if (name.length() == 0 || name.asChar()[0] == '-') continue;
        if (!selection.add(name)) {
            ScriptEditor::instance().error(std::string("No object matches name: ") + name.asChar());
            return MStatus::kFailure;
        }
    }
    MGlobal::setActiveSelectionList(selection);
    return MStatus::kSuccess;
}

}  // namespace

bool runBuiltinCommand(const std::string& name, const MArgList& arguments, std::string& result, MStatus& status) {
    if (name == "file") {
        status = runFile(arguments, result);
        return true;
    }
    if (name == "select") {
        status = runSelect(arguments);
        return true;
    }
    if (name == "workspace") {
        status = runWorkspace(arguments, result);
        return true;
    }
    return false;
}

}  // namespace mayahost
