#ifndef Q5X_SCENE_SHAPERECORDS_H
#define Q5X_SCENE_SHAPERECORDS_H

#include "model/ExportModel.h"
#include "model/ExportOptions.h"

#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>
#include <maya/MSelectionList.h>

#include <cstdint>
#include <vector>

// The rigid-body switches of a shape's transform.
struct RigidBodyFlags {
    bool isStatic = true;
    bool kinematic = false;
    bool dynamic = false;
    bool compoundChild = false;
    bool any() const { return isStatic || kinematic || dynamic || compoundChild; }
};
RigidBodyFlags readRigidBodyFlags(const MFnDependencyNode& transform);

// Material identifiers of the shading groups the mesh's polygons use, registered in the material
// table in shading-group order; "lambert1" when no group names a shader.
std::vector<std::uint32_t> collectMaterialIds(const MeshShading& shading, MaterialTable& materials);

// The skin cluster upstream of the mesh and the nodes its "matrix" elements bind; false when
// the mesh is not skinned.
bool findSkinBinding(const MObject& mesh, SkinBinding& binding);

// Split shapes take the plain-shape children of their first child transform, when it is named
// "collisions" and is a plain group, as collision meshes.
void collectCollisionMeshes(const ExportOptions& options, const MSelectionList& selection, const MDagPath& transform,
                            ShapeRecord& record);

#endif
