#ifndef MAYA_MDAGPATH_H
#define MAYA_MDAGPATH_H

#include <maya/MFn.h>
#include <maya/MHostArray.h>
#include <maya/MMatrix.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <vector>

class MDagPathArray;

// One path from the world down to a DAG node; instanced nodes have one path per instance.
class MDagPath {
public:
    MDagPath();

    static MStatus getAPathTo(const MObject& node, MDagPath& path);
    static MStatus getAllPathsTo(const MObject& node, MDagPathArray& paths);

    bool isValid(MStatus* ReturnStatus = NULL) const;
    MObject node(MStatus* ReturnStatus = NULL) const;
    MObject transform(MStatus* ReturnStatus = NULL) const;
    unsigned int length(MStatus* ReturnStatus = NULL) const;
    MStatus push(const MObject& child);
    MStatus pop(unsigned int num = 1);
    unsigned int childCount(MStatus* ReturnStatus = NULL) const;
    MObject child(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MStatus extendToShape();
    bool hasFn(MFn::Type type, MStatus* ReturnStatus = NULL) const;
    MFn::Type apiType(MStatus* ReturnStatus = NULL) const;
    bool isInstanced(MStatus* ReturnStatus = NULL) const;
    unsigned int instanceNumber(MStatus* ReturnStatus = NULL) const;

    // The product of the local matrices from this node (inclusive) or its parent (exclusive) up to the world.
    MMatrix inclusiveMatrix(MStatus* ReturnStatus = NULL) const;
    MMatrix exclusiveMatrix(MStatus* ReturnStatus = NULL) const;
    MMatrix inclusiveMatrixInverse(MStatus* ReturnStatus = NULL) const;
    MMatrix exclusiveMatrixInverse(MStatus* ReturnStatus = NULL) const;

    MString fullPathName(MStatus* ReturnStatus = NULL) const;
    // The shortest tail of the full path that names no other DAG path.
    MString partialPathName(MStatus* ReturnStatus = NULL) const;

    bool operator==(const MDagPath& other) const;

private:
    friend class MDagPathAccess;
    std::vector<mayahost::ObjectData*> nodes_;  // from the top-level node down; empty for the world
};

class MDagPathArray : public MHostArray<MDagPath> {
public:
    using MHostArray<MDagPath>::MHostArray;
};

#endif
