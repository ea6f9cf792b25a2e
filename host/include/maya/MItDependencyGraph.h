#ifndef MAYA_MITDEPENDENCYGRAPH_H
#define MAYA_MITDEPENDENCYGRAPH_H

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <cstddef>
#include <vector>

// Walks the nodes connected to a root node, upstream (through the sources of its inputs) or
// downstream, optionally only those with a function set type.
class MItDependencyGraph {
public:
    enum Direction { kDownstream, kUpstream };
    enum Traversal { kDepthFirst, kBreadthFirst };
    enum Level { kNodeLevel, kPlugLevel };

    MItDependencyGraph(MObject& rootNode, MFn::Type filter = MFn::kInvalid, Direction direction = kDownstream,
                       Traversal traversal = kDepthFirst, Level level = kNodeLevel, MStatus* ReturnStatus = NULL);

    MStatus next();
    bool isDone(MStatus* ReturnStatus = NULL) const;
    MObject currentItem(MStatus* ReturnStatus = NULL) const;
    MObject thisNode(MStatus* ReturnStatus = NULL) const;
    MStatus reset();

private:
    std::vector<MObject> order_;
    std::size_t position_ = 0;
};

#endif
