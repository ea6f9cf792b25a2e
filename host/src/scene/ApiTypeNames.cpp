#include "NodeType.h"

#include <algorithm>
#include <iterator>

namespace mayahost {

namespace {

struct ApiTypeName {
    MFn::Type type;
    const char* name;
};

// The enumerator names of the function set types that nodes carry, as messages print them.
constexpr ApiTypeName kNames[] = {
        {MFn::kDependencyNode, "kDependencyNode"},
        {MFn::kDagNode, "kDagNode"},
        {MFn::kTransform, "kTransform"},
        {MFn::kWorld, "kWorld"},
        {MFn::kIkEffector, "kIkEffector"},
        {MFn::kIkHandle, "kIkHandle"},
        {MFn::kJoint, "kJoint"},
        {MFn::kManipulator3D, "kManipulator3D"},
        {MFn::kShape, "kShape"},
        {MFn::kCamera, "kCamera"},
        {MFn::kEmitter, "kEmitter"},
        {MFn::kField, "kField"},
        {MFn::kAir, "kAir"},
        {MFn::kGravity, "kGravity"},
        {MFn::kGeoConnector, "kGeoConnector"},
        {MFn::kNParticle, "kNParticle"},
        {MFn::kGeometric, "kGeometric"},
        {MFn::kCurve, "kCurve"},
        {MFn::kNurbsCurve, "kNurbsCurve"},
        {MFn::kSurface, "kSurface"},
        {MFn::kMesh, "kMesh"},
        {MFn::kLight, "kLight"},
        {MFn::kAmbientLight, "kAmbientLight"},
        {MFn::kNonAmbientLight, "kNonAmbientLight"},
        {MFn::kAreaLight, "kAreaLight"},
        {MFn::kNonExtendedLight, "kNonExtendedLight"},
        {MFn::kDirectionalLight, "kDirectionalLight"},
        {MFn::kPointLight, "kPointLight"},
        {MFn::kSpotLight, "kSpotLight"},
        {MFn::kParticle, "kParticle"},
        {MFn::kLocator, "kLocator"},
        {MFn::kShadingEngine, "kShadingEngine"},
        {MFn::kSet, "kSet"},
        {MFn::kLambert, "kLambert"},
        {MFn::kPhong, "kPhong"},
        {MFn::kPhongExplorer, "kPhongExplorer"},
        {MFn::kBlinn, "kBlinn"},
        {MFn::kReflect, "kReflect"},
        {MFn::kFileTexture, "kFileTexture"},
        {MFn::kBump, "kBump"},
        {MFn::kLayeredTexture, "kLayeredTexture"},
        {MFn::kTextureEnv, "kTextureEnv"},
        {MFn::kEnvBall, "kEnvBall"},
        {MFn::kEnvSphere, "kEnvSphere"},
        {MFn::kAnisotropy, "kAnisotropy"},
        {MFn::kRampShader, "kRampShader"},
        {MFn::kHairTubeShader, "kHairTubeShader"},
        {MFn::kSurfaceShader, "kSurfaceShader"},
        {MFn::kPluginHardwareShader, "kPluginHardwareShader"},
        {MFn::kMaterialInfo, "kMaterialInfo"},
        {MFn::kUvChooser, "kUvChooser"},
        {MFn::kPlace2dTexture, "kPlace2dTexture"},
        {MFn::kGeometryFilt, "kGeometryFilt"},
        {MFn::kSkinClusterFilter, "kSkinClusterFilter"},
        {MFn::kDagPose, "kDagPose"},
        {MFn::kCharacter, "kCharacter"},
        {MFn::kClip, "kClip"},
        {MFn::kAnimCurve, "kAnimCurve"},
        {MFn::kGroupId, "kGroupId"},
        {MFn::kTime, "kTime"},
        {MFn::kScript, "kScript"},
        {MFn::kExpression, "kExpression"},
        {MFn::kVolumeLight, "kVolumeLight"},
};

}  // namespace

const char* apiTypeName(MFn::Type type) {
    const auto found = std::find_if(std::begin(kNames), std::end(kNames),
                                    [type](const ApiTypeName& entry) { return entry.type == type; });
    return found == std::end(kNames) ? "kDependencyNode" : found->name;
}

}  // namespace mayahost
