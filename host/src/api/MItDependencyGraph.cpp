#include <maya/MItDependencyGraph.h>

#include "ApiAccess.h"

#include <deque>
#include <set>

using namespace mayahost;

MItDependencyGraph::MItDependencyGraph(MObject& rootNode, MFn::Type filter, Direction direction, Traversal traversal,
                                       Level, MStatus* ReturnStatus) {
    Node* root = asNode(rootNode);
    if (ReturnStatus) *ReturnStatus = root ? MStatus::kSuccess : MStatus::kInvalidParameter;
    if (!root) return;
    // Every node reachable from the root (the root itself excluded), in the chosen order.
    std::deque<Node*> pending{root};
    std::set<Node*> seen{root};
    while (!pending.empty()) {
        Node* node = traversal == kBreadthFirst ? pending.front() : pending.back();
        traversal == kBreadthFirst ? pending.pop_front() : pending.pop_back();
        if (node != root && (filter == MFn::kInvalid || node->hasFn(filter))) order_.push_back(objectOf(node));
        const Scene& scene = Scene::current();
        for (const Connection* connection : direction == kUpstream ? scene.incomingOf(*node) : scene.outgoingOf(*node)) {
            Node* next = direction == kUpstream ? connection->source : connection->destination;
            if (seen.insert(next).second) pending.push_back(next);
        }
    }
}

MStatus MItDependencyGraph::next() {
    if (position_ < order_.size()) ++position_;
    return MStatus::kSuccess;
}

bool MItDependencyGraph::isDone(MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return position_ >= order_.size();
}

MObject MItDependencyGraph::currentItem(MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = position_ < order_.size() ? MStatus::kSuccess : MStatus::kFailure;
    return position_ < order_.size() ? order_[position_] : MObject();
}

MObject MItDependencyGraph::thisNode(MStatus* ReturnStatus) const { return currentItem(ReturnStatus); }

MStatus MItDependencyGraph::reset() {
    position_ = 0;
    return MStatus::kSuccess;
}
