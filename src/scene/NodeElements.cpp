#include "NodeElements.h"

namespace {

const NodeElement kTransformGroup{"TransformGroup", writeTransformGroupAttributes, true};
const NodeElement kMeshShape{"Shape", writeMeshShapeAttributes, true};
const NodeElement kCurveShape{"Shape", writeCurveShapeAttributes, true};
const NodeElement kLight{"Light", writeLightAttributes, true};
const NodeElement kCamera{"Camera", writeCameraAttributes, true};
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

const NodeElement& referenceNodeElement() {
    return kReferenceNode;
}
