#include "NodeTable.h"

void NodeTable::add(std::string_view pathName, const NodeRecord& record) {
    Entry entry{pathName, record.nodeId, -1, record.rotationOrder};
    if (record.hasRotateAxis || record.hasJointOrientation) {
        entry.rotations = static_cast<std::int32_t>(rotations_.size());
        rotations_.push_back({record.hasRotateAxis, record.rotateAxis, record.hasJointOrientation, record.jointOrientation});
    }
    entries_.push_back(entry);
    if (!index_.empty()) index_[pathName] = static_cast<std::uint32_t>(entries_.size() - 1);
}

const NodeTable::Entry* NodeTable::entryOf(std::string_view pathName) const {
    if (index_.empty() && !entries_.empty()) {
        index_.reserve(entries_.size());
        for (std::uint32_t i = 0; i < entries_.size(); ++i) index_[entries_[i].pathName] = i;
    }
    const auto found = index_.find(pathName);
    return found == index_.end() ? nullptr : &entries_[found->second];
}

bool NodeTable::find(std::string_view pathName, NodeRecord& record) const {
    record = NodeRecord();
    const Entry* entry = entryOf(pathName);
    if (!entry) return false;
    record.nodeId = entry->nodeId;
    record.rotationOrder = entry->rotationOrder;
    if (entry->rotations >= 0) {
        const Rotations& rotations = rotations_[std::size_t(entry->rotations)];
        record.hasRotateAxis = rotations.hasRotateAxis;
        record.rotateAxis = rotations.rotateAxis;
        record.hasJointOrientation = rotations.hasJointOrientation;
        record.jointOrientation = rotations.jointOrientation;
    }
    return true;
}

std::uint32_t NodeTable::nodeIdOf(std::string_view pathName) const {
    const Entry* entry = entryOf(pathName);
    return entry ? entry->nodeId : 0;
}
