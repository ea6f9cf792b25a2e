#include "PluginLibrary.h"

#include <mayahost/Host.h>
#include <maya/MStatus.h>

#include <dlfcn.h>

#include <cstring>

namespace {

// The API version this host provides, as plug-ins built against it report it.
constexpr const char* kHostApiVersion = "201650";

using EntryPoint = MStatus (*)(MObject);

}  // namespace

PluginLibrary::~PluginLibrary() {
    unload();
}

bool PluginLibrary::load(const std::string& path, std::string& error) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* reason = dlerror();
        error = "cannot load plug-in library '" + path + "': " + (reason ? reason : "unknown error");
        return false;
    }
    const auto* version = static_cast<const char*>(dlsym(handle_, "MApiVersion"));
    void* initialize = dlsym(handle_, "initializePlugin");
    uninitialize_ = dlsym(handle_, "uninitializePlugin");
    if (!version || !initialize || !uninitialize_) {
        error = "plug-in library '" + path + "' lacks initializePlugin, uninitializePlugin or MApiVersion";
    } else if (std::strncmp(version, kHostApiVersion, 16) != 0) {
        error = "plug-in library '" + path + "' was built for API version " + std::string(version, strnlen(version, 16)) +
                ", this host provides " + kHostApiVersion;
    } else {
        plugin_ = mayahost::createPluginObject(path);
        if (reinterpret_cast<EntryPoint>(initialize)(plugin_)) return true;
        error = "initializePlugin of '" + path + "' failed";
        mayahost::releasePluginObject(plugin_);
    }
    uninitialize_ = nullptr;
    dlclose(handle_);
    handle_ = nullptr;
    return false;
}

bool PluginLibrary::unload() {
    if (!handle_) return true;
    const bool unloaded = static_cast<bool>(reinterpret_cast<EntryPoint>(uninitialize_)(plugin_));
    mayahost::releasePluginObject(plugin_);
    dlclose(handle_);
    handle_ = nullptr;
    uninitialize_ = nullptr;
    return unloaded;
}
