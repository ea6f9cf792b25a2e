#ifndef MAYA_MPXCOMMAND_H
#define MAYA_MPXCOMMAND_H

#include <maya/MArgList.h>
#include <maya/MStatus.h>

// Base class of commands that a plug-in adds to the application.
class MPxCommand {
public:
    MPxCommand();
    virtual ~MPxCommand();
    virtual MStatus doIt(const MArgList& args);
    virtual MStatus undoIt();
    virtual MStatus redoIt();
    virtual bool isUndoable() const;
    virtual bool hasSyntax() const;
};

#endif
