#ifndef MAYAHOST_NODENAMEINDEX_H
#define MAYAHOST_NODENAMEINDEX_H

#include "Node.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace mayahost {

// The scene's nodes by name; several nodes may share one. A flat table of node pointers probed
// from the name's hash: the names are the nodes' own, so a level of a million nodes adds no
// allocation per node, only a slot.
class NodeNameIndex {
public:
    // `node` is indexed under its current name, which must not change until it is removed.
    void add(Node& node);
    void remove(const Node& node);
    void clear();

    // Calls `visit(Node&)` for each node named `name`, in no particular order.
    template <class Visit>
    void forEachNamed(std::string_view name, Visit visit) const {
        if (count_ == 0) return;
        const std::uint32_t hash = hashOf(name);
        for (std::size_t at = hash & mask(); slots_[at].node; at = (at + 1) & mask()) {
            if (slots_[at].hash == hash && slots_[at].node->name == name) visit(*slots_[at].node);
        }
    }
    // How many nodes are named `name`, counted up to `atMost`.
    std::size_t count(std::string_view name, std::size_t atMost) const;

private:
    struct Slot {
        Node* node = nullptr;  // null marks a free slot
        std::uint32_t hash = 0;
    };

    static std::uint32_t hashOf(std::string_view name) { return static_cast<std::uint32_t>(hashName(name)); }
    std::size_t mask() const { return slots_.size() - 1; }
    void place(const Slot& slot);
    void grow();

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

}  // namespace mayahost

#endif
