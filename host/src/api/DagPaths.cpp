#include "ApiAccess.h"

#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>

#include "HostState.h"

#include <maya/MItDag.h>

#include <algorithm>

using namespace mayahost;

namespace mayahost {

std::vector<std::vector<Node*>> pathsTo(Node* node, std::size_t limit) {
    Node* world = Scene::current().world();
    if (!node || node == world) return {{}};
    // Depth first up the parents without recursion: each entry is a node and which of its
    // parents to try next; the stack from the bottom is the path reversed.
    std::vector<std::vector<Node*>> paths;
    std::vector<std::pair<Node*, std::size_t>> stack{{node, 0}};
    while (!stack.empty() && paths.size() < limit) {
        auto& top = stack.back();
        if (top.second == top.first->parents.size()) {
            stack.pop_back();
            continue;
        }
        Node* parent = top.first->parents[top.second++];
        if (parent != world) {
            stack.push_back({parent, 0});
            continue;
        }
        std::vector<Node*> path;
        for (auto it = stack.rbegin(); it != stack.rend(); ++it) path.push_back(it->first);
        paths.push_back(std::move(path));
    }
    return paths;
}

std::vector<Node*> firstPathTo(Node* node) {
    Node* world = Scene::current().world();
    std::vector<Node*> path;
    for (Node* step = node; step && step != world; step = step->parents.empty() ? nullptr : step->parents.front()) {
        path.push_back(step);
    }
    std::reverse(path.begin(), path.end());
    return path;
}

namespace {

// Settles a per-node fact that follows from the parents' facts, for `node` and every ancestor
// not settled since the DAG last changed: bottom-up without recursion, each level once, so that a
// walk asking about every node of a deep hierarchy stays linear. `settle` is called for a node
// once all its parents but the world are settled.
template <typename IsSettled, typename Settle>
void settleUpwards(Node* node, IsSettled isSettled, Settle settle) {
    Node* world = Scene::current().world();
    std::vector<Node*> pending{node};
    while (!pending.empty()) {
        Node* current = pending.back();
        if (current == world || isSettled(current)) {
            pending.pop_back();
            continue;
        }
        bool ready = true;
        for (Node* parent : current->parents) {
            if (parent != world && !isSettled(parent)) {
                pending.push_back(parent);
                ready = false;
            }
        }
        if (!ready) continue;
        settle(current);
        pending.pop_back();
    }
}

}  // namespace

bool hasSeveralPaths(Node* node) {
    Scene& scene = Scene::current();
    Node* world = scene.world();
    if (!node || node == world) return false;
    // Paths are counted up to two per node.
    const std::uint64_t generation = scene.dagGeneration();
    settleUpwards(
        node, [generation](const Node* n) { return n->pathsCountedAt == generation; },
        [world, generation](Node* n) {
            std::uint8_t total = 0;
            for (const Node* parent : n->parents) {
                total = std::min<std::uint8_t>(std::uint8_t(total + (parent == world ? 1 : parent->pathsCounted)), 2);
            }
            n->pathsCounted = total;
            n->pathsCountedAt = generation;
        });
    return node->pathsCounted > 1;
}

bool isInUnderworld(Node* node) {
    Scene& scene = Scene::current();
    Node* world = scene.world();
    if (node == world) return false;
    // Below a shape on any path.
    const std::uint64_t generation = scene.dagGeneration();
    settleUpwards(
        node, [generation](const Node* n) { return n->underworldKnownAt == generation; },
        [world, generation](Node* n) {
            n->inUnderworld = std::any_of(n->parents.begin(), n->parents.end(), [world](const Node* parent) {
                return parent != world && (parent->hasFn(MFn::kShape) || parent->inUnderworld);
            });
            n->underworldKnownAt = generation;
        });
    return node->inUnderworld;
}

std::string displayedSceneName() {
    const std::string& name = sceneState().fileName;
    return name.empty() ? "the untitled scene" : name;
}

}  // namespace mayahost

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

std::vector<Node*> nodesOf(const MDagPath& path) {
    std::vector<Node*> nodes;
    for (ObjectData* data : MDagPathAccess::nodes(path)) nodes.push_back(static_cast<Node*>(data));
    return nodes;
}

}  // namespace

MDagPath::MDagPath() = default;

MStatus MDagPath::getAPathTo(const MObject& node, MDagPath& path) {
    Node* target = asNode(node);
    if (!target || !target->isDag()) return MStatus::kInvalidParameter;
    path = MDagPathAccess::fromNodes(firstPathTo(target));
    return MStatus::kSuccess;
}

MStatus MDagPath::getAllPathsTo(const MObject& node, MDagPathArray& paths) {
    paths.clear();
    Node* target = asNode(node);
    if (!target || !target->isDag()) return MStatus::kInvalidParameter;
    for (const auto& nodes : pathsTo(target, MItDag::kMaxDagPaths)) paths.append(MDagPathAccess::fromNodes(nodes));
    return MStatus::kSuccess;
}

bool MDagPath::isValid(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return true;
}

MObject MDagPath::node(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return objectOf(MDagPathAccess::last(*this));
}

MObject MDagPath::transform(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    for (auto it = nodes_.rbegin(); it != nodes_.rend(); ++it) {
        if ((*it)->hasFn(MFn::kTransform)) return objectOf(*it);
    }
    return objectOf(Scene::current().world());
}

unsigned int MDagPath::length(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return static_cast<unsigned int>(nodes_.size());
}

MStatus MDagPath::push(const MObject& child) {
    Node* node = asNode(child);
    Node* last = MDagPathAccess::last(*this);
    // A node has few parents but its parent may have very many children: look it up from below.
    if (!node || std::find(node->parents.begin(), node->parents.end(), last) == node->parents.end()) {
        return MStatus::kInvalidParameter;
    }
    nodes_.push_back(node);
    return MStatus::kSuccess;
}

MStatus MDagPath::pop(unsigned int num) {
    if (num > nodes_.size()) return MStatus::kInvalidParameter;
    nodes_.resize(nodes_.size() - num);
    return MStatus::kSuccess;
}

unsigned int MDagPath::childCount(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return static_cast<unsigned int>(MDagPathAccess::last(*this)->children.size());
}

MObject MDagPath::child(unsigned int index, MStatus* ReturnStatus) const {
    const Node* last = MDagPathAccess::last(*this);
    setStatus(ReturnStatus, index < last->children.size());
    return index < last->children.size() ? objectOf(last->children[index]) : MObject();
}

MStatus MDagPath::extendToShape() {
    const Node* last = MDagPathAccess::last(*this);
    for (Node* child : last->children) {
        if (child->hasFn(MFn::kShape)) {
            nodes_.push_back(child);
            return MStatus::kSuccess;
        }
    }
    return MStatus::kFailure;
}

bool MDagPath::hasFn(MFn::Type type, MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return MDagPathAccess::last(*this)->hasFn(type);
}

MFn::Type MDagPath::apiType(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return MDagPathAccess::last(*this)->apiType();
}

bool MDagPath::isInstanced(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return hasSeveralPaths(MDagPathAccess::last(*this));
}

unsigned int MDagPath::instanceNumber(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    const auto paths = pathsTo(MDagPathAccess::last(*this), MItDag::kMaxDagPaths);
    const std::vector<Node*> mine = nodesOf(*this);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (paths[i] == mine) return static_cast<unsigned int>(i);
    }
    return 0;
}

MMatrix MDagPath::inclusiveMatrix(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    MMatrix result;
    for (ObjectData* data : nodes_) result = localMatrix(*static_cast<Node*>(data)) * result;
    return result;
}

MMatrix MDagPath::exclusiveMatrix(MStatus* ReturnStatus) const {
    MDagPath parent = *this;
    if (!parent.nodes_.empty()) parent.nodes_.pop_back();
    return parent.inclusiveMatrix(ReturnStatus);
}

MMatrix MDagPath::inclusiveMatrixInverse(MStatus* ReturnStatus) const { return inclusiveMatrix(ReturnStatus).inverse(); }

MMatrix MDagPath::exclusiveMatrixInverse(MStatus* ReturnStatus) const { return exclusiveMatrix(ReturnStatus).inverse(); }

MString MDagPath::fullPathName(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    std::string name;
    for (ObjectData* data : nodes_) name += "|" + static_cast<Node*>(data)->name;
    return MString(name.c_str());
}

namespace {

// How many distinct chains of DAG nodes carry the names of `tail` (top first), each node a child
// of the one before; counting stops at 2. Found from the top name down, so a common last name
// costs nothing when the names above it are rare.
std::size_t chainsNamed(const std::vector<Node*>& tail) {
    std::vector<Node*> level;
    Scene::current().forEachNamed(tail.front()->name, [&](Node& node) {
        if (node.isDag()) level.push_back(&node);
        return tail.size() > 1 || level.size() < 2;  // a common name alone settles nothing
    });
    if (tail.size() == 1 && level.size() == 2) return 2;
    for (std::size_t i = 1; i < tail.size() && !level.empty(); ++i) {
        std::vector<Node*> below;
        for (const Node* node : level) {
            for (Node* child : node->children) {
                if (child->name == tail[i]->name) below.push_back(child);
            }
        }
        level.swap(below);
    }
    return std::min<std::size_t>(level.size(), 2);
}

}  // namespace

// The shortest tail of the full path that names no other DAG path: another path ends in the same
// names when another chain of nodes carries them, or when the tail's top node has more than one
// path itself.
MString MDagPath::partialPathName(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    if (nodes_.empty()) return MString();
    std::vector<Node*> tail;  // grows upwards, one node per try; top first
    for (std::size_t length = 1; length <= nodes_.size(); ++length) {
        tail.insert(tail.begin(), static_cast<Node*>(nodes_[nodes_.size() - length]));
        const bool unique = (length == 1 && !tail.front()->nameShared) || chainsNamed(tail) == 1;
        if (!unique || hasSeveralPaths(tail.front())) continue;
        std::string name;
        for (const Node* node : tail) {
            if (!name.empty()) name += '|';
            name += node->name;
        }
        return MString(name.c_str());
    }
    return fullPathName();
}

bool MDagPath::operator==(const MDagPath& other) const { return nodes_ == other.nodes_; }

MFnDagNode::MFnDagNode() = default;

MFnDagNode::MFnDagNode(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFnDagNode::MFnDagNode(const MDagPath& path, MStatus* ReturnStatus) {
    const MStatus status = setObject(path);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnDagNode::type() const { return MFn::kDagNode; }

const MDagPath& MFnDagNode::path() const {
    // setObject(MObject) of the base leaves an earlier path behind: it must end at the object.
    if ((!pathKnown_ || path_.node() != object_) && !object_.isNull()) MDagPath::getAPathTo(object_, path_);
    pathKnown_ = true;
    return path_;
}

MStatus MFnDagNode::setObject(const MDagPath& path) {
    const MStatus status = MFnDependencyNode::setObject(path.node());
    if (status) {
        path_ = path;
        pathKnown_ = true;
    }
    return status;
}

unsigned int MFnDagNode::childCount(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node ? static_cast<unsigned int>(node->children.size()) : 0;
}

MObject MFnDagNode::child(unsigned int index, MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    const bool ok = node && index < node->children.size();
    setStatus(ReturnStatus, ok);
    return ok ? objectOf(node->children[index]) : MObject();
}

unsigned int MFnDagNode::parentCount(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node ? static_cast<unsigned int>(node->parents.size()) : 0;
}

MObject MFnDagNode::parent(unsigned int index, MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    const bool ok = node && index < node->parents.size();
    setStatus(ReturnStatus, ok);
    return ok ? objectOf(node->parents[index]) : MObject();
}

// Below a shape lies the underworld (curves on a surface and the like).
bool MFnDagNode::inUnderWorld(MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node && isInUnderworld(node);
}

bool MFnDagNode::isIntermediateObject(MStatus* ReturnStatus) const {
    return findPlug("intermediateObject", true, ReturnStatus).asBool();
}

bool MFnDagNode::isInstanced(bool, MStatus* ReturnStatus) const {
    return path().isInstanced(ReturnStatus);
}

MMatrix MFnDagNode::transformationMatrix(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node ? localMatrix(*node) : MMatrix();
}

MString MFnDagNode::fullPathName(MStatus* ReturnStatus) const { return path().fullPathName(ReturnStatus); }

MString MFnDagNode::partialPathName(MStatus* ReturnStatus) const { return path().partialPathName(ReturnStatus); }

MStatus MFnDagNode::getPath(MDagPath& path) const {
    path = this->path();
    return object_.isNull() ? MStatus::kFailure : MStatus::kSuccess;
}

MDagPath MFnDagNode::dagPath(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !object_.isNull());
    return path();
}

MStatus MFnDagNode::getAllPaths(MDagPathArray& paths) const { return MDagPath::getAllPathsTo(object_, paths); }
