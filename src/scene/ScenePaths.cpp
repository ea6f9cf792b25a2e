#include "ScenePaths.h"

#include <maya/MFnDagNode.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MObjectHandle.h>

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

// Path counts by node, saturated at a cap.
class PathCounts {
public:
    explicit PathCounts(std::size_t cap) : cap_(cap) {}

    // Counts up the parents with an explicit stack: hierarchies can be far deeper than a call stack.
    // Only the parents are kept: a leaf, most nodes of a level, is asked for once.
    std::size_t of(const MObject& node) {
        std::size_t total = 0;
        if (fromParents(node, total, nullptr)) return total;
        std::vector<MObject> pending{node};
        while (!pending.empty()) {
            const MObject current = pending.back();
            if (find(current)) {
                pending.pop_back();
                continue;
            }
            if (!fromParents(current, total, &pending)) continue;
            if (pending.size() == 1) return total;
            byHash_.emplace(MObjectHandle(current).hashCode(), std::make_pair(current, total));
            pending.pop_back();
        }
        return *find(node);
    }

private:
    // The paths of a node from its parents' when each is the world, counted already or below the
    // world only (then kept: its children ask next); false when a parent needs counting first, every
    // such parent then added to `uncounted`, if given.
    bool fromParents(const MObject& node, std::size_t& total, std::vector<MObject>* uncounted) {
        const MFnDagNode dag(node);
        total = 0;
        bool counted = true;
        for (unsigned i = 0; i < dag.parentCount(); ++i) {
            const MObject parent = dag.parent(i);
            std::size_t count = 0;
            if (parent.hasFn(MFn::kWorld)) {
                count = 1;
            } else if (const std::size_t* known = find(parent)) {
                count = *known;
            } else if (belowWorldOnly(parent, count)) {
                byHash_.emplace(MObjectHandle(parent).hashCode(), std::make_pair(parent, count));
            } else {
                if (!uncounted) return false;
                uncounted->push_back(parent);
                counted = false;
            }
            total = std::min(total + count, cap_);
        }
        return counted;
    }

    // A node whose parents are all the world has as many paths as parents; most nodes of a flat
    // level are such, and need no memo.
    bool belowWorldOnly(const MObject& node, std::size_t& count) const {
        const MFnDagNode dag(node);
        const unsigned parents = dag.parentCount();
        for (unsigned i = 0; i < parents; ++i) {
            if (!dag.parent(i).hasFn(MFn::kWorld)) return false;
        }
        count = std::min<std::size_t>(parents, cap_);
        return true;
    }

    const std::size_t* find(const MObject& node) const {
        const auto same = byHash_.equal_range(MObjectHandle(node).hashCode());
        for (auto entry = same.first; entry != same.second; ++entry) {
            if (entry->second.first == node) return &entry->second.second;
        }
        return nullptr;
    }

    std::size_t cap_;
    std::unordered_multimap<unsigned int, std::pair<MObject, std::size_t>> byHash_;
};

}  // namespace

std::size_t countTransformPaths(std::size_t limit) {
    PathCounts counts(limit + 1);
    std::size_t total = 0;
    for (MItDependencyNodes it(MFn::kTransform); !it.isDone() && total <= limit; it.next()) {
        total = std::min(total + counts.of(it.thisNode()), limit + 1);
    }
    return total;
}
