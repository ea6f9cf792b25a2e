#ifndef MAYAHOST_APIACCESS_H
#define MAYAHOST_APIACCESS_H

// How the stand-in's API classes reach each other's private state and the scene behind them.

#include "eval/PlugEvaluation.h"
#include "scene/NameHash.h"
#include "scene/Scene.h"

#include <maya/MDagPath.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

namespace mayahost {

inline Node* asNode(const MObject& object) {
    ObjectData* data = ObjectData::unwrap(object);
    return data ? data->asNode() : nullptr;
}

inline AttributeSpec* asAttribute(const MObject& object) {
    ObjectData* data = ObjectData::unwrap(object);
    return data ? data->asAttribute() : nullptr;
}

inline MObject objectOf(ObjectData* data) {
    return ObjectData::wrap(data);
}

// Binds a function set to an object or path, answering in `ReturnStatus` whether it fits.
template <typename FunctionSet, typename Source>
void bind(FunctionSet& set, const Source& source, MStatus* ReturnStatus) {
    const MStatus status = set.setObject(source);
    if (ReturnStatus) *ReturnStatus = status;
}

// The DAG paths of a node, one per chain of parents up to the world, at most `limit` of them.
std::vector<std::vector<Node*>> pathsTo(Node* node, std::size_t limit);
// The first of those paths (following each node's first parent).
std::vector<Node*> firstPathTo(Node* node);
// Whether more than one DAG path leads to a node (it or an ancestor is instanced).
bool hasSeveralPaths(Node* node);
// Whether a node lies below a shape (in the underworld of curves on surfaces and the like).
bool isInUnderworld(Node* node);
// The scene's file name for messages ("the untitled scene" without one).
std::string displayedSceneName();
// Local matrix of a DAG node from its transform attributes (identity for shapes).
MMatrix localMatrix(const Node& node);
// A plug of `node` from steps (attribute, index).
MPlug makePlug(Node* node, const std::vector<PlugStep>& steps);
// The number a plain attribute of a node holds (following an incoming connection), or its default.
// Inline: a transform's matrix reads some thirty of them.
inline double numberOf(Node& node, AttributeSpec& attribute) {
    double value = attribute.defaultValue;
    evaluateNumber(node, attribute, value);
    return value;
}
// The same by attribute name on the node a function set holds; false (and 0) when it has none.
bool numberNamed(const MObject& object, std::string_view attributeName, double& value);
// numberNamed for a function set's getter: `ReturnStatus` says whether the node has the attribute.
inline double numberWithStatus(const MObject& object, std::string_view attributeName, MStatus* ReturnStatus) {
    double value = 0.0;
    const bool found = numberNamed(object, attributeName, value);
    if (ReturnStatus) *ReturnStatus = found ? MStatus::kSuccess : MStatus::kFailure;
    return value;
}
// The three children of a numeric compound ("color"); false when there is no such compound.
bool tripleNamed(const MObject& object, std::string_view attributeName, double (&values)[3]);

}  // namespace mayahost

class MDagPathAccess {
public:
    static std::vector<mayahost::ObjectData*>& nodes(MDagPath& path) { return path.nodes_; }
    static const std::vector<mayahost::ObjectData*>& nodes(const MDagPath& path) { return path.nodes_; }
    static mayahost::Node* last(const MDagPath& path) {
        return path.nodes_.empty() ? mayahost::Scene::current().world()
                                   : static_cast<mayahost::Node*>(path.nodes_.back());
    }
    static MDagPath fromNodes(const std::vector<mayahost::Node*>& nodes) {
        MDagPath path;
        path.nodes_.assign(nodes.begin(), nodes.end());
        return path;
    }
};

class MPlugAccess {
public:
    static mayahost::Node* node(const MPlug& plug) { return static_cast<mayahost::Node*>(plug.node_); }
    static std::vector<mayahost::PlugStep> steps(const MPlug& plug) {
        std::vector<mayahost::PlugStep> steps;
        for (const auto& step : plug.steps_) steps.push_back({static_cast<mayahost::AttributeSpec*>(step.first), step.second});
        return steps;
    }
    // The attribute of a plug that is a plain attribute (one step, not an element), else null.
    static mayahost::AttributeSpec* plainAttribute(const MPlug& plug) {
        if (plug.steps_.size() != 1 || plug.steps_.front().second >= 0) return nullptr;
        return static_cast<mayahost::AttributeSpec*>(plug.steps_.front().first);
    }
    static MPlug make(mayahost::Node* node, mayahost::AttributeSpec& attribute) {
        MPlug plug;
        plug.node_ = node;
        plug.steps_.emplace_back(&attribute, -1);
        return plug;
    }
    static MPlug make(mayahost::Node* node, const std::vector<mayahost::PlugStep>& steps) {
        MPlug plug;
        plug.node_ = node;
        for (const auto& step : steps) plug.steps_.emplace_back(step.attribute, step.index);
        return plug;
    }
};

class MStringAccess {
public:
    // An attribute name as look-ups need it: its keyHash, and whether it is one plain attribute
    // (no '.' or '['). Worked out once per string: exporters ask every node for the same names.
    struct AttributeName {
        std::uint32_t hash;
        bool plain;
    };
    static AttributeName attributeName(const MString& name) {
        std::uint64_t key = name.lookupKey_.load(std::memory_order_relaxed);
        if (key == 0) key = workOutKey(name);
        return {static_cast<std::uint32_t>(key >> 32), (key & 2u) != 0};
    }
    static std::string_view text(const MString& name) { return name.text_; }

private:
    // Out of line, so that the look-up of a key already worked out stays a few instructions.
    static std::uint64_t workOutKey(const MString& name);
};

#endif
