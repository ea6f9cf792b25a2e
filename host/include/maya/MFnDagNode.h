#ifndef MAYA_MFNDAGNODE_H
#define MAYA_MFNDAGNODE_H

#include <maya/MDagPath.h>
#include <maya/MFnDependencyNode.h>
#include <maya/MMatrix.h>

class MFnDagNode : public MFnDependencyNode {
public:
    MFnDagNode();
    MFnDagNode(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnDagNode(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;
    using MFnDependencyNode::setObject;
    virtual MStatus setObject(const MDagPath& path);

    unsigned int childCount(MStatus* ReturnStatus = NULL) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = NULL) const;
    unsigned int parentCount(MStatus* ReturnStatus = NULL) const;
    MObject parent(unsigned int index, MStatus* ReturnStatus = NULL) const;
    bool inUnderWorld(MStatus* ReturnStatus = NULL) const;
    bool isIntermediateObject(MStatus* ReturnStatus = NULL) const;
    bool isInstanced(bool indirect = true, MStatus* ReturnStatus = NULL) const;
    // The node's local matrix (for joints with orientation and inverse parent scale).
    MMatrix transformationMatrix(MStatus* ReturnStatus = NULL) const;
    MString fullPathName(MStatus* ReturnStatus = NULL) const;
    MString partialPathName(MStatus* ReturnStatus = NULL) const;
    MStatus getPath(MDagPath& path) const;
    MDagPath dagPath(MStatus* ReturnStatus = NULL) const;
    MStatus getAllPaths(MDagPathArray& paths) const;

protected:
    // The path given, or else the first path to the object, found when first needed.
    const MDagPath& path() const;

private:
    mutable MDagPath path_;
    mutable bool pathKnown_ = false;
};

#endif
