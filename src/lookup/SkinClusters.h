#ifndef Q5X_LOOKUP_SKINCLUSTERS_H
#define Q5X_LOOKUP_SKINCLUSTERS_H

#include <maya/MObject.h>

// The skin cluster that deforms a mesh: the first upstream of its "inMesh"; false when the mesh
// has no history or no skin cluster in it.
bool findSkinCluster(const MObject& mesh, MObject& cluster);

#endif
