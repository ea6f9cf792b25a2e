#include <mayahost/Host.h>

#include "HostState.h"
#include "PluginObject.h"
#include "ScriptEditor.h"
#include "ma/MaReader.h"
#include "scene/Scene.h"

namespace mayahost {

void setOutputStream(std::ostream* stream) {
    ScriptEditor::instance().setOutput(stream);
}

const std::vector<Message>& messages() {
    return ScriptEditor::instance().messages();
}

unsigned messageCount(MessageKind kind) {
    unsigned count = 0;
    for (const Message& message : messages()) {
        if (message.kind == kind) ++count;
    }
    return count;
}

unsigned shapesWithoutGeometry() {
    return static_cast<unsigned>(Scene::current().shapesWithoutGeometry());
}

void clearMessages() {
    ScriptEditor::instance().clear();
}

bool openScene(const std::string& path, std::string& error) {
    sceneState().activeSelection.clear();
    if (!loadMayaAsciiFile(path, Scene::current(), error)) return false;
    sceneState().fileName = path;
    return true;
}

void setProjectRoot(const std::string& folder) {
    sceneState().projectRoot = folder;
}

void setSceneFileName(const std::string& path) {
    sceneState().fileName = path;
}

const std::string& sceneFileName() {
    return sceneState().fileName;
}

void resetScene() {
    const std::string projectRoot = sceneState().projectRoot;
    sceneState() = SceneState();
    sceneState().projectRoot = projectRoot;
    Scene::current().reset();
}

MObject createPluginObject(const std::string& name) {
    return ObjectData::wrap(new PluginObject(name));
}

void releasePluginObject(MObject& plugin) {
    ObjectData* data = ObjectData::unwrap(plugin);
    plugin = MObject();
    delete dynamic_cast<PluginObject*>(data);
}

}  // namespace mayahost
