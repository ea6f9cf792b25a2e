#ifndef MAYAHOST_HOST_H
#define MAYAHOST_HOST_H

// Services of the headless host itself: what the application shell and the tests use to drive the
// stand-in. Plug-ins never include this header; they see only the <maya/...> API.

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <iosfwd>
#include <string>
#include <vector>

namespace mayahost {

enum class MessageKind { Info, Warning, Error };

struct Message {
    MessageKind kind;
    std::string text;
};

// Where the script editor output goes; null silences it. Messages are recorded either way.
void setOutputStream(std::ostream* stream);
// Text as it may go to a terminal: control characters (escape sequences among them) that came
// from a scene are shown as "\xNN" instead of acting on the terminal.
std::string printableText(const std::string& text);
const std::vector<Message>& messages();
unsigned messageCount(MessageKind kind);
void clearMessages();
// How many mesh and curve shapes of the open scene had no geometry to give when they were read.
unsigned shapesWithoutGeometry();

// Opens a Maya ASCII scene, replacing the current one; false with "file:line: message" when it
// cannot be read. Warnings about content the host does not support go to the script editor.
bool openScene(const std::string& path, std::string& error);

// The Maya project "workspace" answers for, as Maya's batch mode sets it with -proj; empty finds it
// from the scene's folder.
void setProjectRoot(const std::string& folder);

// The scene file that "file -q -sceneName" answers; empty for an unsaved scene.
void setSceneFileName(const std::string& path);
const std::string& sceneFileName();
// Back to a new, unsaved scene: no file name, default units, nothing selected.
void resetScene();

// Plug-in objects handed to initializePlugin and uninitializePlugin.
MObject createPluginObject(const std::string& name);
void releasePluginObject(MObject& plugin);

bool hasCommand(const std::string& name);
// Runs one line of commands separated by ';'. The result text is the last command's.
MStatus runCommandLine(const std::string& line, std::string& result, bool echo = false);

}  // namespace mayahost

#endif
