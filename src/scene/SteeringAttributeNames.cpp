#include "SteeringAttributeNames.h"

const MString kMergeChildrenAttribute("q5X_mergeChildren");
const MString kMergeGroupAttribute("q5X_mergeGroup");
const MString kMergeGroupRootAttribute("q5X_mergeGroupRoot");
const MString kBoundingVolumeAttribute("q5X_boundingVolume");
const MString kCpuMeshAttribute("q5X_cpuMesh");
const MString kOccluderAttribute("q5X_oc");
const MString kSplitTypeAttribute("q5X_splitType");
const MString kReferenceFilenameAttribute("q5X_referenceFilename");
const MString kCompoundAttribute("q5X_compound");
const MString kDynamicAttribute("q5X_dynamic");
const MString kKinematicAttribute("q5X_kinematic");
const MString kTriggerAttribute("q5X_trigger");
const MString kVertexCompressionRangeAttribute("q5X_vertexCompressionRange");
const MString kCollisionAttribute("q5X_collision");
const MString kLodAttribute("q5X_lod");
const MString kLod1Attribute("q5X_lod1");
const MString kLod2Attribute("q5X_lod2");
const MString kLod3Attribute("q5X_lod3");
const MString kLodBlendingAttribute("q5X_lodBlending");
const MString kLockedGroupAttribute("q5X_lockedGroup");
const MString kVisibilityAttribute("visibility");
const MString kForceVisibilityConditionAttribute("q5X_forceVisibilityCondition");
const MString kClipDistanceAttribute("q5X_clipDistance");
