#include "ExportDriver.h"

#include "DocumentSections.h"
#include "ExportFlags.h"
#include "ExportOptions.h"
#include "ExportPaths.h"
#include "ExportSettings.h"

#include "scene/BoundingVolumes.h"
#include "scene/SceneWalk.h"

#include "saveutil/FileSystem.h"
#include "saveutil/NativeFileLoader.h"

#include <maya/MGlobal.h>
#include <maya/MItDag.h>

#include <memory>

namespace {

std::string querySceneFileName(bool verbose) {
    MString result;
    if (!MGlobal::executeCommand("file -q -sceneName", result, verbose, false)) return std::string();
    return std::string(result.asChar(), result.length());
}

ExportSettings makeSettings(const ExportFlags& flags, const std::string& sceneDirectory,
                            const std::string& outputDirectory, const std::string& gamePath) {
    return ExportSettings(flags.lights, flags.cameras, flags.defaultCameras, flags.particleSystems, flags.shapes,
                          flags.skinWeights, flags.mergeGroups, flags.nurbsCurves, flags.ikHandles,
                          flags.selectionOnly, flags.ignoreBindPoses, flags.gameRelativePaths, sceneDirectory,
                          outputDirectory, gamePath, flags.verbose);
}

// Particle nodes are found depth first; the section exists only when the DAG can be walked.
void writeDynamicsSection(DocumentSections& sections) {
    MStatus status;
    MItDag particles(MItDag::kDepthFirst, MFn::kParticle, &status);
    if (!status) return;
    sections.dynamics << "  <Dynamics>\n";
    sections.dynamics << "  </Dynamics>\n";
}

// With binary files the shapes go to the companion file's records and the section has no frame.
void writeShapesSection(const ExportFlags& flags, DocumentSections& sections) {
    if (flags.binaryFiles) return;
    sections.shapes << "  <Shapes>\n";
    sections.shapes << "  </Shapes>\n";
}

}  // namespace

MStatus runExport(const MArgList& args) {
    const ExportFlags flags = readExportFlags(args);
    if (!flags.hasFile) return MStatus::kFailure;

    const std::string outputPath = normalizeOutputPath(flags.file);
    const std::string gamePath = normalizeGamePath(flags.hasGamePath, flags.gamePath);
    MGlobal::displayInfo(MString(("Export scene to: " + outputPath).c_str()));

    Q5XSaveUtil::ScopedLoader loader(Q5XSaveUtil::FileSystem::instance(),
                                     std::make_unique<Q5XSaveUtil::NativeFileLoader>(loaderRoot(outputPath)));
    DocumentSections sections;

    const std::string sceneFileName = querySceneFileName(flags.verbose);
    ExportSettings settings = makeSettings(flags, folderPart(sceneFileName), folderPart(outputPath), gamePath);
    SceneCollections collections;
    writeScene(settings, collections, sections.scene);
    resolveBoundingVolumes(settings, collections);

    if (flags.particleSystems) writeDynamicsSection(sections);
    if (flags.shapes) writeShapesSection(flags, sections);

    const DocumentLayout layout{flags.shapes, flags.particleSystems, flags.animation, flags.userAttributes,
                                flags.binaryFiles};
    if (!writeDocument(outputPath, documentName(sceneFileName), layout, sections)) return MStatus::kFailure;
    MGlobal::displayInfo("done.");
    return MStatus::kSuccess;
}
