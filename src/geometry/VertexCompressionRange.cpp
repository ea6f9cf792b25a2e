#include "VertexCompressionRange.h"

#include <algorithm>
#include <limits>

namespace {

constexpr float kExtentAllowance = 0.9999f;

}  // namespace

bool checkVertexCompressionRange(IndexedTriangleSet& set, float range) {
    set.vertexCompressionRange = range;
    if (range == 0.0f) return true;
    float lowest[3], highest[3];
    std::fill(lowest, lowest + 3, std::numeric_limits<float>::max());
    std::fill(highest, highest + 3, std::numeric_limits<float>::lowest());
    for (std::uint32_t v = 0; v < set.numVertices; ++v) {
        for (int axis = 0; axis < 3; ++axis) {
            lowest[axis] = std::min(lowest[axis], set.positions[3 * v + axis]);
            highest[axis] = std::max(highest[axis], set.positions[3 * v + axis]);
        }
    }
    float extent = 0.0f;
    for (int axis = 0; axis < 3 && set.numVertices > 0; ++axis) extent = std::max(extent, highest[axis] - lowest[axis]);
    return !(extent * kExtentAllowance > range);
}
