#ifndef MAYA_MITDAG_H
#define MAYA_MITDAG_H

#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

// Walks the DAG from the world, parents before children; every instance path is visited. The
// walk holds only the current path, and stops with an error after kMaxDagPaths paths (instancing
// can multiply paths beyond any memory).
class MItDag {
public:
    enum TraversalType { kInvalidType, kDepthFirst, kBreadthFirst };

    MItDag(TraversalType type = kDepthFirst, MFn::Type filter = MFn::kInvalid, MStatus* ReturnStatus = NULL);
    ~MItDag();

    MStatus reset();
    MStatus next();
    bool isDone(MStatus* ReturnStatus = NULL) const;
    MObject currentItem(MStatus* ReturnStatus = NULL) const;
    MObject item(MStatus* ReturnStatus = NULL) const;
    MStatus getPath(MDagPath& path) const;
    unsigned int depth(MStatus* ReturnStatus = NULL) const;
    MStatus prune();

    static constexpr unsigned long long kMaxDagPaths = 20000000ull;

private:
    void advance();
    void skipFiltered();

    MFn::Type filter_;
    MDagPath current_;
    std::vector<unsigned int> nextChild_;  // per level below the world: the next sibling to visit
    bool done_ = false;
    bool pruned_ = false;
    unsigned long long visited_ = 0;
};

#endif
