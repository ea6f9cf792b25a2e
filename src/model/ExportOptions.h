#ifndef Q5X_MODEL_EXPORTOPTIONS_H
#define Q5X_MODEL_EXPORTOPTIONS_H

#include <string>

// What the flags of one Q5XExporter call say. A switch is set when its flag occurs anywhere; a
// string flag counts only with an argument after it.
struct ExportOptions {
    bool verbose = false;
    bool shapes = false;
    bool normals = false;
    bool colors = false;
    bool textureCoords = false;
    bool skinWeights = false;
    bool mergeGroups = false;
    bool nurbsCurves = false;
    bool relativePaths = false;
    bool gameRelativePaths = false;
    bool ikHandles = false;
    bool lights = false;
    bool cameras = false;
    bool userAttributes = false;
    bool defaultCameras = false;
    bool particleSystems = false;
    bool animation = false;
    bool binaryFiles = false;
    bool ignoreBindPoses = false;
    bool selectionOnly = false;
    bool hasFile = false;
    std::string file;
    bool hasGamePath = false;
    std::string gamePath;
};

// What one run settles before the scene is read and keeps to the end: the options, where the
// output goes, where the scene lives, and the factor from Maya's internal length unit (cm) to
// the user's working unit.
struct ExportContext {
    ExportOptions options;
    std::string outputPath;
    std::string sceneFile;  // empty for an unsaved scene
    std::string gamePath;  // empty, or ending in exactly one '/'
    std::string sceneDirectory;
    std::string outputDirectory;
    double unitScale = 1.0;
};

namespace SerializationHelper {
class CookingInterface;
}
class SplitShapeBuilder;
struct SplitShapeMap;

// What the shape writers need of the run.
struct ShapeExportOptions {
    bool normals = false;
    bool colors = false;
    bool textureCoords = false;
    bool skinWeights = false;
    bool nurbsCurves = false;
    bool verbose = false;
    bool binaryFiles = false;
    double unitScale = 1.0;
    // Cooks the collision entries of binary shapes; none without it.
    SerializationHelper::CookingInterface* cooking = nullptr;
    // Builds split shapes' boundary representations and hulls; without it they are written whole.
    SplitShapeBuilder* splitter = nullptr;
    // Where the split shapes written keep their boundary representations for their attachments.
    SplitShapeMap* splitShapes = nullptr;
};

// Built field by field by name: the switches are all bool, and an order mistaken would go unseen.
inline ShapeExportOptions shapeExportOptions(const ExportContext& context) {
    const ExportOptions& o = context.options;
    ShapeExportOptions shapes;
    shapes.normals = o.normals;
    shapes.colors = o.colors;
    shapes.textureCoords = o.textureCoords;
    shapes.skinWeights = o.skinWeights;
    shapes.nurbsCurves = o.nurbsCurves;
    shapes.verbose = o.verbose;
    shapes.binaryFiles = o.binaryFiles;
    shapes.unitScale = context.unitScale;
    return shapes;
}

#endif
