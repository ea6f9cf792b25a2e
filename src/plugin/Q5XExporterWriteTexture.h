#ifndef Q5X_PLUGIN_Q5XEXPORTERWRITETEXTURE_H
#define Q5X_PLUGIN_Q5XEXPORTERWRITETEXTURE_H

#include <maya/MPxCommand.h>

// Writes raw pixel values from a script to an uncompressed DDS texture.
class Q5XExporterWriteTexture : public MPxCommand {
public:
    MStatus doIt(const MArgList& args) override;
    static void* creator();
};

#endif
