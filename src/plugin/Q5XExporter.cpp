#include "Q5XExporter.h"

#include "ExportDriver.h"

MStatus Q5XExporter::doIt(const MArgList& args) {
    return runExport(args);
}

void* Q5XExporter::creator() {
    return new Q5XExporter();
}
