#include <maya/MFnMesh.h>

#include "ApiAccess.h"

#include <algorithm>
#include <cstdlib>

using namespace mayahost;

namespace {

// The polygons of a mesh are the "f" entries of its face lists.
int countPolygons(const Node& node) {
    const auto found = node.elements.find("face");
    if (found == node.elements.end()) return 0;
    int polygons = 0;
    for (const ElementRange& range : found->second) {
        for (const auto& word : range.data.words) polygons += range.data.texts[word.second] == "f" ? 1 : 0;
    }
    return polygons;
}

// The shading group a plug of this mesh is a member of. Files name the first instance's plug
// without its index.
Node* memberOf(Node& mesh, const std::string& key, bool firstInstance) {
    for (const Connection* found : Scene::current().connectionsOf(mesh)) {
        const Connection& connection = *found;
        const bool sameKey = connection.sourceKey == key || (firstInstance && connection.sourceKey == "instObjGroups");
        if (connection.source == &mesh && sameKey && connection.destination->hasFn(MFn::kShadingEngine)) {
            return connection.destination;
        }
    }
    return nullptr;
}

// "f[3]" and "f[0:5]" of a component list, applied to the polygon indices.
void assignFaces(const PlugData& components, int shader, MIntArray& indices) {
    for (const std::string& text : components.texts) {
        if (text.compare(0, 2, "f[") != 0) continue;
        char* end = nullptr;
        const long first = std::strtol(text.c_str() + 2, &end, 10);
        const long last = *end == ':' ? std::strtol(end + 1, nullptr, 10) : first;
        for (long face = std::max(0L, first); face <= last && face < long(indices.length()); ++face) indices[unsigned(face)] = shader;
    }
}

}  // namespace

MFnMesh::MFnMesh() = default;

MFnMesh::MFnMesh(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFnMesh::MFnMesh(const MDagPath& path, MStatus* ReturnStatus) {
    const MStatus status = setObject(path);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnMesh::type() const { return MFn::kMesh; }

int MFnMesh::numPolygons(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    if (ReturnStatus) *ReturnStatus = node ? MStatus::kSuccess : MStatus::kFailure;
    return node ? countPolygons(*node) : 0;
}

MStatus MFnMesh::getConnectedShaders(unsigned int instanceNumber, MObjectArray& shaders, MIntArray& indices) const {
    shaders.clear();
    indices.clear();
    Node* node = asNode(object_);
    if (!node) return MStatus::kFailure;
    const int polygons = countPolygons(*node);
    indices.setLength(static_cast<unsigned int>(polygons));
    const std::string instance = "instObjGroups[" + std::to_string(instanceNumber) + "]";
    if (Node* group = memberOf(*node, instance, instanceNumber == 0)) {
        shaders.append(objectOf(group));
        for (int i = 0; i < polygons; ++i) indices[unsigned(i)] = 0;
        return MStatus::kSuccess;
    }
    for (int i = 0; i < polygons; ++i) indices[unsigned(i)] = -1;
    // Per-face assignments: each object group of the instance with its component list.
    std::vector<std::pair<std::int64_t, Node*>> groups;
    const std::string prefix = instance + ".objectGroups[";
    const std::string firstInstancePrefix = "instObjGroups.objectGroups[";
    for (const Connection* found : Scene::current().connectionsOf(*node)) {
        const Connection& connection = *found;
        if (connection.source != node || !connection.destination->hasFn(MFn::kShadingEngine)) continue;
        const std::string& key = connection.sourceKey;
        const std::size_t length = key.compare(0, prefix.size(), prefix) == 0 ? prefix.size()
                                   : instanceNumber == 0 && key.compare(0, firstInstancePrefix.size(), firstInstancePrefix) == 0
                                       ? firstInstancePrefix.size()
                                       : 0;
        if (length > 0) groups.emplace_back(std::atoll(key.c_str() + length), connection.destination);
    }
    std::sort(groups.begin(), groups.end());
    for (const auto& group : groups) {
        const auto components = node->values.find(prefix + std::to_string(group.first) + "].objectGrpCompList");
        if (components == node->values.end()) continue;
        assignFaces(components->second, static_cast<int>(shaders.length()), indices);
        shaders.append(objectOf(group.second));
    }
    return MStatus::kSuccess;
}
