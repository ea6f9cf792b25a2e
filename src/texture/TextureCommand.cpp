#include "TextureCommand.h"

#include <maya/MGlobal.h>

namespace {

const char* const kUsage =
    "Error usage of Q5XExporterWriteTexture(filename, width, height, channels, arraySize, type, data):\n"
    "  type: \"unorm\" (0 - 255) or \"half\" (-32768.0 - 32767.0) or \"float\" (-1.17549e-38 - 3.40282e+38)\n"
    "  data: array of doubles\n";

}  // namespace

MStatus runWriteTexture(const MArgList&) {
    MGlobal::displayWarning(kUsage);
    return MStatus::kFailure;
}
