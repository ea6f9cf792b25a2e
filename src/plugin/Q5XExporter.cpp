#include "Q5XExporter.h"

#include "ExportDriver.h"

#include <maya/MGlobal.h>

#include <new>

// Running out of memory ends the export, never Maya: everything the run made is released as the
// failure unwinds, and staging files are removed, so no output is half-written.
MStatus Q5XExporter::doIt(const MArgList& args) {
    try {
        return runExport(args);
    } catch (const std::bad_alloc&) {
        MString scene;
        MGlobal::executeCommand("file -q -sceneName", scene, false, false);
        MGlobal::displayError("q5xExport: Out of memory while exporting " + (scene.length() > 0 ? scene : MString("the scene")) +
                              "; nothing was written");
        return MStatus::kFailure;
    }
}

void* Q5XExporter::creator() {
    return new Q5XExporter();
}
