#ifndef MAYAHOST_SCENE_H
#define MAYAHOST_SCENE_H

#include "Node.h"
#include "NodeNameIndex.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace mayahost {

// One step of a plug: an attribute and, for an element of a multi attribute, its logical index.
struct PlugStep {
    AttributeSpec* attribute;
    std::int64_t index;  // -1 when the step is not an element
};

// Canonical text of steps [0, count): long names, element indices in brackets, '.' between;
// `withoutLastIndex` names the whole multi of an element.
std::string plugKey(const std::vector<PlugStep>& steps, std::size_t count, bool withoutLastIndex = false);

struct Connection {
    Node* source;
    std::string sourceKey;
    Node* destination;
    std::string destinationKey;
};

// The open scene: every node in creation order, the DAG below the world node, the connections.
class Scene {
public:
    Scene();
    static Scene& current();
    // A new, empty scene with Maya's default nodes.
    void reset();

    Node* world() const { return world_; }
    const std::vector<std::unique_ptr<Node>>& nodes() const { return nodes_; }

    // A node of `type` (typeName as the file wrote it), below `parent` for DAG nodes (the world when null).
    Node* createNode(const NodeType& type, const std::string& typeName, const std::string& name, Node* parent);
    // By unique name, ":name", full path "|a|b" or partial path "a|b"; null when missing or ambiguous.
    Node* findNode(const std::string& name) const;
    std::size_t countNamed(const std::string& name) const;
    std::vector<Node*> nodesNamed(const std::string& name) const;
    // Calls `visit(Node&)` for each node named `name`, in no particular order, until it returns false.
    template <class Visit>
    void forEachNamed(const std::string& name, Visit visit) const {
        byName_.forEachNamed(name, visit);
    }
    bool isUniqueName(const std::string& name) const { return countNamed(name) == 1; }
    void rename(Node& node, const std::string& newName);
    // Makes `parent` (the world when null) the only parent, or with `addInstance` one more parent.
    // Refused (false) when `parent` is `child` or lies below it: the DAG has no cycles.
    bool reparent(Node& child, Node* parent, bool addInstance);
    // Whether `node` is `ancestor` or lies below it on some path.
    static bool isAncestorOrSelf(const Node& ancestor, const Node& node);
    // Changes whenever the DAG does; caches of DAG facts compare against it.
    std::uint64_t dagGeneration() const { return dagGeneration_; }
    // Changes whenever a value is set after loading; caches of evaluated values compare against it.
    std::uint64_t valueGeneration() const { return valueGeneration_; }
    void valuesChanged() { ++valueGeneration_; }
    // Mesh and curve shapes whose geometry could not be had (their history could not be
    // evaluated): a run that read such a shape did not export all of the scene. True the first
    // time a shape is noted.
    bool noteShapeWithoutGeometry(const Node& shape) { return shapesWithoutGeometry_.insert(&shape).second; }
    std::size_t shapesWithoutGeometry() const { return shapesWithoutGeometry_.size(); }
    // A name like "pCube1" that no node has yet.
    std::string uniqueName(const std::string& stem) const;

    void connect(Node& source, const std::string& sourceKey, Node& destination, const std::string& destinationKey);
    const std::vector<Connection>& connections() const { return connections_; }
    // The connections `node` takes part in, as source or destination, in the order they were made.
    std::vector<const Connection*> connectionsOf(const Node& node) const;
    // Those out of or into `node` alone.
    std::vector<const Connection*> outgoingOf(const Node& node) const;
    std::vector<const Connection*> incomingOf(const Node& node) const;
    // The first element of a destination multi attribute without an incoming connection.
    std::int64_t nextAvailableElement(Node& destination, const std::string& arrayKey);
    // The connection into a destination plug, if any.
    const Connection* incoming(const Node& destination, const std::string& key) const;

private:
    Node* addNode(std::unique_ptr<Node> node);
    void indexName(Node& node);
    void unindexName(Node& node);
    Node* findPath(const std::string& path) const;
    void createDefaultNodes();

    std::vector<std::unique_ptr<Node>> nodes_;
    NodeNameIndex byName_;
    // Per name stem, the number after which uniqueName() looks for a free name.
    mutable std::unordered_map<std::string, std::size_t> lastNumber_;
    std::vector<Connection> connections_;
    // Per destination multi attribute, no element below this one is free: connections are only
    // ever added, so each search goes on from where the last one stopped.
    std::map<std::pair<const Node*, std::string>, std::int64_t> firstFreeElement_;
    Node* world_ = nullptr;
    std::uint64_t dagGeneration_ = 1;
    std::uint64_t valueGeneration_ = 1;
    std::set<const Node*> shapesWithoutGeometry_;
};

}  // namespace mayahost

#endif
