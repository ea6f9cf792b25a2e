#include "NodeNameIndex.h"

#include <algorithm>

namespace mayahost {

const NodeNameIndex::Slot* NodeNameIndex::find(std::string_view name) const {
    if (count_ == 0) return nullptr;
    const std::uint32_t hash = keyHash(name);
    for (std::size_t at = hash & mask(); slots_[at].node; at = (at + 1) & mask()) {
        if (slots_[at].hash == hash && slots_[at].node->name == name) return &slots_[at];
    }
    return nullptr;
}

std::size_t NodeNameIndex::add(Node& node) {
    if (Slot* slot = find(node.name)) {
        if (slot->others == kNoOthers) {
            slot->others = static_cast<std::uint32_t>(others_.size());
            others_.emplace_back();
        }
        others_[slot->others].push_back(&node);
        return 1 + others_[slot->others].size();
    }
    // At most three quarters full, so that a probe soon meets a free slot.
    if ((count_ + 1) * 4 > slots_.size() * 3) grow();
    place({&node, keyHash(node.name), kNoOthers});
    ++count_;
    return 1;
}

void NodeNameIndex::place(const Slot& slot) {
    std::size_t at = slot.hash & mask();
    while (slots_[at].node) at = (at + 1) & mask();
    slots_[at] = slot;
}

void NodeNameIndex::grow() {
    std::vector<Slot> old(slots_.empty() ? 64 : slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (slot.node) place(slot);
    }
}

void NodeNameIndex::remove(const Node& node) {
    Slot* slot = find(node.name);
    if (!slot) return;
    std::vector<Node*>* others = slot->others == kNoOthers ? nullptr : &others_[slot->others];
    if (slot->node != &node) {
        if (!others) return;
        const auto found = std::find(others->begin(), others->end(), &node);
        if (found == others->end()) return;
        *found = others->back();
        others->pop_back();
    } else if (others && !others->empty()) {
        slot->node = others->back();
        others->pop_back();
    } else {
        erase(*slot);
    }
}

// Empties a slot and closes the gap: each later slot of the run moves up unless its probe starts
// after the gap.
void NodeNameIndex::erase(Slot& slot) {
    if (slot.others != kNoOthers) std::vector<Node*>().swap(others_[slot.others]);
    std::size_t gap = std::size_t(&slot - slots_.data());
    for (std::size_t next = (gap + 1) & mask(); slots_[next].node; next = (next + 1) & mask()) {
        const std::size_t home = slots_[next].hash & mask();
        const bool reachesGap = gap <= next ? (home <= gap || home > next) : (home <= gap && home > next);
        if (reachesGap) {
            slots_[gap] = slots_[next];
            gap = next;
        }
    }
    slots_[gap] = Slot();
    --count_;
}

void NodeNameIndex::clear() {
    slots_.clear();
    others_.clear();
    count_ = 0;
}

std::size_t NodeNameIndex::count(std::string_view name) const {
    const Slot* slot = find(name);
    if (!slot) return 0;
    return 1 + (slot->others == kNoOthers ? 0 : others_[slot->others].size());
}

}  // namespace mayahost
