#ifndef Q5XHOST_PLUGINLIBRARY_H
#define Q5XHOST_PLUGINLIBRARY_H

#include <maya/MObject.h>

#include <string>

// A plug-in library loaded into the host: opened, version-checked, initialised, and on
// destruction uninitialised and closed.
class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // False with a message naming the library when it cannot be used.
    bool load(const std::string& path, std::string& error);
    // Runs uninitializePlugin and closes the library; false when the plug-in reported failure.
    bool unload();

private:
    void* handle_ = nullptr;
    void* uninitialize_ = nullptr;
    MObject plugin_;
};

#endif
