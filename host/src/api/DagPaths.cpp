#include "ApiAccess.h"

#include <maya/MDagPath.h>
#include <maya/MFnDagNode.h>

#include <algorithm>

using namespace mayahost;

namespace mayahost {

std::vector<std::vector<Node*>> pathsTo(Node* node) {
    Node* world = Scene::current().world();
    if (!node || node == world) return {{}};
    std::vector<std::vector<Node*>> paths;
    for (Node* parent : node->parents) {
        for (std::vector<Node*>& path : pathsTo(parent)) {
            path.push_back(node);
            paths.push_back(std::move(path));
        }
    }
    return paths;
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

bool endsWith(const std::vector<Node*>& path, const std::vector<Node*>& tail) {
    if (tail.size() > path.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (path[path.size() - tail.size() + i]->name != tail[i]->name) return false;
    }
    return true;
}

}  // namespace

MDagPath::MDagPath() = default;

MStatus MDagPath::getAPathTo(const MObject& node, MDagPath& path) {
    Node* target = asNode(node);
    if (!target || !target->isDag()) return MStatus::kInvalidParameter;
    path = MDagPathAccess::fromNodes(pathsTo(target).front());
    return MStatus::kSuccess;
}

MStatus MDagPath::getAllPathsTo(const MObject& node, MDagPathArray& paths) {
    paths.clear();
    Node* target = asNode(node);
    if (!target || !target->isDag()) return MStatus::kInvalidParameter;
    for (const auto& nodes : pathsTo(target)) paths.append(MDagPathAccess::fromNodes(nodes));
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
    if (!node || std::find(last->children.begin(), last->children.end(), node) == last->children.end()) {
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
    return pathsTo(MDagPathAccess::last(*this)).size() > 1;
}

unsigned int MDagPath::instanceNumber(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    const auto paths = pathsTo(MDagPathAccess::last(*this));
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

MString MDagPath::partialPathName(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    if (nodes_.empty()) return MString();
    const Node* last = static_cast<Node*>(nodes_.back());
    // A name no other node has, on a node with one path, is its own short form.
    if (!last->nameShared && last->parents.size() == 1) return MString(last->name.c_str());
    const std::vector<Node*> mine = nodesOf(*this);
    // Every DAG path that ends in the same name competes for the short form.
    std::vector<std::vector<Node*>> rivals;
    for (Node* node : Scene::current().nodesNamed(mine.back()->name)) {
        if (!node->isDag()) continue;
        for (auto& path : pathsTo(node)) {
            if (path != mine) rivals.push_back(std::move(path));
        }
    }
    auto ambiguous = [&rivals](const std::vector<Node*>& tail) {
        return std::any_of(rivals.begin(), rivals.end(), [&](const auto& rival) { return endsWith(rival, tail); });
    };
    std::size_t length = 1;
    while (length < mine.size() && ambiguous(std::vector<Node*>(mine.end() - std::ptrdiff_t(length), mine.end()))) ++length;
    std::string name = length == mine.size() && ambiguous(mine) ? "|" : "";
    for (std::size_t i = mine.size() - length; i < mine.size(); ++i) {
        if (i > mine.size() - length) name += "|";
        name += mine[i]->name;
    }
    return MString(name.c_str());
}

bool MDagPath::operator==(const MDagPath& other) const { return nodes_ == other.nodes_; }

MFnDagNode::MFnDagNode() = default;

MFnDagNode::MFnDagNode(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (status) MDagPath::getAPathTo(object, path_);
    if (ReturnStatus) *ReturnStatus = status;
}

MFnDagNode::MFnDagNode(const MDagPath& path, MStatus* ReturnStatus) {
    const MStatus status = setObject(path);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnDagNode::type() const { return MFn::kDagNode; }

MStatus MFnDagNode::setObject(const MDagPath& path) {
    const MStatus status = MFnDependencyNode::setObject(path.node());
    if (status) path_ = path;
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
    setStatus(ReturnStatus, asNode(object_));
    const auto& nodes = MDagPathAccess::nodes(path_);
    for (std::size_t i = 0; i + 1 < nodes.size(); ++i) {
        if (nodes[i]->hasFn(MFn::kShape)) return true;
    }
    return false;
}

bool MFnDagNode::isIntermediateObject(MStatus* ReturnStatus) const {
    return findPlug("intermediateObject", true, ReturnStatus).asBool();
}

bool MFnDagNode::isInstanced(bool, MStatus* ReturnStatus) const {
    return path_.isInstanced(ReturnStatus);
}

MMatrix MFnDagNode::transformationMatrix(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node ? localMatrix(*node) : MMatrix();
}

MString MFnDagNode::fullPathName(MStatus* ReturnStatus) const { return path_.fullPathName(ReturnStatus); }

MString MFnDagNode::partialPathName(MStatus* ReturnStatus) const { return path_.partialPathName(ReturnStatus); }

MStatus MFnDagNode::getPath(MDagPath& path) const {
    path = path_;
    return object_.isNull() ? MStatus::kFailure : MStatus::kSuccess;
}

MDagPath MFnDagNode::dagPath(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !object_.isNull());
    return path_;
}

MStatus MFnDagNode::getAllPaths(MDagPathArray& paths) const { return MDagPath::getAllPathsTo(object_, paths); }
