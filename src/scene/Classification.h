#ifndef Q5X_SCENE_CLASSIFICATION_H
#define Q5X_SCENE_CLASSIFICATION_H

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

#include <maya/MDagPath.h>
#include <maya/MSelectionList.h>

#include <cstdint>
#include <string>
#include <vector>

// What one transform is for the export, read from the transform and its children alone.
struct NodeClassification {
    NodeKind kind = NodeKind::TransformGroup;
    std::uint32_t childIndex = 0;
    bool hasDecidingChild = false;  // a child decided the kind (childIndex names it)
    std::int32_t mergeGroupId = 0;
    bool cpuMesh = false;
    bool occluder = false;
    std::vector<std::uint32_t> transformChildren;
    bool exportNode = false;
    // Children that matched but lost to a later child: only one element is written per transform.
    std::vector<std::uint32_t> overriddenChildren;
    // A mesh child that stands for the bounding volume of the named target instead of a shape.
    std::string boundingVolumeTarget;
    MObject boundingVolumeMesh;
};

// The rules that decide whether and as what a transform is exported. `selection` holds the
// selected paths and their ancestors when only the selection is exported.
NodeClassification classifyTransform(const ExportOptions& options, const MSelectionList& selection,
                                     const MDagPath& transform);

#endif
