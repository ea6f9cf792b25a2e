// Deformers as the exporter reads them: outputs, influences, weights; and the vertex iterator.
#include "ApiAccess.h"
#include "geometry/MeshData.h"
#include "geometry/SkinWeights.h"

#include <maya/MFnSkinCluster.h>
#include <maya/MItGeometry.h>

#include <algorithm>
#include <cstdlib>

using namespace mayahost;

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

// One vertex of a mesh, as a component object.
class VertexComponent : public ObjectData {
public:
    explicit VertexComponent(int vertex) : vertex(vertex) { setOwnedByHandles(); }
    MFn::Type apiType() const override { return MFn::kMeshVertComponent; }
    bool hasFn(MFn::Type type) const override { return type == MFn::kMeshVertComponent || type == MFn::kComponent; }
    const char* apiTypeStr() const override { return "kMeshVertComponent"; }
    const int vertex;
};

// The logical index after "<prefix>[" in a key.
long elementIndex(const std::string& key, const std::string& prefix) {
    return key.compare(0, prefix.size() + 1, prefix + "[") == 0 ? std::strtol(key.c_str() + prefix.size() + 1, nullptr, 10) : -1;
}

}  // namespace

MItGeometry::MItGeometry(const MDagPath& dagPath, MStatus* ReturnStatus) {
    Node* node = MDagPathAccess::last(dagPath);
    const MeshData* mesh = node && node->hasFn(MFn::kMesh) ? meshDataOf(*node) : nullptr;
    count_ = mesh ? int(mesh->points.size()) : 0;
    setStatus(ReturnStatus, mesh);
}

bool MItGeometry::isDone(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return index_ >= count_;
}

MStatus MItGeometry::next() {
    ++index_;
    return MStatus::kSuccess;
}

MStatus MItGeometry::reset() {
    index_ = 0;
    return MStatus::kSuccess;
}

int MItGeometry::index(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !isDone());
    return index_;
}

int MItGeometry::count(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return count_;
}

MObject MItGeometry::currentItem(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !isDone());
    return isDone() ? MObject() : objectOf(new VertexComponent(index_));
}

MFnGeometryFilter::MFnGeometryFilter() = default;

MFnGeometryFilter::MFnGeometryFilter(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnGeometryFilter::type() const { return MFn::kGeometryFilt; }

unsigned int MFnGeometryFilter::indexForOutputShape(const MObject& shape, MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    Node* target = asNode(shape);
    const Connection* input = target ? Scene::current().incoming(*target, "inMesh") : nullptr;
    // The deformer feeds the shape directly or through nodes that pass geometry on (groupParts).
    if (node && input && input->source == node) {
        for (const std::string prefix : {"outputGeometry", "og"}) {
            const long index = elementIndex(input->sourceKey, prefix);
            if (index >= 0) {
                setStatus(ReturnStatus, true);
                return unsigned(index);
            }
        }
    }
    setStatus(ReturnStatus, false);
    return 0;
}

MStatus MFnGeometryFilter::getPathAtIndex(unsigned int index, MDagPath& shapePath) const {
    Node* node = asNode(object_);
    if (!node) return MStatus::kFailure;
    for (const Connection* connection : Scene::current().outgoingOf(*node)) {
        const bool output = elementIndex(connection->sourceKey, "outputGeometry") == long(index) ||
                            elementIndex(connection->sourceKey, "og") == long(index);
        if (output && connection->destination->hasFn(MFn::kMesh)) {
            return MDagPath::getAPathTo(objectOf(connection->destination), shapePath);
        }
    }
    return MStatus::kFailure;
}

MFnSkinCluster::MFnSkinCluster() = default;

MFnSkinCluster::MFnSkinCluster(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnSkinCluster::type() const { return MFn::kSkinClusterFilter; }

unsigned int MFnSkinCluster::influenceObjects(MDagPathArray& paths, MStatus* ReturnStatus) const {
    paths.clear();
    Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    if (!node) return 0;
    for (const std::int64_t index : influenceIndices(*node)) {
        const Connection* connection = Scene::current().incoming(*node, "matrix[" + std::to_string(index) + "]");
        MDagPath path;
        if (connection && MDagPath::getAPathTo(objectOf(connection->source), path)) paths.append(path);
    }
    return paths.length();
}

MStatus MFnSkinCluster::getWeights(const MDagPath&, const MObject& components, MDoubleArray& weights,
                                   unsigned int& influenceCount) const {
    weights.clear();
    Node* node = asNode(object_);
    const auto* vertex = dynamic_cast<const VertexComponent*>(ObjectData::unwrap(components));
    if (!node || !vertex) return MStatus::kFailure;
    const std::vector<std::int64_t>& influences = influenceIndices(*node);
    influenceCount = unsigned(influences.size());
    std::vector<double> values;
    vertexWeights(*node, vertex->vertex, influences, values);
    for (const double value : values) weights.append(value);
    return MStatus::kSuccess;
}
