#ifndef Q5X_PLUGIN_EXPORTFLAGS_H
#define Q5X_PLUGIN_EXPORTFLAGS_H

#include "model/ExportOptions.h"

#include <maya/MArgList.h>

// The flags of one Q5XExporter call, read by hand because the command has no syntax object.
ExportOptions readExportOptions(const MArgList& args);

#endif
