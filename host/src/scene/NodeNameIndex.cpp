#include "NodeNameIndex.h"

namespace mayahost {

void NodeNameIndex::add(Node& node) {
    // At most three quarters full, so that a probe soon meets a free slot.
    if ((count_ + 1) * 4 > slots_.size() * 3) grow();
    place({&node, hashOf(node.name)});
    ++count_;
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
    if (count_ == 0) return;
    std::size_t at = hashOf(node.name) & mask();
    while (slots_[at].node && slots_[at].node != &node) at = (at + 1) & mask();
    if (!slots_[at].node) return;
    // Close the gap: each later slot of the run moves up unless its probe starts after the gap.
    std::size_t gap = at;
    for (std::size_t next = (at + 1) & mask(); slots_[next].node; next = (next + 1) & mask()) {
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
    count_ = 0;
}

std::size_t NodeNameIndex::count(std::string_view name, std::size_t atMost) const {
    std::size_t found = 0;
    if (count_ == 0) return 0;
    const std::uint32_t hash = hashOf(name);
    for (std::size_t at = hash & mask(); slots_[at].node && found < atMost; at = (at + 1) & mask()) {
        if (slots_[at].hash == hash && slots_[at].node->name == name) ++found;
    }
    return found;
}

}  // namespace mayahost
