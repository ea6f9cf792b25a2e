#ifndef MAYAHOST_BUILTINCOMMANDS_H
#define MAYAHOST_BUILTINCOMMANDS_H

#include <maya/MArgList.h>
#include <maya/MStatus.h>

#include <string>

namespace mayahost {

// Runs one of the application's own MEL commands. Returns false when no such command exists.
bool runBuiltinCommand(const std::string& name, const MArgList& arguments, std::string& result, MStatus& status);

}  // namespace mayahost

#endif
