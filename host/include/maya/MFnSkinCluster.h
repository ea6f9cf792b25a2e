#ifndef MAYA_MFNSKINCLUSTER_H
#define MAYA_MFNSKINCLUSTER_H

#include <maya/MDagPath.h>
#include <maya/MDoubleArray.h>
#include <maya/MFnGeometryFilter.h>

// Skin clusters: the influences ("matrix" elements in element order) and their weights.
class MFnSkinCluster : public MFnGeometryFilter {
public:
    MFnSkinCluster();
    MFnSkinCluster(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    unsigned int influenceObjects(MDagPathArray& paths, MStatus* ReturnStatus = NULL) const;
    // The weights of every influence, in influence order, for the vertex `components` names.
    MStatus getWeights(const MDagPath& shape, const MObject& components, MDoubleArray& weights,
                       unsigned int& influenceCount) const;
};

#endif
