#define MNoVersionString
#include <maya/MFnPlugin.h>

#include "HostState.h"
#include "PluginObject.h"

namespace {

mayahost::PluginObject* pluginData(const MObject& object) {
    return dynamic_cast<mayahost::PluginObject*>(mayahost::ObjectData::unwrap(object));
}

}  // namespace

MFnPlugin::MFnPlugin(MObject& object, const char* vendor, const char* version, const char*,
                     MStatus* ReturnStatus)
    : plugin_(object) {
    mayahost::PluginObject* plugin = pluginData(object);
    if (ReturnStatus) *ReturnStatus = plugin ? MStatus::kSuccess : MStatus::kInvalidParameter;
    if (!plugin) return;
    // Maya keeps the vendor and version of the load; the "Unknown" defaults of unload leave them.
    if (vendor && std::string(vendor) != "Unknown") plugin->vendor = vendor;
    if (version && std::string(version) != "Unknown") plugin->version = version;
}

MFnPlugin::~MFnPlugin() = default;

MString MFnPlugin::vendor(MStatus* ReturnStatus) const {
    const mayahost::PluginObject* plugin = pluginData(plugin_);
    if (ReturnStatus) *ReturnStatus = plugin ? MStatus::kSuccess : MStatus::kFailure;
    return plugin ? MString(plugin->vendor.c_str()) : MString();
}

MString MFnPlugin::version(MStatus* ReturnStatus) const {
    const mayahost::PluginObject* plugin = pluginData(plugin_);
    if (ReturnStatus) *ReturnStatus = plugin ? MStatus::kSuccess : MStatus::kFailure;
    return plugin ? MString(plugin->version.c_str()) : MString();
}

MStatus MFnPlugin::registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                                   MCreateSyntaxFunction) {
    mayahost::PluginObject* plugin = pluginData(plugin_);
    if (!plugin || !creatorFunction || commandName.length() == 0) return MStatus::kInvalidParameter;
    auto& table = mayahost::commandTable();
    if (table.count(commandName.asChar())) return MStatus::kFailure;
    table[commandName.asChar()] = {creatorFunction, plugin};
    return MStatus::kSuccess;
}

MStatus MFnPlugin::deregisterCommand(const MString& commandName) {
    auto& table = mayahost::commandTable();
    auto entry = table.find(commandName.asChar());
    if (entry == table.end() || entry->second.owner != mayahost::ObjectData::unwrap(plugin_)) {
        return MStatus::kFailure;
    }
    table.erase(entry);
    return MStatus::kSuccess;
}
