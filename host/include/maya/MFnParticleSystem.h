#ifndef MAYA_MFNPARTICLESYSTEM_H
#define MAYA_MFNPARTICLESYSTEM_H

#include <maya/MFnDagNode.h>

class MFnParticleSystem : public MFnDagNode {
public:
    enum RenderType { kCloud, kTube, kBlobby, kMultiPoint, kMultiStreak, kNumeric, kPoints, kSpheres, kSprites, kStreak };

    MFnParticleSystem();
    MFnParticleSystem(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnParticleSystem(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    RenderType renderType(MStatus* ReturnStatus = NULL) const;
};

#endif
