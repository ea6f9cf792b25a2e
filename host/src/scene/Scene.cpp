#include "Scene.h"

#include <algorithm>
#include <unordered_set>

namespace mayahost {

std::string plugKey(const std::vector<PlugStep>& steps, std::size_t count, bool withoutLastIndex) {
    std::string key;
    count = std::min(count, steps.size());
    for (std::size_t i = 0; i < count; ++i) {
        const PlugStep& step = steps[i];
        // A plain compound (not a multi, not an element) does not appear in its children's names.
        if (i + 1 < count && step.index < 0 && !step.attribute->array) continue;
        if (!key.empty()) key += '.';
        key += step.attribute->longName;
        if (step.index >= 0 && !(withoutLastIndex && i + 1 == count)) {
            key += '[';
            key += std::to_string(step.index);
            key += ']';
        }
    }
    return key;
}

Scene::Scene() {
    reset();
}

Scene& Scene::current() {
    static Scene scene;
    return scene;
}

namespace {

template <bool Shared>
bool markShared(Node& node) {
    node.nameShared = Shared;
    return true;
}

}  // namespace

void Scene::indexName(Node& node) {
    const std::size_t holders = byName_.add(node);
    // The earlier holder is marked once, when the name first becomes shared.
    if (holders == 2) byName_.forEachNamed(node.name, markShared<true>);
    node.nameShared = holders > 1;
}

void Scene::unindexName(Node& node) {
    byName_.remove(node);
    if (byName_.count(node.name) == 1) byName_.forEachNamed(node.name, markShared<false>);
    node.nameShared = false;
}

Node* Scene::addNode(std::unique_ptr<Node> node) {
    Node* added = node.get();
    nodes_.push_back(std::move(node));
    indexName(*added);
    return added;
}

void Scene::reset() {
    ++dagGeneration_;
    ++valueGeneration_;
    nodes_.clear();
    byName_.clear();
    lastNumber_.clear();
    firstFreeElement_.clear();
    connections_.clear();
    shapesWithoutGeometry_.clear();
    static const NodeType world("world", MFn::kWorld, findNodeType("dagNode"));
    auto worldNode = std::make_unique<Node>(world, "world", "");
    worldNode->isDefault = true;
    world_ = worldNode.get();
    nodes_.push_back(std::move(worldNode));
    createDefaultNodes();
}

// What every new Maya scene holds. The startup cameras are ordinary DAG nodes; the rest are
// default nodes, which a file addresses as ":name".
void Scene::createDefaultNodes() {
    // Positions and angles (in degrees) as a new Maya scene saves them.
    struct Camera {
        const char* name;
        double translate[3];
        double rotateDegrees[3];
    };
    const Camera cameras[] = {{"persp", {28, 21, 28}, {-27.938352729602379, 45, 0}},
                              {"top", {0, 1000.1, 0}, {-90, 0, 0}},
                              {"front", {0, 0, 1000.1}, {0, 0, 0}},
                              {"side", {1000.1, 0, 0}, {0, 90, 0}}};
    constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
    for (const Camera& camera : cameras) {
        Node* transform = createNode(*findNodeType("transform"), "transform", camera.name, nullptr);
        for (int axis = 0; axis < 3; ++axis) {
            const char* suffix[] = {"X", "Y", "Z"};
            transform->values[std::string("translate") + suffix[axis]].numbers = {camera.translate[axis]};
            transform->values[std::string("rotate") + suffix[axis]].numbers = {camera.rotateDegrees[axis] * kRadiansPerDegree};
        }
        transform->values["visibility"].numbers = {0};
        Node* shape = createNode(*findNodeType("camera"), "camera", std::string(camera.name) + "Shape", transform);
        if (std::string(camera.name) != "persp") shape->values["orthographic"].numbers = {1};
    }
    const std::pair<const char*, const char*> defaults[] = {
        {"time", "time1"},
        {"renderPartition", "renderPartition"},
        {"renderGlobalsList", "renderGlobalsList1"},
        {"renderGlobals", "defaultRenderGlobals"},
        {"resolution", "defaultResolution"},
        {"shadingEngine", "initialShadingGroup"},
        {"shadingEngine", "initialParticleSE"},
        {"lambert", "lambert1"},
        {"materialInfo", "initialMaterialInfo"},
        // Scenes saved by Maya 2022 and later set these default materials' values.
        {"standardSurface", "standardSurface1"},
        {"openPBRSurface", "openPBR_shader1"},
        {"particleCloud", "particleCloud1"},
        {"objectSet", "defaultLightSet"},
        {"objectSet", "defaultObjectSet"},
        {"defaultShaderList", "defaultShaderList1"},
        {"defaultTextureList", "defaultTextureList1"},
        {"defaultRenderUtilityList", "defaultRenderUtilityList1"},
        {"lightList", "lightList1"},
        {"postProcessList", "postProcessList1"},
        {"renderGlobalsList", "defaultRenderingList1"},
        {"hardwareRenderGlobals", "hardwareRenderGlobals"},
        {"hardwareRenderingGlobals", "hardwareRenderingGlobals"},
        {"hardwareRenderGlobals", "defaultHardwareRenderGlobals"},
        {"renderQuality", "defaultRenderQuality"},
        {"colorManagementGlobals", "defaultColorMgtGlobals"},
        {"ikSystem", "ikSystem"},
        {"strokeGlobals", "strokeGlobals"},
        {"partition", "characterPartition"},
        {"sequenceManager", "sequenceManager1"},
    };
    for (const auto& entry : defaults) createNode(*findNodeType(entry.first), entry.first, entry.second, nullptr)->isDefault = true;
    // The default material of every new scene.
    connect(*findNode("lambert1"), "outColor", *findNode("initialShadingGroup"), "surfaceShader");
}

Node* Scene::createNode(const NodeType& type, const std::string& typeName, const std::string& name, Node* parent) {
    Node* node = addNode(std::make_unique<Node>(type, typeName, name.empty() ? uniqueName(typeName) : name));
    if (node->isDag()) {
        ++dagGeneration_;
        Node* owner = parent ? parent : world_;
        node->parents.push_back(owner);
        owner->children.push_back(node);
    }
    return node;
}

std::string Scene::uniqueName(const std::string& stem) const {
    std::string base = stem;
    while (!base.empty() && base.back() >= '0' && base.back() <= '9') base.pop_back();
    if (base.empty()) base = "node";
    std::size_t& number = lastNumber_[base];
    while (true) {
        const std::string candidate = base + std::to_string(++number);
        if (byName_.count(candidate) == 0) return candidate;
    }
}

std::size_t Scene::countNamed(const std::string& name) const {
    return byName_.count(name);
}

namespace {

// Whether some DAG path of `node` ends in `parts` (and, from the world, starts there). The
// ancestors that can stand for each part are found level by level, so neither a long path nor
// instancing that multiplies the paths costs more than the nodes involved.
bool pathMatches(Node* node, const std::vector<std::string>& parts, bool fromWorld, const Node* world) {
    if (node == world || node->name != parts.back()) return false;
    std::vector<Node*> level{node};
    for (std::size_t part = parts.size() - 1; part > 0; --part) {
        std::vector<Node*> above;
        for (const Node* candidate : level) {
            for (Node* parent : candidate->parents) {
                if (parent != world && parent->name == parts[part - 1] &&
                    std::find(above.begin(), above.end(), parent) == above.end()) {
                    above.push_back(parent);
                }
            }
        }
        if (above.empty()) return false;
        level.swap(above);
    }
    if (!fromWorld) return true;
    return std::any_of(level.begin(), level.end(), [world](const Node* top) {
        return std::find(top->parents.begin(), top->parents.end(), world) != top->parents.end();
    });
}

}  // namespace

std::vector<Node*> Scene::nodesNamed(const std::string& name) const {
    std::vector<Node*> named;
    byName_.forEachNamed(name, [&named](Node& node) {
        named.push_back(&node);
        return true;
    });
    return named;
}

Node* Scene::findPath(const std::string& path) const {
    std::vector<std::string> parts;
    const bool fromWorld = path[0] == '|';
    std::size_t start = fromWorld ? 1 : 0;
    while (start <= path.size()) {
        std::size_t end = path.find('|', start);
        if (end == std::string::npos) end = path.size();
        parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    Node* match = nullptr;
    for (Node* candidate : nodesNamed(parts.back())) {
        if (!pathMatches(candidate, parts, fromWorld, world_)) continue;
        if (match) return nullptr;  // ambiguous
        match = candidate;
    }
    return match;
}

Node* Scene::findNode(const std::string& name) const {
    if (name.empty()) return nullptr;
    if (name[0] == ':') return findNode(name.substr(1));
    if (name.find('|') != std::string::npos) return findPath(name);
    if (byName_.count(name) != 1) return nullptr;
    Node* only = nullptr;
    byName_.forEachNamed(name, [&only](Node& node) {
        only = &node;
        return true;
    });
    return only;
}

void Scene::rename(Node& node, const std::string& newName) {
    unindexName(node);
    node.name = newName;
    indexName(node);
}

bool Scene::isAncestorOrSelf(const Node& ancestor, const Node& node) {
    std::vector<const Node*> pending{&node};
    std::unordered_set<const Node*> seen;
    while (!pending.empty()) {
        const Node* current = pending.back();
        pending.pop_back();
        if (current == &ancestor) return true;
        if (!seen.insert(current).second) continue;
        pending.insert(pending.end(), current->parents.begin(), current->parents.end());
    }
    return false;
}

bool Scene::reparent(Node& child, Node* parent, bool addInstance) {
    Node* owner = parent ? parent : world_;
    if (isAncestorOrSelf(child, *owner)) return false;
    ++dagGeneration_;
    if (!addInstance) {
        for (Node* previous : child.parents) {
            auto& siblings = previous->children;
            siblings.erase(std::remove(siblings.begin(), siblings.end(), &child), siblings.end());
        }
        child.parents.clear();
    }
    if (std::find(child.parents.begin(), child.parents.end(), owner) != child.parents.end()) return true;
    child.parents.push_back(owner);
    owner->children.push_back(&child);
    return true;
}

std::int64_t Scene::nextAvailableElement(Node& destination, const std::string& arrayKey) {
    std::int64_t& index = firstFreeElement_[{&destination, arrayKey}];
    while (destination.incoming.count(arrayKey + "[" + std::to_string(index) + "]")) ++index;
    return index;
}

std::vector<const Connection*> Scene::outgoingOf(const Node& node) const {
    std::vector<const Connection*> found;
    found.reserve(node.outgoing.size());
    for (const std::size_t index : node.outgoing) found.push_back(&connections_[index]);
    return found;
}

std::vector<const Connection*> Scene::incomingOf(const Node& node) const {
    std::vector<std::size_t> indices;
    indices.reserve(node.incoming.size());
    for (const auto& entry : node.incoming) indices.push_back(entry.second);
    std::sort(indices.begin(), indices.end());
    std::vector<const Connection*> found;
    for (const std::size_t index : indices) found.push_back(&connections_[index]);
    return found;
}

std::vector<const Connection*> Scene::connectionsOf(const Node& node) const {
    std::vector<const Connection*> found = incomingOf(node);
    for (const std::size_t index : node.outgoing) {
        if (connections_[index].destination != &node) found.push_back(&connections_[index]);
    }
    std::sort(found.begin(), found.end());
    return found;
}

const Connection* Scene::incoming(const Node& destination, const std::string& key) const {
    if (destination.incoming.empty()) return nullptr;
    const auto found = destination.incoming.find(key);
    return found == destination.incoming.end() ? nullptr : &connections_[found->second];
}

void Scene::connect(Node& source, const std::string& sourceKey, Node& destination, const std::string& destinationKey) {
    // What a plug reads (and which elements exist) can change with its connections.
    ++valueGeneration_;
    // A destination plug has one incoming connection; a new one replaces it (as connectAttr -f).
    const auto found = destination.incoming.find(destinationKey);
    if (found != destination.incoming.end()) {
        const std::size_t index = found->second;
        std::vector<std::size_t>& previous = connections_[index].source->outgoing;
        previous.erase(std::remove(previous.begin(), previous.end(), index), previous.end());
        connections_[index] = {&source, sourceKey, &destination, destinationKey};
        source.outgoing.insert(std::upper_bound(source.outgoing.begin(), source.outgoing.end(), index), index);
        return;
    }
    const std::size_t index = connections_.size();
    destination.incoming.emplace(destinationKey, index);
    connections_.push_back({&source, sourceKey, &destination, destinationKey});
    source.outgoing.push_back(index);
}

}  // namespace mayahost
