#ifndef Q5X_PHYSICS_BT2PHYSICSMESHINTERFACE_H
#define Q5X_PHYSICS_BT2PHYSICSMESHINTERFACE_H

#include <BulletCollision/CollisionShapes/btStridingMeshInterface.h>

#include <cstdint>
#include <vector>

// A welded copy of a triangle mesh as Bullet reads it: unique positions (corners closer than
// 0.0001 on every axis are one) and 16-bit indices, one subpart. Triangles whose corners weld
// together are dropped.
class Bt2PhysicsMeshInterface : public btStridingMeshInterface {
public:
    // `indices` count three per triangle and must name vertices below `vertexCount`, which must
    // not exceed 65536.
    Bt2PhysicsMeshInterface(std::uint32_t vertexCount, const float* positions, std::uint32_t indexCount, const std::uint32_t* indices);

    const std::vector<float>& vertices() const { return vertices_; }
    const std::vector<std::uint16_t>& indices() const { return indices_; }

    void getLockedVertexIndexBase(unsigned char** vertexbase, int& numverts, PHY_ScalarType& type, int& stride,
                                  unsigned char** indexbase, int& indexstride, int& numfaces, PHY_ScalarType& indicestype,
                                  int subpart) override;
    void getLockedReadOnlyVertexIndexBase(const unsigned char** vertexbase, int& numverts, PHY_ScalarType& type, int& stride,
                                          const unsigned char** indexbase, int& indexstride, int& numfaces,
                                          PHY_ScalarType& indicestype, int subpart) const override;
    void unLockVertexBase(int) override {}
    void unLockReadOnlyVertexBase(int) const override {}
    int getNumSubParts() const override { return 1; }
    void preallocateVertices(int) override {}
    void preallocateIndices(int) override {}

private:
    std::vector<float> vertices_;
    std::vector<std::uint16_t> indices_;
};

#endif
