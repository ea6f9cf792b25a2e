#include "UvDensity.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMinPositionArea = 1e-6;
constexpr float kMaxDensity = 1.0f;
constexpr float kMinCountedDensity = 1.0f / 64.0f;

}  // namespace

float triangleUvDensity(const IndexedTriangleSet& set, unsigned uvSet, std::uint32_t firstIndex) {
    const std::uint32_t i0 = set.index(firstIndex), i1 = set.index(firstIndex + 1), i2 = set.index(firstIndex + 2);
    const float* p0 = &set.positions[3 * i0];
    const float* p1 = &set.positions[3 * i1];
    const float* p2 = &set.positions[3 * i2];
    const double ax = double(p1[0]) - p0[0], ay = double(p1[1]) - p0[1], az = double(p1[2]) - p0[2];
    const double bx = double(p2[0]) - p0[0], by = double(p2[1]) - p0[1], bz = double(p2[2]) - p0[2];
    const double cx = ay * bz - az * by, cy = az * bx - ax * bz, cz = ax * by - ay * bx;
    const double area = std::sqrt(cx * cx + cy * cy + cz * cz);
    if (!(area >= kMinPositionArea)) return 0.0f;

    const float* q0 = &set.uv[uvSet][2 * i0];
    const float* q1 = &set.uv[uvSet][2 * i1];
    const float* q2 = &set.uv[uvSet][2 * i2];
    const double textureArea = std::fabs((double(q2[1]) - q0[1]) * (double(q1[0]) - q0[0]) -
                                         (double(q2[0]) - q0[0]) * (double(q1[1]) - q0[1]));
    return static_cast<float>(std::sqrt(textureArea / area));
}

float subsetUvDensity(const IndexedTriangleSet& set, unsigned uvSet, std::uint32_t firstIndex,
                      std::uint32_t indexCount) {
    if (uvSet >= kMaxUvSets || !set.has(uvSetBit(uvSet))) return 0.0f;
    std::uint32_t count = 0;
    float smallest = kMaxDensity;
    double mean = 0.0;
    double squaredDeviations = 0.0;
    for (std::uint32_t i = firstIndex; i + 2 < firstIndex + indexCount; i += 3) {
        const float density = std::min(triangleUvDensity(set, uvSet, i), kMaxDensity);
        if (!(density >= kMinCountedDensity)) continue;
        ++count;
        smallest = std::min(smallest, density);
        const double previousMean = mean;
        mean += (density - mean) / count;
        squaredDeviations += (density - previousMean) * (density - mean);
    }
    if (count == 0) return 0.0f;
    const double variance = count == 1 ? squaredDeviations : squaredDeviations / (count - 1);
    return static_cast<float>(std::max({mean - std::sqrt(variance), 0.75 * mean, double(smallest)}));
}
