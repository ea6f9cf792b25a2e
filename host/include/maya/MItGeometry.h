#ifndef MAYA_MITGEOMETRY_H
#define MAYA_MITGEOMETRY_H

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>

// Walks the components (for meshes, the vertices) of a shape in index order.
class MItGeometry {
public:
    MItGeometry(const MDagPath& dagPath, MStatus* ReturnStatus = NULL);

    bool isDone(MStatus* ReturnStatus = NULL) const;
    MStatus next();
    MStatus reset();
    int index(MStatus* ReturnStatus = NULL) const;
    int count(MStatus* ReturnStatus = NULL) const;
    // The current vertex as a component object.
    MObject currentItem(MStatus* ReturnStatus = NULL) const;

private:
    int count_ = 0;
    int index_ = 0;
};

#endif
