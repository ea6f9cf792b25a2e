#include "Q5XExporterWriteTexture.h"

#include "texture/TextureCommand.h"

MStatus Q5XExporterWriteTexture::doIt(const MArgList& args) {
    return runWriteTexture(args);
}

void* Q5XExporterWriteTexture::creator() {
    return new Q5XExporterWriteTexture();
}
