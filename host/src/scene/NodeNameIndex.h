#ifndef MAYAHOST_NODENAMEINDEX_H
#define MAYAHOST_NODENAMEINDEX_H

#include "Node.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace mayahost {

// The scene's nodes by name; several nodes may share one. A flat table with a slot per name,
// probed from the name's hash, holding the name's first node; the names are the nodes' own, so a
// level of a million nodes adds no allocation per node. The other holders of a shared name are
// listed apart, so that a name given to thousands of nodes still costs one slot.
class NodeNameIndex {
public:
    // `node` is indexed under its current name, which must not change until it is removed; how
    // many nodes now hold the name.
    std::size_t add(Node& node);
    void remove(const Node& node);
    void clear();

    // Calls `visit(Node&)` for each node named `name`, in no particular order, until it returns false.
    template <class Visit>
    void forEachNamed(std::string_view name, Visit visit) const {
        const Slot* slot = find(name);
        if (!slot || !visit(*slot->node) || slot->others == kNoOthers) return;
        for (Node* other : others_[slot->others]) {
            if (!visit(*other)) return;
        }
    }
    // How many nodes are named `name`.
    std::size_t count(std::string_view name) const;

private:
    static constexpr std::uint32_t kNoOthers = 0xFFFFFFFFu;
    struct Slot {
        Node* node = nullptr;  // the name's first holder; null marks a free slot
        std::uint32_t hash = 0;
        std::uint32_t others = kNoOthers;  // index into others_
    };

    std::size_t mask() const { return slots_.size() - 1; }
    const Slot* find(std::string_view name) const;
    Slot* find(std::string_view name) { return const_cast<Slot*>(static_cast<const NodeNameIndex*>(this)->find(name)); }
    void place(const Slot& slot);
    void grow();
    void erase(Slot& slot);

    std::vector<Slot> slots_;
    std::size_t count_ = 0;  // names
    std::vector<std::vector<Node*>> others_;
};

}  // namespace mayahost

#endif
