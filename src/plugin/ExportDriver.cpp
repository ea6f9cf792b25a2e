#include "ExportDriver.h"

#include "DocumentSections.h"
#include "ExportFlags.h"
#include "ExportPaths.h"
#include "ExportProgress.h"

#include "animation/AnimationSection.h"
#include "content/DynamicsSection.h"
#include "content/UserAttributesSection.h"
#include "geometry/ShapesSection.h"
#include "materials/FilesSection.h"
#include "materials/MaterialsSection.h"
#include "model/ExportModel.h"
#include "physics/PhysicsCookingInterface.h"
#include "physics/SplittableMesh.h"
#include "scene/SceneModel.h"
#include "scene/SceneSection.h"

#include "saveutil/FileSystem.h"
#include "saveutil/NativeFileLoader.h"
#include "saveutil/XmlWriter.h"

#include <maya/MDistance.h>
#include <maya/MGlobal.h>

#include <memory>

namespace {

std::string querySceneFileName(bool verbose) {
    MString result;
    if (!MGlobal::executeCommand("file -q -sceneName", result, verbose, false)) return std::string();
    return std::string(result.asChar(), result.length());
}

// With binary files the shapes go to the companion file's records and the section has no frame.
bool writeShapesSection(const ExportContext& context, const ExportModel& model, DocumentSections& sections, ExportProgress& progress) {
    Q5XSaveUtil::XmlWriter xml(sections.shapes);
    const bool binary = context.options.binaryFiles;
    if (!binary) xml.raw("  <Shapes>\n");
    Q5XSaveUtil::PhysicsCookingInterface cooking;
    Q5XSaveUtil::SplittableMeshBuilder splitter;
    ShapeExportOptions options = shapeExportOptions(context);
    options.cooking = &cooking;
    options.splitter = &splitter;
    const auto report = [&progress](std::size_t done, std::size_t total) { progress.shapes(done, total); };
    if (!writeShapes(options, model, xml, sections.shapeRecords, report)) return false;
    if (!binary) xml.raw("  </Shapes>\n");
    return true;
}

}  // namespace

MStatus runExport(const MArgList& args) {
    ExportContext context;
    context.options = readExportOptions(args);
    const ExportOptions& options = context.options;
    if (!options.hasFile) return MStatus::kFailure;

    context.outputPath = normalizeOutputPath(options.file);
    context.gamePath = normalizeGamePath(options.hasGamePath, options.gamePath);
    MGlobal::displayInfo(MString(("Export scene to: " + context.outputPath).c_str()));

    Q5XSaveUtil::ScopedLoader loader(Q5XSaveUtil::FileSystem::instance(),
                                     std::make_unique<Q5XSaveUtil::NativeFileLoader>(loaderRoot(context.outputPath)));
    DocumentSections sections;

    const std::string sceneFileName = querySceneFileName(options.verbose);
    context.sceneFile = sceneFileName;
    context.sceneDirectory = folderPart(sceneFileName);
    context.outputDirectory = folderPart(context.outputPath);
    context.unitScale = 1.0 / MDistance::uiToInternal(1.0);

    ExportProgress progress(options.verbose);
    ExportModel model;
    {
        const ExportProgress::Section timed(progress, "scene");
        const SceneModelResult built = buildSceneModel(context, model);
        if (built == SceneModelResult::TooManyPaths) return MStatus::kFailure;
        if (built == SceneModelResult::Built) {
            Q5XSaveUtil::XmlWriter scene(sections.scene);
            writeSceneSection(context, model, scene);
        }
    }
    if (options.animation) {
        const ExportProgress::Section timed(progress, "animation");
        if (!writeAnimation(context, model.nodeTable, sections.animation, sections.animationBuffer)) return MStatus::kFailure;
    }
    if (options.userAttributes) {
        const ExportProgress::Section timed(progress, "user attributes");
        writeUserAttributes(model.nodeTable, sections.userAttributes);
    }
    if (options.particleSystems) {
        const ExportProgress::Section timed(progress, "dynamics");
        Q5XSaveUtil::XmlWriter dynamics(sections.dynamics);
        writeDynamics(context.unitScale, model.dynamicIds, dynamics);
    }
    if (options.shapes) {
        const ExportProgress::Section timed(progress, "shapes");
        if (!writeShapesSection(context, model, sections, progress)) return MStatus::kFailure;
    }
    {
        // Materials register their textures, so the Files section is written after them and placed
        // before them: every file any section names is listed once.
        const ExportProgress::Section timed(progress, "materials");
        std::string materialsText;
        Q5XSaveUtil::XmlWriter materials(materialsText);
        if (!writeMaterialsSection(context, model.materials, model.files, materials)) return MStatus::kFailure;
        Q5XSaveUtil::XmlWriter filesAndMaterials(sections.filesAndMaterials);
        if (!writeFilesSection(context, model.files, filesAndMaterials)) return MStatus::kFailure;
        filesAndMaterials.raw(materialsText);
    }

    bool replacedControlCharacters = false;
    const std::string name = documentName(sceneFileName);
    bool written = false;
    {
        const ExportProgress::Section timed(progress, "writing");
        written = writeDocument(options, context.outputPath, name, sections, replacedControlCharacters);
    }
    if (replacedControlCharacters) {
        MGlobal::displayWarning(MString("q5xExport: Control characters in the name of scene file ") +
                                sceneFileName.c_str() + " cannot be written to XML and were replaced by \"?\"");
    }
    if (!written) return MStatus::kFailure;
    MGlobal::displayInfo("done.");
    return MStatus::kSuccess;
}
