#include <maya/MGlobal.h>

#include <mayahost/Host.h>

#include "HostState.h"
#include "ScriptEditor.h"

void MGlobal::displayInfo(const MString& theMessage) {
    mayahost::ScriptEditor::instance().info(theMessage.asChar());
}

void MGlobal::displayWarning(const MString& theWarning) {
    mayahost::ScriptEditor::instance().warning(theWarning.asChar());
}

void MGlobal::displayError(const MString& theError) {
    mayahost::ScriptEditor::instance().error(theError.asChar());
}

MStatus MGlobal::executeCommand(const MString& command, bool displayEnabled, bool) {
    std::string result;
    return mayahost::runCommandLine(command.asChar(), result, displayEnabled);
}

MStatus MGlobal::executeCommand(const MString& command, MString& result, bool displayEnabled, bool) {
    std::string text;
    const MStatus status = mayahost::runCommandLine(command.asChar(), text, displayEnabled);
    result = MString(text.c_str(), static_cast<int>(text.size()));
    return status;
}

MStatus MGlobal::getActiveSelectionList(MSelectionList& dest, bool) {
    dest = mayahost::sceneState().activeSelection;
    return MStatus::kSuccess;
}

MStatus MGlobal::setActiveSelectionList(const MSelectionList& src) {
    mayahost::sceneState().activeSelection = src;
    return MStatus::kSuccess;
}
