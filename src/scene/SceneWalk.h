#ifndef Q5X_SCENE_SCENEWALK_H
#define Q5X_SCENE_SCENEWALK_H

#include "SceneCollections.h"

#include "plugin/ExportSettings.h"

#include <maya/MDagPath.h>
#include <maya/MStatus.h>

#include <cstdint>
#include <ostream>
#include <vector>

enum class NodeKind {
    TransformGroup = 0,
    Shape = 1,
    MergeGroup = 2,
    MergeChildren = 3,
    SplitShape = 4,
    Emitter = 5,
    Camera = 6,
    NurbsCurve = 7,
    Light = 8,
};

struct NodeClassification {
    NodeKind kind = NodeKind::TransformGroup;
    std::uint32_t childIndex = 0;
    std::int32_t mergeGroupId = 0;
    bool cpuMesh = false;
    bool occluder = false;
    std::vector<std::uint32_t> transformChildren;
    bool exportNode = false;
};

// Writes the Scene section: every transform below the world that classifies for export, depth
// first, each with its nodeId, filling the collections for the later sections.
MStatus writeScene(ExportSettings& settings, SceneCollections& collections, std::ostream& out);
NodeClassification classifyTransform(const ExportSettings& settings, const MDagPath& transform,
                                     SceneCollections& collections);
void visitTransform(ExportSettings& settings, const MDagPath& transform, unsigned depth, bool inCompound,
                    SceneCollections& collections, std::ostream& out);
// " nodeId=\"N\"" with the next identifier, recorded in the node table.
void writeNodeId(ExportSettings& settings, const MDagPath& transform, NodeTable& nodes, std::ostream& out);

#endif
