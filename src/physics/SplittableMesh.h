#ifndef Q5X_PHYSICS_SPLITTABLEMESH_H
#define Q5X_PHYSICS_SPLITTABLEMESH_H

#include "geometry/SplitShapeBuilder.h"

#include <cstdint>

namespace Q5XSaveUtil {

// Splittable shapes: the render mesh must be closed, with normals and UV set 0; its hulls are the
// convex hulls of its modelled physics meshes (at most kMaxPhysicsMeshes) or of a V-HACD
// decomposition whose settings follow the mesh's size.
class SplittableMeshBuilder : public SplitShapeBuilder {
public:
    bool createSplittableMesh(const std::string& name, IndexedTriangleSet& mesh, const std::vector<const IndexedTriangleSet*>& physicsMeshes,
                              std::unique_ptr<Brep>& brep, std::vector<std::unique_ptr<Brep>>& hulls) override;
};

constexpr std::size_t kMaxPhysicsMeshes = 32;

// The decomposition's settings for a mesh whose largest box side is `extent`: small objects are
// voxelised more finely relative to their size and allowed less concavity.
struct DecompositionSettings {
    std::uint32_t resolution;
    double concavity;
    double minimumHullVolume;
};
DecompositionSettings decompositionSettings(double extent);

// The decomposition of a closed Brep into hulls (hull Breps in the library's order), setting the
// hull mask bit (i mod 32) of every face that touches hull i. False when it fails.
bool createPhysicsHulls(Brep& brep, std::vector<std::unique_ptr<Brep>>& hulls);

}  // namespace Q5XSaveUtil

#endif
