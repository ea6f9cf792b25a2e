#ifndef MAYA_MITDAG_H
#define MAYA_MITDAG_H

#include <maya/MDagPath.h>
#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

// Walks the DAG from the world, parents before children; every instance path is visited.
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

private:
    void collect();
    void skipFiltered();

    MFn::Type filter_;
    std::vector<MDagPath> order_;
    std::vector<unsigned int> subtreeEnd_;
    std::size_t position_ = 0;
};

#endif
