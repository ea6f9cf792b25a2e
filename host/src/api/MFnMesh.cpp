#include <maya/MFnMesh.h>

#include "ApiAccess.h"
#include "geometry/MeshData.h"

#include <algorithm>
#include <cstdlib>

using namespace mayahost;

namespace {

// The evaluated geometry; null when the object is no mesh or has none.
const MeshData* dataOf(const MObject& object) {
    Node* node = asNode(object);
    return node && node->hasFn(MFn::kMesh) ? meshDataOf(*node) : nullptr;
}

MStatus statusOf(const void* found, MStatus* ReturnStatus) {
    const MStatus status = found ? MStatus::kSuccess : MStatus::kFailure;
    if (ReturnStatus) *ReturnStatus = status;
    return status;
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
    for (const std::string& text : components.texts()) {
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

int MFnMesh::numVertices(MStatus* ReturnStatus) const {
    const MeshData* mesh = dataOf(object_);
    statusOf(mesh, ReturnStatus);
    return mesh ? int(mesh->points.size()) : 0;
}

int MFnMesh::numPolygons(MStatus* ReturnStatus) const {
    const MeshData* mesh = dataOf(object_);
    statusOf(mesh, ReturnStatus);
    return mesh ? int(mesh->polygonCount()) : 0;
}

int MFnMesh::numFaceVertices(MStatus* ReturnStatus) const {
    const MeshData* mesh = dataOf(object_);
    statusOf(mesh, ReturnStatus);
    return mesh ? int(mesh->cornerVertex.size()) : 0;
}

MStatus MFnMesh::getPoints(MPointArray& vertexArray, MSpace::Space) const {
    vertexArray.clear();
    const MeshData* mesh = dataOf(object_);
    if (!mesh) return MStatus::kFailure;
    vertexArray.setLength(unsigned(mesh->points.size()));
    for (std::size_t v = 0; v < mesh->points.size(); ++v) {
        vertexArray[unsigned(v)] = MPoint(mesh->points[v][0], mesh->points[v][1], mesh->points[v][2]);
    }
    return MStatus::kSuccess;
}

MStatus MFnMesh::getNormals(MFloatVectorArray& normals, MSpace::Space) const {
    normals.clear();
    const MeshData* mesh = dataOf(object_);
    if (!mesh) return MStatus::kFailure;
    const auto& values = mesh->normals();
    normals.setLength(unsigned(values.size()));
    for (std::size_t n = 0; n < values.size(); ++n) normals[unsigned(n)] = MFloatVector(values[n][0], values[n][1], values[n][2]);
    return MStatus::kSuccess;
}

int MFnMesh::numUVSets(MStatus* ReturnStatus) const {
    const MeshData* mesh = dataOf(object_);
    statusOf(mesh, ReturnStatus);
    return mesh ? int(mesh->uvSets.size()) : 0;
}

MStatus MFnMesh::getUVSetNames(MStringArray& setNames) const {
    setNames.clear();
    const MeshData* mesh = dataOf(object_);
    if (!mesh) return MStatus::kFailure;
    for (const MeshData::UvSet& set : mesh->uvSets) setNames.append(MString(set.name.c_str()));
    return MStatus::kSuccess;
}

int MFnMesh::numColors(MStatus* ReturnStatus) const {
    const MeshData* mesh = dataOf(object_);
    statusOf(mesh, ReturnStatus);
    return mesh && mesh->currentColorSet >= 0 ? int(mesh->colorSets[std::size_t(mesh->currentColorSet)].colors.size()) : 0;
}

MStatus MFnMesh::getColors(MColorArray& colors, const MString* colorSet, const MColor*) const {
    colors.clear();
    const MeshData* mesh = dataOf(object_);
    if (!mesh) return MStatus::kFailure;
    const MeshData::ColorSet* set = nullptr;
    for (const MeshData::ColorSet& candidate : mesh->colorSets) {
        if (colorSet ? candidate.name == colorSet->asChar() : &candidate == &mesh->colorSets[std::size_t(std::max(0, mesh->currentColorSet))]) set = &candidate;
    }
    if (!set) return MStatus::kFailure;
    for (const auto& c : set->colors) colors.append(MColor(c[0], c[1], c[2], c[3]));
    return MStatus::kSuccess;
}

MStatus MFnMesh::getConnectedShaders(unsigned int instanceNumber, MObjectArray& shaders, MIntArray& indices) const {
    shaders.clear();
    indices.clear();
    Node* node = asNode(object_);
    if (!node) return MStatus::kFailure;
    const MeshData* mesh = dataOf(object_);
    const int polygons = mesh ? int(mesh->polygonCount()) : 0;
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
