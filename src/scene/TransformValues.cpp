#include "TransformValues.h"

#include <maya/MFnIkJoint.h>
#include <maya/MFnMatrixData.h>
#include <maya/MFnTransform.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MPlugArray.h>

namespace {

bool isIdentity(const MQuaternion& q) {
    return q.x == 0.0 && q.y == 0.0 && q.z == 0.0 && q.w == 1.0;
}

bool isZero(const MVector& v) {
    return v.x == 0.0 && v.y == 0.0 && v.z == 0.0;
}

bool isZero(const MPoint& p) {
    return p.x == 0.0 && p.y == 0.0 && p.z == 0.0;
}

bool hasPivots(const MTransformationMatrix& m) {
    return !isZero(m.rotatePivot(MSpace::kTransform)) || !isZero(m.scalePivot(MSpace::kTransform)) ||
           !isZero(m.rotatePivotTranslation(MSpace::kTransform)) ||
           !isZero(m.scalePivotTranslation(MSpace::kTransform));
}

// The bind matrix of a joint: its "bindPose" plug feeds exactly one plug of a pose node, and the
// pose's "xformMatrix" element of the same index holds the matrix.
bool findBindPose(const MFnDagNode& joint, MTransformationMatrix& bind) {
    MStatus status;
    const MPlug bindPose = joint.findPlug("bindPose", true, &status);
    MPlugArray destinations;
    if (!status || !bindPose.connectedTo(destinations, false, true)) return false;
    int poses = 0;
    MPlug posePlug;
    for (unsigned i = 0; i < destinations.length(); ++i) {
        if (destinations[i].node().hasFn(MFn::kDagPose)) {
            ++poses;
            posePlug = destinations[i];
        }
    }
    if (poses != 1 || !posePlug.isElement()) return false;
    const MPlug matrices = MFnDependencyNode(posePlug.node()).findPlug("xformMatrix", true, &status);
    if (!status) return false;
    MObject data = matrices.elementByLogicalIndex(posePlug.logicalIndex()).asMObject(&status);
    if (!status) return false;
    bind = MFnMatrixData(data).transformation(&status);
    return static_cast<bool>(status);
}

bool isAnimatedPlug(const MPlug& plug) {
    MPlugArray sources;
    if (plug.connectedTo(sources, true, false)) {
        for (unsigned i = 0; i < sources.length(); ++i) {
            if (sources[i].node().hasFn(MFn::kAnimCurve)) return true;
        }
    }
    for (unsigned i = 0; i < plug.numChildren(); ++i) {
        if (isAnimatedPlug(plug.child(i))) return true;
    }
    return false;
}

bool isAnimated(const MFnDependencyNode& node) {
    for (const char* name : {"translate", "rotate", "scale"}) {
        MStatus status;
        const MPlug plug = node.findPlug(name, true, &status);
        if (status && isAnimatedPlug(plug)) return true;
    }
    return false;
}

void setTriple(double (&out)[3], const MVector& v) {
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
}

// Moved pivots add terms to the local matrix that a translation, rotation and scale alone cannot
// express: the translation becomes the matrix's own, which places the node exactly.
MVector translationOf(const MTransformationMatrix& m, const MFnDependencyNode& node, const std::string& pathName) {
    if (!hasPivots(m)) return m.getTranslation(MSpace::kTransform);
    if (isAnimated(node)) {
        MGlobal::displayWarning(MString("q5xExport: Node ") + pathName.c_str() +
                                " has moved pivots; its animation keys are written without the pivot offset.");
    }
    const MMatrix local = m.asMatrix();
    return MVector(local[3][0], local[3][1], local[3][2]);
}

}  // namespace

TransformValues readTransformValues(const ExportContext& context, const MDagPath& transform,
                                    const std::string& pathName, NodeRecord& record) {
    const MFnTransform node(transform);
    const MTransformationMatrix current = node.transformation();
    TransformValues values;
    MEulerRotation rotation = current.eulerRotation();
    setTriple(values.translation, translationOf(current, node, pathName));
    current.getScale(values.scale, MSpace::kTransform);

    const MQuaternion rotateAxis = current.rotationOrientation();
    record.hasRotateAxis = !isIdentity(rotateAxis);
    record.rotateAxis = record.hasRotateAxis ? rotateAxis : MQuaternion();
    record.hasJointOrientation = false;
    record.jointOrientation = MQuaternion();
    if (transform.hasFn(MFn::kJoint)) {
        if (!context.options.ignoreBindPoses) {
            MTransformationMatrix bind;
            if (findBindPose(node, bind)) {
                setTriple(values.translation, bind.getTranslation(MSpace::kTransform));
                rotation = bind.eulerRotation();
                bind.getScale(values.scale, MSpace::kTransform);
            } else {
                MGlobal::displayWarning(MString("q5xExport: Joint without bind pose found. Using current rotation (") +
                                        pathName.c_str() + ").\n");
            }
        }
        MQuaternion orientation;
        MFnIkJoint(transform).getOrientation(orientation);
        record.hasJointOrientation = !isIdentity(orientation);
        if (record.hasJointOrientation) record.jointOrientation = orientation;
    }
    record.rotationOrder = rotation.order;
    rotation = documentRotation(rotation, record);
    values.rotation[0] = rotation.x * kRadiansToDegrees;
    values.rotation[1] = rotation.y * kRadiansToDegrees;
    values.rotation[2] = rotation.z * kRadiansToDegrees;
    for (double& t : values.translation) t *= context.unitScale;
    return values;
}
