#include "ApiAccess.h"
#include "geometry/MeshData.h"

#include <maya/MItMeshPolygon.h>

using namespace mayahost;

namespace {

const MeshData* meshOf(const MObject& object) {
    Node* node = asNode(object);
    return node && node->hasFn(MFn::kMesh) ? meshDataOf(*node) : nullptr;
}

MStatus statusFor(bool ok, MStatus* ReturnStatus = nullptr) {
    const MStatus status = ok ? MStatus::kSuccess : MStatus::kFailure;
    if (ReturnStatus) *ReturnStatus = status;
    return status;
}

// The set a name picks, or the first one without a name.
template <typename Set>
const Set* setNamed(const std::vector<Set>& sets, const MString* name, int fallback) {
    if (!name) return fallback >= 0 && std::size_t(fallback) < sets.size() ? &sets[std::size_t(fallback)] : nullptr;
    for (const Set& set : sets) {
        if (set.name == name->asChar()) return &set;
    }
    return nullptr;
}

}  // namespace

MItMeshPolygon::MItMeshPolygon(const MObject& polyObject, MStatus* ReturnStatus) : mesh_(meshOf(polyObject)) {
    statusFor(mesh_, ReturnStatus);
}

MItMeshPolygon::MItMeshPolygon(const MDagPath& polyObject, const MObject&, MStatus* ReturnStatus)
    : mesh_(meshOf(polyObject.node())) {
    statusFor(mesh_, ReturnStatus);
}

bool MItMeshPolygon::isDone(MStatus* ReturnStatus) const {
    statusFor(true, ReturnStatus);
    return !mesh_ || polygon_ >= mesh_->polygonCount();
}

MStatus MItMeshPolygon::next() {
    ++polygon_;
    return MStatus::kSuccess;
}

MStatus MItMeshPolygon::reset() {
    polygon_ = 0;
    return MStatus::kSuccess;
}

unsigned int MItMeshPolygon::index(MStatus* ReturnStatus) const {
    statusFor(mesh_, ReturnStatus);
    return polygon_;
}

unsigned int MItMeshPolygon::polygonVertexCount(MStatus* ReturnStatus) const {
    const bool ok = !isDone();
    statusFor(ok, ReturnStatus);
    return ok ? mesh_->cornerCount(polygon_) : 0;
}

MStatus MItMeshPolygon::getVertices(MIntArray& vertices) const {
    vertices.clear();
    if (isDone()) return MStatus::kFailure;
    const std::uint32_t first = mesh_->firstCorner(polygon_);
    for (std::uint32_t c = 0; c < mesh_->cornerCount(polygon_); ++c) vertices.append(mesh_->cornerVertex[first + c]);
    return MStatus::kSuccess;
}

MStatus MItMeshPolygon::numTriangles(int& triangleCount) const {
    triangleCount = isDone() ? 0 : int(mesh_->triangleCount(polygon_));
    return statusFor(!isDone());
}

MStatus MItMeshPolygon::getTriangle(int localTriangleIndex, MPointArray& points, MIntArray& vertexList,
                                    MSpace::Space) const {
    points.clear();
    vertexList.clear();
    if (isDone()) return MStatus::kFailure;
    if (localTriangleIndex < 0 || std::size_t(localTriangleIndex) >= mesh_->triangleCount(polygon_)) return MStatus::kFailure;
    const std::uint32_t first = mesh_->firstCorner(polygon_);
    for (int k = 0; k < 3; ++k) {
        const int vertex = mesh_->cornerVertex[first + mesh_->triangleCorner(polygon_, std::size_t(localTriangleIndex), unsigned(k))];
        const auto& p = mesh_->points[std::size_t(vertex)];
        points.append(MPoint(p[0], p[1], p[2]));
        vertexList.append(vertex);
    }
    return MStatus::kSuccess;
}

int MItMeshPolygon::normalIndex(int localVertexIndex, MStatus* ReturnStatus) const {
    const bool ok = !isDone() && localVertexIndex >= 0 && std::uint32_t(localVertexIndex) < mesh_->cornerCount(polygon_);
    statusFor(ok, ReturnStatus);
    return ok ? int(mesh_->cornerNormal(mesh_->firstCorner(polygon_) + std::uint32_t(localVertexIndex))) : -1;
}

MStatus MItMeshPolygon::getUV(int vertex, float2& uvPoint, const MString* uvSet) const {
    if (isDone() || vertex < 0 || std::uint32_t(vertex) >= mesh_->cornerCount(polygon_)) return MStatus::kFailure;
    const MeshData::UvSet* set = setNamed(mesh_->uvSets, uvSet, 0);
    if (!set) return MStatus::kFailure;
    const int uv = set->cornerUv[mesh_->firstCorner(polygon_) + std::uint32_t(vertex)];
    if (uv < 0) return MStatus::kFailure;
    uvPoint[0] = set->u[std::size_t(uv)];
    uvPoint[1] = set->v[std::size_t(uv)];
    return MStatus::kSuccess;
}

MStatus MItMeshPolygon::getColorIndex(int vertexIndex, int& colorIndex, const MString* colorSetName) const {
    colorIndex = -1;
    if (isDone() || vertexIndex < 0 || std::uint32_t(vertexIndex) >= mesh_->cornerCount(polygon_)) return MStatus::kFailure;
    const MeshData::ColorSet* set = setNamed(mesh_->colorSets, colorSetName, mesh_->currentColorSet);
    if (!set) return MStatus::kFailure;
    colorIndex = set->cornerColor[mesh_->firstCorner(polygon_) + std::uint32_t(vertexIndex)];
    return MStatus::kSuccess;
}
