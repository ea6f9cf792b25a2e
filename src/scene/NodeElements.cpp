#include "NodeElements.h"

namespace {

const NodeElement kTransformGroup{"TransformGroup", writeTransformGroupAttributes, true};
const NodeElement kMeshShape{"Shape", writeMeshShapeAttributes, true};
const NodeElement kCurveShape{"Shape", writeCurveShapeAttributes, true};
const NodeElement kLight{"Light", writeLightAttributes, true};
const NodeElement kCamera{"Camera", writeCameraAttributes, true};
const NodeElement kMergeRoot{"Shape", writeMergeRootAttributes, true};
const NodeElement kMergeFirstNodeShape{"Shape", writeMergeFirstNodeShapeAttributes, false};
const NodeElement kMergeFirstNodeGroup{"TransformGroup", writeMergeFirstNodeGroupAttributes, true};
const NodeElement kMergedChildren{"Shape", writeMergedChildrenAttributes, true};
const NodeElement kAttachmentsNode{"Shape", writeAttachmentsNodeAttributes, true};
const NodeElement kDynamic{"Dynamic", writeDynamicAttributes, true};
const NodeElement kReferenceNode{"ReferenceNode", writeReferenceNodeAttributes, false};

}  // namespace

const NodeElement& transformGroupElement() {
    return kTransformGroup;
}

const NodeElement& meshShapeElement() {
    return kMeshShape;
}

const NodeElement& curveShapeElement() {
    return kCurveShape;
}

const NodeElement& lightElement() {
    return kLight;
}

const NodeElement& cameraElement() {
    return kCamera;
}

const NodeElement& mergeRootElement() {
    return kMergeRoot;
}

const NodeElement& mergeFirstNodeShapeElement() {
    return kMergeFirstNodeShape;
}

const NodeElement& mergeFirstNodeGroupElement() {
    return kMergeFirstNodeGroup;
}

const NodeElement& mergedChildrenElement() {
    return kMergedChildren;
}

const NodeElement& attachmentsNodeElement() {
    return kAttachmentsNode;
}

const NodeElement& dynamicElement() {
    return kDynamic;
}

const NodeElement& referenceNodeElement() {
    return kReferenceNode;
}
