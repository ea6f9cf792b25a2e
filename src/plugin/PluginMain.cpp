// Entry points the application looks for when it loads the plug-in library; <maya/MFnPlugin.h>
// defines the third, MApiVersion.
#include "Q5XExporter.h"
#include "Q5XExporterWriteTexture.h"

#include <maya/MFnPlugin.h>

namespace {

constexpr const char* kVendor = "http://www.q5x-format.org";
constexpr const char* kPluginVersion = "9.0.4";

}  // namespace

extern "C" PLUGIN_EXPORT MStatus initializePlugin(MObject obj) {
    MFnPlugin plugin(obj, kVendor, kPluginVersion, "Any");
    MStatus status = plugin.registerCommand("Q5XExporter", Q5XExporter::creator, nullptr);
    if (!status) {
        status.perror("registerCommand Q5XExporter");
        return status;
    }
    status = plugin.registerCommand("Q5XExporterWriteTexture", Q5XExporterWriteTexture::creator, nullptr);
    if (!status) status.perror("registerCommand Q5XExporterWriteTexture");
    return status;
}

extern "C" PLUGIN_EXPORT MStatus uninitializePlugin(MObject obj) {
    MFnPlugin plugin(obj, "Unknown", "Unknown", "Any");
    MStatus status = plugin.deregisterCommand("Q5XExporter");
    if (!status) {
        status.perror("deregisterCommand Q5XExporter");
        return status;
    }
    status = plugin.deregisterCommand("Q5XExporterWriteTexture");
    if (!status) status.perror("deregisterCommand Q5XExporterWriteTexture");
    return status;
}
