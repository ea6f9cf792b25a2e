#include <maya/MPxCommand.h>

MPxCommand::MPxCommand() = default;
MPxCommand::~MPxCommand() = default;
MStatus MPxCommand::doIt(const MArgList&) { return MStatus::kSuccess; }
MStatus MPxCommand::undoIt() { return MStatus::kSuccess; }
MStatus MPxCommand::redoIt() { return MStatus::kSuccess; }
bool MPxCommand::isUndoable() const { return false; }
bool MPxCommand::hasSyntax() const { return true; }
