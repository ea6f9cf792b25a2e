#ifndef Q5X_PHYSICS_BTTRIANGLEINFOMAP_H
#define Q5X_PHYSICS_BTTRIANGLEINFOMAP_H

#include <cstdint>
#include <vector>

class btBvhTriangleMeshShape;

// What a contact against each triangle's edges needs: per edge whether it is convex, whether the
// neighbour's normal is swapped, and the angle to the neighbour, in dense 8-byte records.
struct BtTriangleInfoData {
    std::uint8_t flags = 0;     // kEdge*Convex, kEdge*SwapNormal, kHasNeighbour
    std::uint8_t reserved = 0;
    std::int16_t edgeAngles[3] = {kNoNeighbour, kNoNeighbour, kNoNeighbour};  // V0V1, V1V2, V2V0

    static constexpr std::int16_t kNoNeighbour = 32767;  // a full turn
    static constexpr std::uint8_t kHasNeighbour = 0x40;
};

struct BtTriangleInfoMap {
    float convexEpsilon = 0.0f;
    float planarEpsilon = 0.0001f;
    float equalVertexThreshold = 1e-8f;
    float edgeDistanceThreshold = 0.1f;
    float maxEdgeAngleThreshold = 6.2831855f;
    float zeroAreaThreshold = 1e-8f;
    std::vector<BtTriangleInfoData> values;  // one per triangle, subpart after subpart
    std::vector<std::int32_t> keys;          // per subpart, the index of its first value
};

// An edge angle in radians as 16 bits: the fraction of a full turn (whole turns removed beyond
// one either way) times 32767, rounded half up; a full turn stands for an edge without neighbour.
std::int16_t quantizeEdgeAngle(float radians);

// Fills the map for every triangle of the shape (one subpart): Bullet's internal-edge analysis
// finds each triangle's neighbours through the shape's BVH, with the map's thresholds.
void generateInternalEdgeInfo(btBvhTriangleMeshShape& shape, BtTriangleInfoMap& map);

#endif
