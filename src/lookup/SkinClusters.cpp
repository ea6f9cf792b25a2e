#include "SkinClusters.h"

#include <maya/MFnDependencyNode.h>
#include <maya/MItDependencyGraph.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

bool findSkinCluster(const MObject& mesh, MObject& cluster) {
    MStatus status;
    const MPlug inMesh = MFnDependencyNode(mesh).findPlug("inMesh", true, &status);
    MPlugArray sources;
    if (!status || !inMesh.connectedTo(sources, true, false) || sources.length() == 0) return false;
    MObject start = mesh;
    MItDependencyGraph upstream(start, MFn::kSkinClusterFilter, MItDependencyGraph::kUpstream);
    if (upstream.isDone()) return false;
    cluster = upstream.currentItem();
    return true;
}
