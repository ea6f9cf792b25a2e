#ifndef Q5X_PLUGIN_EXPORTDRIVER_H
#define Q5X_PLUGIN_EXPORTDRIVER_H

#include <maya/MArgList.h>
#include <maya/MStatus.h>

// One export run: reads the flags, produces every section in memory and only then writes the
// document and its companion files. Nothing is written when a section fails.
MStatus runExport(const MArgList& args);

#endif
