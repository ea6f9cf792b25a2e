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
    std::size_t of(const MObject& node) {
        std::vector<MObject> pending{node};
        while (!pending.empty()) {
            const MObject current = pending.back();
            if (find(current)) {
                pending.pop_back();
                continue;
            }
            const MFnDagNode dag(current);
            std::size_t total = 0;
            bool ready = true;
            for (unsigned i = 0; i < dag.parentCount(); ++i) {
                const MObject parent = dag.parent(i);
                if (parent.hasFn(MFn::kWorld)) {
                    ++total;
                } else if (const std::size_t* known = find(parent)) {
                    total += *known;
                } else {
                    pending.push_back(parent);
                    ready = false;
                }
                total = std::min(total, cap_);
            }
            if (!ready) continue;
            byHash_[MObjectHandle(current).hashCode()].emplace_back(current, total);
            pending.pop_back();
        }
        return *find(node);
    }

private:
    const std::size_t* find(const MObject& node) const {
        const auto bucket = byHash_.find(MObjectHandle(node).hashCode());
        if (bucket == byHash_.end()) return nullptr;
        for (const auto& entry : bucket->second) {
            if (entry.first == node) return &entry.second;
        }
        return nullptr;
    }

    std::size_t cap_;
    std::unordered_map<unsigned int, std::vector<std::pair<MObject, std::size_t>>> byHash_;
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
