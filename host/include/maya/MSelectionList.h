#ifndef MAYA_MSELECTIONLIST_H
#define MAYA_MSELECTIONLIST_H

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

// An ordered list of selected objects.
class MSelectionList {
public:
    MSelectionList();

    unsigned int length(MStatus* ReturnStatus = NULL) const;
    bool isEmpty(MStatus* ReturnStatus = NULL) const;
    MStatus clear();
    MStatus add(const MObject& object, bool mergeWithExisting = false);
    MStatus getDependNode(unsigned int index, MObject& depNode) const;
    bool hasItem(const MObject& item, MStatus* ReturnStatus = NULL) const;

private:
    std::vector<MObject> items_;
};

#endif
