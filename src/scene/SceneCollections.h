#ifndef Q5X_SCENE_SCENECOLLECTIONS_H
#define Q5X_SCENE_SCENECOLLECTIONS_H

#include "NodeTable.h"

#include "materials/NameTable.h"

#include <maya/MFloatMatrix.h>
#include <maya/MObject.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// One shape of the Shapes section; instances of a mesh share it.
struct ShapeRecord {
    std::uint32_t shapeId = 0;
    MObject shape;
    bool split = false;
    float vertexCompressionRange = 0.0f;
    bool cpuMesh = false;
    bool usedDynamically = false;
    // Split shapes: the meshes of the "collisions" group below them, with their transforms.
    std::vector<std::pair<MObject, MObject>> collisionMeshes;
};

// Requests for a bounding volume by target name, first request first.
struct BoundingVolumeRequest {
    MObject transform;
    MObject mesh;
};

struct ResolvedBoundingVolume {
    MObject mesh;
    MFloatMatrix toTarget;  // requesting transform space to target transform space
};

// Everything the scene walk collects for the later sections.
struct SceneCollections {
    std::map<std::string, ShapeRecord> shapes;  // by shape key
    NodeTable nodes;
    MaterialTable materials;
    FileTable files;
    std::map<std::string, BoundingVolumeRequest> boundingVolumeRequests;
    std::map<std::string, ResolvedBoundingVolume> boundingVolumes;  // by target shape name
    // Skinned shapes whose placeholder waits for the node identifiers of its influences.
    std::vector<std::pair<std::string, std::vector<std::string>>> skinPlaceholders;
};

#endif
