#ifndef MAYA_MGLOBAL_H
#define MAYA_MGLOBAL_H

#include <maya/MSelectionList.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

// Application-wide services: script editor output, command execution, selection.
class MGlobal {
public:
    static void displayInfo(const MString& theMessage);
    static void displayWarning(const MString& theWarning);
    static void displayError(const MString& theError);

    static MStatus executeCommand(const MString& command, bool displayEnabled = false,
                                  bool undoEnabled = false);
    static MStatus executeCommand(const MString& command, MString& result,
                                  bool displayEnabled = false, bool undoEnabled = false);

    static MStatus getActiveSelectionList(MSelectionList& dest,
                                          bool orderedSelectionIfAvailable = false);
    static MStatus setActiveSelectionList(const MSelectionList& src);
};

#endif
