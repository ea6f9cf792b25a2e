#ifndef MAYA_MITDEPENDENCYNODES_H
#define MAYA_MITDEPENDENCYNODES_H

#include <maya/MFn.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <cstddef>

// Every node of the scene in creation order, optionally only those with a function set type.
class MItDependencyNodes {
public:
    MItDependencyNodes(MFn::Type filter = MFn::kInvalid, MStatus* ReturnStatus = NULL);
    MStatus reset();
    MStatus next();
    bool isDone(MStatus* ReturnStatus = NULL) const;
    MObject thisNode(MStatus* ReturnStatus = NULL) const;
    MObject item(MStatus* ReturnStatus = NULL) const;

private:
    void skipFiltered();

    MFn::Type filter_;
    std::size_t position_ = 0;
};

#endif
