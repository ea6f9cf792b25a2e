#include "ApiAccess.h"

#include <maya/MFnIkJoint.h>
#include <maya/MFnTransform.h>

#include <cmath>

using namespace mayahost;

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

// The transform attributes read for every transform, their hashes worked out once.
const HashedName kTranslate("translate");
const HashedName kRotate("rotate");
const HashedName kRotateOrder("rotateOrder");
const HashedName kScale("scale");
const HashedName kShear("shear");
const HashedName kRotatePivot("rotatePivot");
const HashedName kRotatePivotTranslate("rotatePivotTranslate");
const HashedName kScalePivot("scalePivot");
const HashedName kScalePivotTranslate("scalePivotTranslate");
const HashedName kRotateAxis("rotateAxis");
const HashedName kInverseScale("inverseScale");
const HashedName kSegmentScaleCompensate("segmentScaleCompensate");
const HashedName kJointOrient("jointOrient");

double read(Node& node, const HashedName& attribute) {
    AttributeSpec* definition = node.findAttribute(attribute.name, attribute.hash);
    return definition ? numberOf(node, *definition) : 0.0;
}

// The three children of a numeric compound such as "translate".
void readTriple(Node& node, const HashedName& stem, double (&out)[3]) {
    AttributeSpec* compound = node.findAttribute(stem.name, stem.hash);
    if (!compound || compound->children.size() < 3) {
        out[0] = out[1] = out[2] = 0.0;
        return;
    }
    for (int i = 0; i < 3; ++i) out[i] = numberOf(node, *compound->children[std::size_t(i)]);
}

void write(Node& node, const std::string& attribute, double value) {
    node.values[attribute].numbers = {value};
}

void writeTriple(Node& node, const char* stem, const double* values) {
    const char* suffixes = "XYZ";
    for (int i = 0; i < 3; ++i) write(node, std::string(stem) + suffixes[i], values[i]);
}

template <typename Vector>
void writeVector(Node& node, const char* stem, const Vector& vector) {
    const double values[3] = {vector.x, vector.y, vector.z};
    writeTriple(node, stem, values);
}

MEulerRotation::RotationOrder rotateOrderOf(Node& node) {
    const int order = static_cast<int>(read(node, kRotateOrder));
    return order >= 0 && order < 6 ? static_cast<MEulerRotation::RotationOrder>(order) : MEulerRotation::kXYZ;
}

MEulerRotation eulerOf(Node& node, const HashedName& stem, MEulerRotation::RotationOrder order) {
    double angles[3];
    readTriple(node, stem, angles);
    return MEulerRotation(angles[0], angles[1], angles[2], order);
}

MTransformationMatrix componentsOf(Node& node) {
    MTransformationMatrix matrix;
    double values[3];
    readTriple(node, kTranslate, values);
    matrix.setTranslation(MVector(values), MSpace::kTransform);
    matrix.rotateTo(eulerOf(node, kRotate, rotateOrderOf(node)));
    readTriple(node, kScale, values);
    matrix.setScale(values, MSpace::kTransform);
    double shear[3];
    readTriple(node, kShear, shear);
    matrix.setShear(shear, MSpace::kTransform);
    readTriple(node, kRotatePivot, values);
    matrix.setRotatePivot(MPoint(values[0], values[1], values[2]), MSpace::kTransform, false);
    readTriple(node, kRotatePivotTranslate, values);
    matrix.setRotatePivotTranslation(MVector(values), MSpace::kTransform);
    readTriple(node, kScalePivot, values);
    matrix.setScalePivot(MPoint(values[0], values[1], values[2]), MSpace::kTransform, false);
    readTriple(node, kScalePivotTranslate, values);
    matrix.setScalePivotTranslation(MVector(values), MSpace::kTransform);
    matrix.setRotationOrientation(eulerOf(node, kRotateAxis, MEulerRotation::kXYZ).asQuaternion());
    return matrix;
}

MMatrix scaleMatrix(const double (&s)[3]) {
    MMatrix m;
    for (int i = 0; i < 3; ++i) m[i][i] = s[i];
    return m;
}

// [S] [Sh] [RA] [R] [JO] [IS] [T]; IS undoes the parent's scale when the joint compensates for it.
MMatrix jointMatrix(Node& node) {
    const MTransformationMatrix components = componentsOf(node);
    double scale[3], shearValues[3], inverseScale[3];
    components.getScale(scale, MSpace::kTransform);
    components.getShear(shearValues, MSpace::kTransform);
    MMatrix shear;
    shear[1][0] = shearValues[0];
    shear[2][0] = shearValues[1];
    shear[2][1] = shearValues[2];
    readTriple(node, kInverseScale, inverseScale);
    const bool compensate = read(node, kSegmentScaleCompensate) != 0.0;
    for (double& s : inverseScale) s = compensate && s != 0.0 ? 1.0 / s : 1.0;
    MMatrix translation;
    const MVector t = components.getTranslation(MSpace::kTransform);
    translation[3][0] = t.x;
    translation[3][1] = t.y;
    translation[3][2] = t.z;
    return scaleMatrix(scale) * shear * components.rotationOrientation().asMatrix() *
           components.eulerRotation().asMatrix() * eulerOf(node, kJointOrient, MEulerRotation::kXYZ).asMatrix() *
           scaleMatrix(inverseScale) * translation;
}

Node* transformNode(const MObject& object, MStatus* status) {
    Node* node = asNode(object);
    setStatus(status, node && node->hasFn(MFn::kTransform));
    return node && node->hasFn(MFn::kTransform) ? node : nullptr;
}

struct LimitNames {
    const char* value;
    const char* enable;
};

LimitNames limitNames(MFnTransform::LimitType type) {
    static const LimitNames names[] = {
        {"minScaleXLimit", "minScaleXLimitEnable"}, {"maxScaleXLimit", "maxScaleXLimitEnable"},
        {"minScaleYLimit", "minScaleYLimitEnable"}, {"maxScaleYLimit", "maxScaleYLimitEnable"},
        {"minScaleZLimit", "minScaleZLimitEnable"}, {"maxScaleZLimit", "maxScaleZLimitEnable"},
        {"minShearXYLimit", "minShearXYLimitEnable"}, {"maxShearXYLimit", "maxShearXYLimitEnable"},
        {"minShearXZLimit", "minShearXZLimitEnable"}, {"maxShearXZLimit", "maxShearXZLimitEnable"},
        {"minShearYZLimit", "minShearYZLimitEnable"}, {"maxShearYZLimit", "maxShearYZLimitEnable"},
        {"minRotXLimit", "minRotXLimitEnable"}, {"maxRotXLimit", "maxRotXLimitEnable"},
        {"minRotYLimit", "minRotYLimitEnable"}, {"maxRotYLimit", "maxRotYLimitEnable"},
        {"minRotZLimit", "minRotZLimitEnable"}, {"maxRotZLimit", "maxRotZLimitEnable"},
        {"minTransXLimit", "minTransXLimitEnable"}, {"maxTransXLimit", "maxTransXLimitEnable"},
        {"minTransYLimit", "minTransYLimitEnable"}, {"maxTransYLimit", "maxTransYLimitEnable"},
        {"minTransZLimit", "minTransZLimitEnable"}, {"maxTransZLimit", "maxTransZLimitEnable"},
    };
    return names[type];
}

}  // namespace

namespace mayahost {

MMatrix localMatrix(const Node& constNode) {
    Node& node = const_cast<Node&>(constNode);
    if (node.hasFn(MFn::kJoint)) return jointMatrix(node);
    if (node.hasFn(MFn::kTransform)) return componentsOf(node).asMatrix();
    return MMatrix();
}

}  // namespace mayahost

MFnTransform::MFnTransform() = default;

MFnTransform::MFnTransform(const MObject& object, MStatus* ReturnStatus) : MFnDagNode() {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFnTransform::MFnTransform(const MDagPath& path, MStatus* ReturnStatus) : MFnDagNode() {
    const MStatus status = setObject(path);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnTransform::type() const { return MFn::kTransform; }

MTransformationMatrix MFnTransform::transformation(MStatus* ReturnStatus) const {
    Node* node = transformNode(object_, ReturnStatus);
    return node ? componentsOf(*node) : MTransformationMatrix();
}

MStatus MFnTransform::set(const MTransformationMatrix& transform) {
    Node* node = transformNode(object_, nullptr);
    if (!node) return MStatus::kFailure;
    writeVector(*node, "translate", transform.getTranslation(MSpace::kTransform));
    const MEulerRotation r = transform.eulerRotation();
    const double rotate[3] = {r.x, r.y, r.z};
    writeTriple(*node, "rotate", rotate);
    write(*node, "rotateOrder", r.order);
    double values[3];
    transform.getScale(values, MSpace::kTransform);
    writeTriple(*node, "scale", values);
    transform.getShear(values, MSpace::kTransform);
    write(*node, "shearXY", values[0]);
    write(*node, "shearXZ", values[1]);
    write(*node, "shearYZ", values[2]);
    writeVector(*node, "rotatePivot", transform.rotatePivot(MSpace::kTransform));
    writeVector(*node, "rotatePivotTranslate", transform.rotatePivotTranslation(MSpace::kTransform));
    writeVector(*node, "scalePivot", transform.scalePivot(MSpace::kTransform));
    writeVector(*node, "scalePivotTranslate", transform.scalePivotTranslation(MSpace::kTransform));
    const MEulerRotation axis = MEulerRotation::decompose(transform.rotationOrientation().asMatrix(), MEulerRotation::kXYZ);
    const double rotateAxis[3] = {axis.x, axis.y, axis.z};
    writeTriple(*node, "rotateAxis", rotateAxis);
    return MStatus::kSuccess;
}

MVector MFnTransform::getTranslation(MSpace::Space space, MStatus* ReturnStatus) const {
    if (space == MSpace::kWorld) {
        const MMatrix world = path().inclusiveMatrix();
        setStatus(ReturnStatus, true);
        return MVector(world[3][0], world[3][1], world[3][2]);
    }
    return transformation(ReturnStatus).getTranslation(space);
}

MStatus MFnTransform::setTranslation(const MVector& vector, MSpace::Space) {
    Node* node = transformNode(object_, nullptr);
    if (!node) return MStatus::kFailure;
    const double values[3] = {vector.x, vector.y, vector.z};
    writeTriple(*node, "translate", values);
    return MStatus::kSuccess;
}

MStatus MFnTransform::getRotation(MEulerRotation& rotation) const {
    MStatus status;
    rotation = transformation(&status).eulerRotation();
    return status;
}

MStatus MFnTransform::getRotation(MQuaternion& rotation, MSpace::Space) const {
    MStatus status;
    rotation = transformation(&status).rotation();
    return status;
}

MStatus MFnTransform::setRotation(const MEulerRotation& rotation) {
    Node* node = transformNode(object_, nullptr);
    if (!node) return MStatus::kFailure;
    const double values[3] = {rotation.x, rotation.y, rotation.z};
    writeTriple(*node, "rotate", values);
    write(*node, "rotateOrder", rotation.order);
    return MStatus::kSuccess;
}

MStatus MFnTransform::getScale(double scale[3]) const {
    MStatus status;
    transformation(&status).getScale(scale, MSpace::kTransform);
    return status;
}

MStatus MFnTransform::setScale(const double scale[3]) {
    Node* node = transformNode(object_, nullptr);
    if (!node) return MStatus::kFailure;
    writeTriple(*node, "scale", scale);
    return MStatus::kSuccess;
}

MStatus MFnTransform::getShear(double shear[3]) const {
    MStatus status;
    transformation(&status).getShear(shear, MSpace::kTransform);
    return status;
}

MQuaternion MFnTransform::rotateOrientation(MSpace::Space, MStatus* ReturnStatus) const {
    return transformation(ReturnStatus).rotationOrientation();
}

MPoint MFnTransform::rotatePivot(MSpace::Space space, MStatus* ReturnStatus) const {
    return transformation(ReturnStatus).rotatePivot(space);
}

MPoint MFnTransform::scalePivot(MSpace::Space space, MStatus* ReturnStatus) const {
    return transformation(ReturnStatus).scalePivot(space);
}

MVector MFnTransform::rotatePivotTranslation(MSpace::Space space, MStatus* ReturnStatus) const {
    return transformation(ReturnStatus).rotatePivotTranslation(space);
}

MVector MFnTransform::scalePivotTranslation(MSpace::Space space, MStatus* ReturnStatus) const {
    return transformation(ReturnStatus).scalePivotTranslation(space);
}

MTransformationMatrix::RotationOrder MFnTransform::rotationOrder(MStatus* ReturnStatus) const {
    return transformation(ReturnStatus).rotationOrder();
}

bool MFnTransform::isLimited(LimitType limit, MStatus* ReturnStatus) const {
    Node* node = transformNode(object_, ReturnStatus);
    return node && read(*node, HashedName(limitNames(limit).enable)) != 0.0;
}

double MFnTransform::limitValue(LimitType limit, MStatus* ReturnStatus) const {
    Node* node = transformNode(object_, ReturnStatus);
    return node ? read(*node, HashedName(limitNames(limit).value)) : 0.0;
}

MTransformationMatrix MFnTransform::restPosition(MStatus* ReturnStatus) const {
    Node* node = transformNode(object_, ReturnStatus);
    return node && node->restPosition ? *node->restPosition : MTransformationMatrix();
}

MStatus MFnTransform::setRestPosition(const MTransformationMatrix& matrix) {
    Node* node = transformNode(object_, nullptr);
    if (!node) return MStatus::kFailure;
    node->restPosition = std::make_unique<MTransformationMatrix>(matrix);
    return MStatus::kSuccess;
}

MStatus MFnTransform::resetFromRestPosition() {
    Node* node = transformNode(object_, nullptr);
    if (!node) return MStatus::kFailure;
    return set(node->restPosition ? *node->restPosition : MTransformationMatrix());
}

MFnIkJoint::MFnIkJoint() = default;

MFnIkJoint::MFnIkJoint(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFnIkJoint::MFnIkJoint(const MDagPath& path, MStatus* ReturnStatus) {
    const MStatus status = setObject(path);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnIkJoint::type() const { return MFn::kJoint; }

MStatus MFnIkJoint::getOrientation(MEulerRotation& rotation) const {
    Node* node = asNode(object_);
    if (!node) return MStatus::kFailure;
    rotation = eulerOf(*node, kJointOrient, MEulerRotation::kXYZ);
    return MStatus::kSuccess;
}

MStatus MFnIkJoint::getOrientation(MQuaternion& quaternion) const {
    MEulerRotation rotation;
    const MStatus status = getOrientation(rotation);
    quaternion = rotation.asQuaternion();
    return status;
}

MStatus MFnIkJoint::getScaleOrientation(MQuaternion& quaternion) const {
    quaternion = rotateOrientation(MSpace::kTransform);
    return object_.isNull() ? MStatus::kFailure : MStatus::kSuccess;
}

MStatus MFnIkJoint::getSegmentScale(double scale[3]) const { return getScale(scale); }
