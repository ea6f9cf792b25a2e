#ifndef MAYA_MSELECTIONLIST_H
#define MAYA_MSELECTIONLIST_H

#include <maya/MDagPath.h>
#include <maya/MObject.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <vector>

// An ordered list of selected objects: dependency nodes or DAG paths.
class MSelectionList {
public:
    MSelectionList();

    unsigned int length(MStatus* ReturnStatus = NULL) const;
    bool isEmpty(MStatus* ReturnStatus = NULL) const;
    MStatus clear();
    MStatus add(const MObject& object, bool mergeWithExisting = false);
    MStatus add(const MDagPath& path, const MObject& component = MObject::kNullObj, bool mergeWithExisting = false);
    // A node by name or DAG path.
    MStatus add(const MString& matchString, bool searchChildNamespacesToo = false);
    MStatus getDependNode(unsigned int index, MObject& depNode) const;
    MStatus getDagPath(unsigned int index, MDagPath& dagPath, MObject& component) const;
    MStatus getDagPath(unsigned int index, MDagPath& dagPath) const;
    bool hasItem(const MObject& item, MStatus* ReturnStatus = NULL) const;
    bool hasItem(const MDagPath& item, const MObject& component = MObject::kNullObj, MStatus* ReturnStatus = NULL) const;

private:
    struct Item {
        MObject node;
        MDagPath path;
        bool isPath;
    };
    std::vector<Item> items_;
};

#endif
