#include <maya/MSelectionList.h>

#include <algorithm>

MSelectionList::MSelectionList() = default;

unsigned int MSelectionList::length(MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return static_cast<unsigned int>(items_.size());
}

bool MSelectionList::isEmpty(MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return items_.empty();
}

MStatus MSelectionList::clear() {
    items_.clear();
    return MStatus::kSuccess;
}

MStatus MSelectionList::add(const MObject& object, bool mergeWithExisting) {
    if (object.isNull()) return MStatus::kInvalidParameter;
    if (mergeWithExisting && hasItem(object)) return MStatus::kSuccess;
    items_.push_back(object);
    return MStatus::kSuccess;
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& depNode) const {
    if (index >= items_.size()) return MStatus::kInvalidParameter;
    depNode = items_[index];
    return MStatus::kSuccess;
}

bool MSelectionList::hasItem(const MObject& item, MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return std::find(items_.begin(), items_.end(), item) != items_.end();
}
