// Camera elements: the horizontal field of view and the clipping planes.
#include "CommonAttributes.h"

#include <maya/MFnCamera.h>

void writeCameraAttributes(const NodeWriteContext& context, Q5XSaveUtil::XmlWriter& out) {
    constexpr double kDegreesPerRadian = 57.29577951308232;
    const MFnCamera camera(context.node.decidingChild);
    writeTransformAttributes(context, {false, false, true, true}, out);
    out.streamAttribute("fov", camera.horizontalFieldOfView() * kDegreesPerRadian);
    out.streamAttribute("nearClip", camera.nearClippingPlane() * context.context.unitScale);
    out.streamAttribute("farClip", camera.farClippingPlane() * context.context.unitScale);
}
