// MItDag, MItDependencyNodes and MSelectionList over the current scene.
#include "ApiAccess.h"
#include "ScriptEditor.h"

#include <maya/MItDag.h>
#include <maya/MItDependencyNodes.h>
#include <maya/MSelectionList.h>

#include <algorithm>

using namespace mayahost;

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

bool matches(const ObjectData* node, MFn::Type filter) {
    return filter == MFn::kInvalid || node->hasFn(filter);
}

}  // namespace

MItDag::MItDag(TraversalType, MFn::Type filter, MStatus* ReturnStatus) : filter_(filter) {
    reset();
    setStatus(ReturnStatus, true);
}

MItDag::~MItDag() = default;

// The next path in depth-first order: the first child, else the next sibling of the nearest level
// that has one.
void MItDag::advance() {
    if (++visited_ > kMaxDagPaths) {
        ScriptEditor::instance().error("The DAG of " + displayedSceneName() + " has more than " +
                                       std::to_string(kMaxDagPaths) +
                                       " paths (instancing multiplies them); the walk stops there");
        done_ = true;
        return;
    }
    if (!pruned_ && current_.childCount() > 0) {
        nextChild_.push_back(1);
        current_.push(current_.child(0));
        return;
    }
    pruned_ = false;
    while (!nextChild_.empty()) {
        current_.pop();
        unsigned int& next = nextChild_.back();
        if (next < current_.childCount()) {
            current_.push(current_.child(next++));
            return;
        }
        nextChild_.pop_back();
    }
    done_ = true;
}

void MItDag::skipFiltered() {
    while (!done_ && !matches(MDagPathAccess::last(current_), filter_)) advance();
}

MStatus MItDag::reset() {
    current_ = MDagPath();
    nextChild_.clear();
    done_ = false;
    pruned_ = false;
    visited_ = 0;
    skipFiltered();
    return MStatus::kSuccess;
}

MStatus MItDag::next() {
    if (!done_) advance();
    skipFiltered();
    return MStatus::kSuccess;
}

MStatus MItDag::prune() {
    pruned_ = true;
    return MStatus::kSuccess;
}

bool MItDag::isDone(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return done_;
}

MObject MItDag::currentItem(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !done_);
    return done_ ? MObject() : objectOf(MDagPathAccess::last(current_));
}

MObject MItDag::item(MStatus* ReturnStatus) const { return currentItem(ReturnStatus); }

MStatus MItDag::getPath(MDagPath& path) const {
    if (done_) return MStatus::kFailure;
    path = current_;
    return MStatus::kSuccess;
}

unsigned int MItDag::depth(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !done_);
    return done_ ? 0 : current_.length();
}

MItDependencyNodes::MItDependencyNodes(MFn::Type filter, MStatus* ReturnStatus) : filter_(filter) {
    skipFiltered();
    setStatus(ReturnStatus, true);
}

void MItDependencyNodes::skipFiltered() {
    const auto& nodes = Scene::current().nodes();
    while (position_ < nodes.size() &&
           (nodes[position_].get() == Scene::current().world() || !matches(nodes[position_].get(), filter_))) {
        ++position_;
    }
}

MStatus MItDependencyNodes::reset() {
    position_ = 0;
    skipFiltered();
    return MStatus::kSuccess;
}

MStatus MItDependencyNodes::next() {
    ++position_;
    skipFiltered();
    return MStatus::kSuccess;
}

bool MItDependencyNodes::isDone(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return position_ >= Scene::current().nodes().size();
}

MObject MItDependencyNodes::thisNode(MStatus* ReturnStatus) const {
    const auto& nodes = Scene::current().nodes();
    setStatus(ReturnStatus, position_ < nodes.size());
    return position_ < nodes.size() ? objectOf(nodes[position_].get()) : MObject();
}

MObject MItDependencyNodes::item(MStatus* ReturnStatus) const { return thisNode(ReturnStatus); }

MSelectionList::MSelectionList() = default;

unsigned int MSelectionList::length(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return static_cast<unsigned int>(items_.size());
}

bool MSelectionList::isEmpty(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return items_.empty();
}

MStatus MSelectionList::clear() {
    items_.clear();
    return MStatus::kSuccess;
}

MStatus MSelectionList::add(const MObject& object, bool mergeWithExisting) {
    if (object.isNull()) return MStatus::kInvalidParameter;
    if (mergeWithExisting && hasItem(object)) return MStatus::kSuccess;
    items_.push_back({object, MDagPath(), false});
    return MStatus::kSuccess;
}

MStatus MSelectionList::add(const MDagPath& path, const MObject&, bool mergeWithExisting) {
    if (mergeWithExisting && hasItem(path)) return MStatus::kSuccess;
    items_.push_back({path.node(), path, true});
    return MStatus::kSuccess;
}

MStatus MSelectionList::add(const MString& matchString, bool) {
    Node* node = Scene::current().findNode(matchString.asChar());
    if (!node) return MStatus::kInvalidParameter;
    if (!node->isDag()) return add(objectOf(node));
    const std::string text = matchString.asChar();
    // A path names one instance; a plain name the first one.
    for (const auto& nodes : pathsTo(node, MItDag::kMaxDagPaths)) {
        const MDagPath path = MDagPathAccess::fromNodes(nodes);
        const std::string full = path.fullPathName().asChar();
        const bool tailMatches = full.size() > text.size() &&
                                 full.compare(full.size() - text.size(), text.size(), text) == 0 &&
                                 full[full.size() - text.size() - 1] == '|';
        if (text.find('|') == std::string::npos || full == text || tailMatches) {
            return add(path);
        }
    }
    return add(MDagPathAccess::fromNodes(firstPathTo(node)));
}

MStatus MSelectionList::getDependNode(unsigned int index, MObject& depNode) const {
    if (index >= items_.size()) return MStatus::kInvalidParameter;
    depNode = items_[index].node;
    return MStatus::kSuccess;
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& dagPath, MObject& component) const {
    component = MObject();
    return getDagPath(index, dagPath);
}

MStatus MSelectionList::getDagPath(unsigned int index, MDagPath& dagPath) const {
    if (index >= items_.size()) return MStatus::kInvalidParameter;
    if (items_[index].isPath) {
        dagPath = items_[index].path;
        return MStatus::kSuccess;
    }
    return MDagPath::getAPathTo(items_[index].node, dagPath);
}

bool MSelectionList::hasItem(const MObject& item, MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return std::any_of(items_.begin(), items_.end(), [&](const Item& entry) { return entry.node == item; });
}

bool MSelectionList::hasItem(const MDagPath& item, const MObject&, MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return std::any_of(items_.begin(), items_.end(), [&](const Item& entry) { return entry.isPath && entry.path == item; });
}
