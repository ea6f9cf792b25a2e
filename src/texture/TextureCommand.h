#ifndef Q5X_TEXTURE_TEXTURECOMMAND_H
#define Q5X_TEXTURE_TEXTURECOMMAND_H

#include <maya/MArgList.h>
#include <maya/MStatus.h>

// Q5XExporterWriteTexture filename width height channels arraySize type {data}: converts the
// doubles to the storage type and writes a DDS file.
MStatus runWriteTexture(const MArgList& args);

#endif
