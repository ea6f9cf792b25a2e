#include "ExportDriver.h"

#include "DocumentOutput.h"
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
bool writeShapesSection(const ExportContext& context, const ExportModel& model, DocumentOutput& document,
                        ExportProgress& progress) {
    const bool binary = context.options.binaryFiles;
    std::string unused;
    Q5XSaveUtil::XmlWriter xml = binary ? Q5XSaveUtil::XmlWriter(unused) : document.sectionWriter();
    if (!binary) xml.raw("  <Shapes>\n");
    Q5XSaveUtil::PhysicsCookingInterface cooking;
    Q5XSaveUtil::SplittableMeshBuilder splitter;
    ShapeExportOptions options = shapeExportOptions(context);
    options.cooking = &cooking;
    options.splitter = &splitter;
    const auto report = [&progress](std::size_t done, std::size_t total) { progress.shapes(done, total); };
    if (!writeShapes(options, model, xml, document.shapeRecords, report)) return false;
    if (binary) {
        document.referenceShapesFile();
    } else {
        xml.raw("  </Shapes>\n");
        document.endSection();
    }
    return true;
}

// Materials register their textures, so the Files section is written after them and placed
// before them: every file any section names is listed once.
bool writeFilesAndMaterials(const ExportContext& context, ExportModel& model, DocumentOutput& document) {
    std::string materialsText;
    Q5XSaveUtil::XmlWriter materials(materialsText);
    if (!writeMaterialsSection(context, model.materials, model.files, materials)) return false;
    Q5XSaveUtil::XmlWriter filesAndMaterials = document.sectionWriter();
    if (!writeFilesSection(context, model.files, filesAndMaterials)) return false;
    filesAndMaterials.raw(materialsText);
    document.endSection();
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

    const std::string sceneFileName = querySceneFileName(options.verbose);
    context.sceneFile = sceneFileName;
    context.sceneDirectory = folderPart(sceneFileName);
    context.outputDirectory = folderPart(context.outputPath);
    context.unitScale = 1.0 / MDistance::uiToInternal(1.0);

    // The document is staged first: a path that cannot be written is named before the work starts.
    DocumentOutput document(options, context.outputPath);
    bool replacedControlCharacters = false;
    if (!document.begin(documentName(sceneFileName), replacedControlCharacters)) return MStatus::kFailure;

    // The sections are written in document order, each to the file as it grows.
    ExportProgress progress(options.verbose);
    ExportModel model;
    SceneModelResult built = SceneModelResult::NoDag;
    {
        const ExportProgress::Section timed(progress, "scene walk");
        built = buildSceneModel(context, model);
        if (built == SceneModelResult::TooManyPaths) return MStatus::kFailure;
    }
    {
        const ExportProgress::Section timed(progress, "materials");
        if (!writeFilesAndMaterials(context, model, document)) return MStatus::kFailure;
    }
    if (options.shapes) {
        const ExportProgress::Section timed(progress, "shapes");
        if (!writeShapesSection(context, model, document, progress)) return MStatus::kFailure;
    }
    if (options.particleSystems) {
        const ExportProgress::Section timed(progress, "dynamics");
        Q5XSaveUtil::XmlWriter dynamics = document.sectionWriter();
        writeDynamics(context.unitScale, model.dynamicIds, dynamics);
        document.endSection();
    }
    {
        const ExportProgress::Section timed(progress, "scene");
        Q5XSaveUtil::XmlWriter scene = document.sectionWriter();
        if (built == SceneModelResult::Built) writeSceneSection(context, model, scene);
        document.endSection();
    }
    if (options.animation) {
        const ExportProgress::Section timed(progress, "animation");
        std::string unused;
        Q5XSaveUtil::XmlWriter animation =
            options.binaryFiles ? Q5XSaveUtil::XmlWriter(unused) : document.sectionWriter();
        if (!writeAnimation(context, model.nodeTable, animation, document.animationBuffer)) return MStatus::kFailure;
        if (options.binaryFiles) {
            document.referenceAnimationFile();
        } else {
            document.endSection();
        }
    }
    if (options.userAttributes) {
        const ExportProgress::Section timed(progress, "user attributes");
        Q5XSaveUtil::XmlWriter userAttributes = document.sectionWriter();
        writeUserAttributes(model.nodeTable, userAttributes);
        document.endSection();
    }

    bool written = false;
    {
        const ExportProgress::Section timed(progress, "writing");
        written = document.finish();
    }
    if (replacedControlCharacters) {
        MGlobal::displayWarning(MString("q5xExport: Control characters in the name of scene file ") +
                                sceneFileName.c_str() + " cannot be written to XML and were replaced by \"?\"");
    }
    if (!written) return MStatus::kFailure;
    MGlobal::displayInfo("done.");
    return MStatus::kSuccess;
}
