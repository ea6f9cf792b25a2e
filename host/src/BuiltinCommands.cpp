#include "BuiltinCommands.h"

#include "HostState.h"
#include "ScriptEditor.h"

#include <maya/MGlobal.h>
#include <maya/MSelectionList.h>

#include <filesystem>
#include <fstream>


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

// The Maya project as Maya finds it: the folder -proj names, else the nearest folder at or above
// the scene that holds a workspace.mel, else the scene's folder (the working folder for an
// unsaved scene). Answered with a trailing '/'.
std::filesystem::path projectRoot() {
    std::error_code error;
    if (!sceneState().projectRoot.empty()) return std::filesystem::absolute(sceneState().projectRoot, error);
    if (sceneState().fileName.empty()) return std::filesystem::current_path(error);
    const std::filesystem::path sceneFolder = std::filesystem::absolute(sceneState().fileName, error).parent_path();
    for (std::filesystem::path folder = sceneFolder; !folder.empty(); folder = folder.parent_path()) {
        if (std::filesystem::is_regular_file(folder / "workspace.mel", error)) return folder;
        if (folder == folder.root_path()) break;
    }
    return sceneFolder;
}

std::string withTrailingSlash(const std::filesystem::path& folder) {
    std::string text = folder.generic_string();
    if (text.empty() || text.back() != '/') text += '/';
    return text;
}

// A file rule of the project's workspace.mel ('workspace -fr "sourceImages" "textures";'), or
// Maya's default for the rule.
std::string fileRule(const std::filesystem::path& root, const std::string& rule) {
    std::ifstream in(root / "workspace.mel");
    const std::string prefix = "workspace -fr \"" + rule + "\"";
    for (std::string line; std::getline(in, line);) {
        const std::size_t at = line.find(prefix);
        if (at == std::string::npos) continue;
        const std::size_t open = line.find('"', at + prefix.size());
        const std::size_t close = open == std::string::npos ? std::string::npos : line.find('"', open + 1);
        if (close != std::string::npos) return line.substr(open + 1, close - open - 1);
    }
    return rule == "sourceImages" ? "sourceimages" : "";
}

MStatus runWorkspace(const MArgList& arguments, std::string& result) {
    std::string value;
    if (flagValue(arguments, "en", "expandName", value)) {
        result = withTrailingSlash(projectRoot()) + value;
        return MStatus::kSuccess;
    }
    if (flagValue(arguments, "fre", "fileRuleEntry", value)) {
        result = fileRule(projectRoot(), value);
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

// optionVar -iv name value sets an integer preference; optionVar -q name answers it (0 when it
// was never set, as Maya answers for a missing one).
MStatus runOptionVar(const MArgList& arguments, std::string& result) {
    const unsigned set = arguments.flagIndex("iv", "intValue");
    if (set != MArgList::kInvalidArgIndex) {
        if (set + 2 >= arguments.length()) return unsupported("optionVar");
        optionVars()[arguments.asString(set + 1).asChar()] = arguments.asInt(set + 2);
        return MStatus::kSuccess;
    }
    const unsigned query = arguments.flagIndex("q", "query");
    if (query == MArgList::kInvalidArgIndex || query + 1 >= arguments.length()) return unsupported("optionVar");
    const auto found = optionVars().find(arguments.asString(query + 1).asChar());
    result = std::to_string(found == optionVars().end() ? 0 : found->second);
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
    if (name == "optionVar") {
        status = runOptionVar(arguments, result);
        return true;
    }
    if (name == "workspace") {
        status = runWorkspace(arguments, result);
        return true;
    }
    return false;
}

}  // namespace mayahost
