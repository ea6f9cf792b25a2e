#include "PrimitiveBuilder.h"

#include <algorithm>

namespace mayahost {

int PrimitiveBuilder::point(double x, double y, double z) {
    mesh_->points.push_back({x, y, z});
    return int(mesh_->points.size() - 1);
}

int PrimitiveBuilder::uv(double u, double v) {
    u_.push_back(float(u));
    v_.push_back(float(v));
    return int(u_.size() - 1);
}

void PrimitiveBuilder::face(const std::vector<int>& vertices, const std::vector<int>& uvs, bool smooth) {
    mesh_->addPolygon(vertices);
    if (smooth) std::fill(mesh_->cornerSmoothEdge.end() - std::ptrdiff_t(vertices.size()), mesh_->cornerSmoothEdge.end(), 1);
    cornerUv_.insert(cornerUv_.end(), uvs.begin(), uvs.end());
    cornerUv_.resize(mesh_->cornerVertex.size(), -1);
}

// Reversing a loop keeps each edge's smoothing with its two corners: the edge from corner i to i+1
// becomes the edge from the reversed i+1 to i.
void PrimitiveBuilder::flip(std::size_t polygon) {
    MeshData& mesh = *mesh_;
    const auto first = std::ptrdiff_t(mesh.firstCorner(polygon)), last = first + std::ptrdiff_t(mesh.cornerCount(polygon));
    std::reverse(mesh.cornerVertex.begin() + first, mesh.cornerVertex.begin() + last);
    std::reverse(cornerUv_.begin() + first, cornerUv_.begin() + last);
    std::reverse(mesh.cornerSmoothEdge.begin() + first, mesh.cornerSmoothEdge.begin() + last - 1);
}

std::unique_ptr<MeshData> PrimitiveBuilder::finish() {
    if (withUvs_) mesh_->uvSets.push_back({"map1", std::move(u_), std::move(v_), std::move(cornerUv_)});
    return std::move(mesh_);
}

}  // namespace mayahost
