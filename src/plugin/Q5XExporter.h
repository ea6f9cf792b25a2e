#ifndef Q5X_PLUGIN_Q5XEXPORTER_H
#define Q5X_PLUGIN_Q5XEXPORTER_H

#include <maya/MPxCommand.h>

// The export command. It keeps no state: every run lives in the locals of doIt.
class Q5XExporter : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    static void* creator();
};

#endif
