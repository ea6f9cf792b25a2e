#ifndef MAYA_MFN_H
#define MAYA_MFN_H

// Function set type identifiers of API objects.
class MFn {
public:
    enum Type {
        kInvalid = 0,
        kBase,
        kNamedObject,
        kDependencyNode,
        kDagNode,
        kWorld,
        kTransform,
        kJoint,
        kIkHandle,
        kIkEffector,
        kShape,
        kGeometric,
        kSurface,
        kMesh,
        kNurbsCurve,
        kNurbsSurface,
        kCamera,
        kLight,
        kAmbientLight,
        kNonAmbientLight,
        kDirectionalLight,
        kNonExtendedLight,
        kPointLight,
        kSpotLight,
        kAreaLight,
        kVolumeLight,
        kLocator,
        kParticle,
        kField,
        kAirField,
        kGravityField,
        kEmitter,
        kShadingEngine,
        kSet,
        kLambert,
        kPhong,
        kPhongExplorer,
        kBlinn,
        kReflect,
        kFileTexture,
        kPlace2dTexture,
        kSkinClusterFilter,
        kGeometryFilt,
        kDagPose,
        kCharacter,
        kClip,
        kAnimCurve,
        kGroupId,
        kTime,
        kPlugin,
        kScript,
        kExpression,
        kLast
    };
};

#endif
