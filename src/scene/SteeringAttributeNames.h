#ifndef Q5X_SCENE_STEERINGATTRIBUTENAMES_H
#define Q5X_SCENE_STEERINGATTRIBUTENAMES_H

#include <maya/MString.h>

// The attributes the scene walk reads by name from every node it visits, made into MStrings once.
// (The rows of the extra-attribute tables carry their own names.)
extern const MString kMergeChildrenAttribute;
extern const MString kMergeGroupAttribute;
extern const MString kMergeGroupRootAttribute;
extern const MString kBoundingVolumeAttribute;
extern const MString kCpuMeshAttribute;
extern const MString kOccluderAttribute;
extern const MString kSplitTypeAttribute;
extern const MString kReferenceFilenameAttribute;
extern const MString kCompoundAttribute;
extern const MString kDynamicAttribute;
extern const MString kKinematicAttribute;
extern const MString kTriggerAttribute;
extern const MString kVertexCompressionRangeAttribute;
extern const MString kCollisionAttribute;
extern const MString kLodAttribute;
extern const MString kLod1Attribute;
extern const MString kLod2Attribute;
extern const MString kLod3Attribute;
extern const MString kLodBlendingAttribute;
extern const MString kLockedGroupAttribute;
extern const MString kVisibilityAttribute;
extern const MString kForceVisibilityConditionAttribute;
extern const MString kClipDistanceAttribute;

#endif
