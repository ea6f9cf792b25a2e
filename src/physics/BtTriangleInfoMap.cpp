#include "BtTriangleInfoMap.h"

#include <BulletCollision/CollisionDispatch/btInternalEdgeUtility.h>
#include <BulletCollision/CollisionShapes/btBvhTriangleMeshShape.h>
#include <BulletCollision/CollisionShapes/btTriangleInfoMap.h>

#include <cmath>

std::int16_t quantizeEdgeAngle(float radians) {
    // An angle Bullet could not work out (degenerate neighbours) is stored as no neighbour: the
    // engine then leaves contacts on that edge alone.
    if (!std::isfinite(radians)) return BtTriangleInfoData::kNoNeighbour;
    // Divided in single precision by Bullet's own full turn, so that its "no neighbour" angle
    // (a full turn, 6.2831855) is exactly one turn.
    double turns = double(radians / SIMD_2_PI);
    if (turns > 1.0 || turns < -1.0) turns -= std::trunc(turns);
    const double scaled = std::floor(turns * 32767.0 + 0.5);
    return std::int16_t(scaled > 32767.0 ? 32767.0 : scaled < -32767.0 ? -32767.0 : scaled);
}

void generateInternalEdgeInfo(btBvhTriangleMeshShape& shape, BtTriangleInfoMap& map) {
    btTriangleInfoMap analysis;
    analysis.m_convexEpsilon = map.convexEpsilon;
    analysis.m_planarEpsilon = map.planarEpsilon;
    analysis.m_equalVertexThreshold = map.equalVertexThreshold;
    analysis.m_edgeDistanceThreshold = map.edgeDistanceThreshold;
    analysis.m_maxEdgeAngleThreshold = map.maxEdgeAngleThreshold;
    analysis.m_zeroAreaThreshold = map.zeroAreaThreshold;
    btGenerateInternalEdgeInfo(&shape, &analysis);
    shape.setTriangleInfoMap(nullptr);  // the analysis lives on this stack frame only

    const btStridingMeshInterface& mesh = *shape.getMeshInterface();
    for (int part = 0; part < mesh.getNumSubParts(); ++part) {
        const unsigned char* vertices = nullptr;
        const unsigned char* indices = nullptr;
        int vertexCount = 0, vertexStride = 0, indexStride = 0, triangles = 0;
        PHY_ScalarType vertexType, indexType;
        mesh.getLockedReadOnlyVertexIndexBase(&vertices, vertexCount, vertexType, vertexStride, &indices, indexStride, triangles,
                                              indexType, part);
        mesh.unLockReadOnlyVertexBase(part);
        map.keys.push_back(std::int32_t(map.values.size()));
        for (int t = 0; t < triangles; ++t) {
            BtTriangleInfoData record;
            // Bullet keys a triangle by its subpart in the high bits and its index in the low ones;
            // it records only triangles that share an edge with another.
            const btTriangleInfo* info = analysis.find(btHashInt((part << (31 - MAX_NUM_PARTS_IN_BITS)) | t));
            if (info) {
                record.flags = std::uint8_t(info->m_flags | BtTriangleInfoData::kHasNeighbour);
                record.edgeAngles[0] = quantizeEdgeAngle(info->m_edgeV0V1Angle);
                record.edgeAngles[1] = quantizeEdgeAngle(info->m_edgeV1V2Angle);
                record.edgeAngles[2] = quantizeEdgeAngle(info->m_edgeV2V0Angle);
            }
            map.values.push_back(record);
        }
    }
}
