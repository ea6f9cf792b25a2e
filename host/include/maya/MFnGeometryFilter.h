#ifndef MAYA_MFNGEOMETRYFILTER_H
#define MAYA_MFNGEOMETRYFILTER_H

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>

// Deformers: which shapes they feed.
class MFnGeometryFilter : public MFnDependencyNode {
public:
    MFnGeometryFilter();
    MFnGeometryFilter(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    // The logical index of the "outputGeometry" element that feeds `shape`.
    unsigned int indexForOutputShape(const MObject& shape, MStatus* ReturnStatus = NULL) const;
    MStatus getPathAtIndex(unsigned int index, MDagPath& shapePath) const;
};

#endif
