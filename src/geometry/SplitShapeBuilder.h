#ifndef Q5X_GEOMETRY_SPLITSHAPEBUILDER_H
#define Q5X_GEOMETRY_SPLITSHAPEBUILDER_H

#include "Brep.h"
#include "IndexedTriangleSet.h"

#include <memory>
#include <string>
#include <vector>

// Makes a splittable shape's boundary representation and its convex physics hulls: from the
// shape's modelled physics meshes when it has any, else by a convex decomposition. Each face of the
// Brep learns which hulls it touches. False, with nothing handed out, when the shape cannot be
// split (the support library's log says why).
class SplitShapeBuilder {
public:
    virtual ~SplitShapeBuilder() = default;
    virtual bool createSplittableMesh(const std::string& name, IndexedTriangleSet& mesh,
                                      const std::vector<const IndexedTriangleSet*>& physicsMeshes, std::unique_ptr<Brep>& brep,
                                      std::vector<std::unique_ptr<Brep>>& hulls) = 0;
};

#endif
