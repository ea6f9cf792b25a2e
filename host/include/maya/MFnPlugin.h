#ifndef MAYA_MFNPLUGIN_H
#define MAYA_MFNPLUGIN_H

#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>
#include <maya/MTypes.h>

// Registers what a plug-in adds to the application.
class MFnPlugin {
public:
    MFnPlugin(MObject& object, const char* vendor = "Unknown", const char* version = "Unknown",
              const char* requiredApiVersion = "Any", MStatus* ReturnStatus = NULL);
    ~MFnPlugin();

    MString vendor(MStatus* ReturnStatus = NULL) const;
    MString version(MStatus* ReturnStatus = NULL) const;

    MStatus registerCommand(const MString& commandName, MCreatorFunction creatorFunction,
                            MCreateSyntaxFunction createSyntaxFunction = NULL);
    MStatus deregisterCommand(const MString& commandName);

private:
    MObject plugin_;
};

// The API version the plug-in was built against, defined by this header as the application
// expects it. Every file of a plug-in but one defines MNoVersionString before including it.
#define MAYA_API_VERSION 201650
#ifndef MNoVersionString
extern "C" {
PLUGIN_EXPORT extern const char MApiVersion[];
const char MApiVersion[] = "201650";
}
#endif

#endif
