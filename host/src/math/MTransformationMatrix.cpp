#include <maya/MTransformationMatrix.h>

#include <cmath>

namespace {

MMatrix translation(double x, double y, double z) {
    MMatrix m;
    m[3][0] = x;
    m[3][1] = y;
    m[3][2] = z;
    return m;
}

MMatrix scaleMatrix(const double (&s)[3]) {
    MMatrix m;
    for (int i = 0; i < 3; ++i) m[i][i] = s[i];
    return m;
}

// Maya's shear for row vectors: xy, xz, yz below the diagonal.
MMatrix shearMatrix(const double (&h)[3]) {
    MMatrix m;
    m[1][0] = h[0];
    m[2][0] = h[1];
    m[2][1] = h[2];
    return m;
}

double dot(const double* a, const double* b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

}  // namespace

const MTransformationMatrix MTransformationMatrix::identity;

MTransformationMatrix::MTransformationMatrix() : scale_{1.0, 1.0, 1.0}, shear_{0.0, 0.0, 0.0} {}

// Splits a matrix into translation, rotation (xyz), scale and shear, without pivots.
MTransformationMatrix::MTransformationMatrix(const MMatrix& matrix) : MTransformationMatrix() {
    translation_ = MVector(matrix[3][0], matrix[3][1], matrix[3][2]);
    double rows[3][3];
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) rows[r][c] = matrix[r][c];
    }
    scale_[0] = std::sqrt(dot(rows[0], rows[0]));
    if (scale_[0] > 0.0) {
        for (double& v : rows[0]) v /= scale_[0];
    }
    double xy = dot(rows[1], rows[0]);
    for (int c = 0; c < 3; ++c) rows[1][c] -= xy * rows[0][c];
    scale_[1] = std::sqrt(dot(rows[1], rows[1]));
    if (scale_[1] > 0.0) {
        for (double& v : rows[1]) v /= scale_[1];
        xy /= scale_[1];
    }
    double xz = dot(rows[2], rows[0]);
    double yz = dot(rows[2], rows[1]);
    for (int c = 0; c < 3; ++c) rows[2][c] -= xz * rows[0][c] + yz * rows[1][c];
    scale_[2] = std::sqrt(dot(rows[2], rows[2]));
    if (scale_[2] > 0.0) {
        for (double& v : rows[2]) v /= scale_[2];
        xz /= scale_[2];
        yz /= scale_[2];
    }
    MMatrix rotation;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) rotation[r][c] = rows[r][c];
    }
    // A mirrored matrix keeps a proper rotation and carries the mirror in the z scale.
    if (rotation.det3x3() < 0.0) {
        scale_[2] = -scale_[2];
        xz = -xz;
        yz = -yz;
        for (int c = 0; c < 3; ++c) rotation[2][c] = -rotation[2][c];
    }
    shear_[0] = xy;
    shear_[1] = xz;
    shear_[2] = yz;
    rotation_ = MEulerRotation::decompose(rotation, MEulerRotation::kXYZ);
}

MMatrix MTransformationMatrix::asRotateMatrix() const {
    return rotateAxis_.asMatrix() * rotation_.asMatrix();
}

MMatrix MTransformationMatrix::asMatrix() const {
    const MMatrix scalePart = translation(-scalePivot_.x, -scalePivot_.y, -scalePivot_.z) * scaleMatrix(scale_) *
                              shearMatrix(shear_) * translation(scalePivot_.x, scalePivot_.y, scalePivot_.z) *
                              translation(scalePivotTranslation_.x, scalePivotTranslation_.y, scalePivotTranslation_.z);
    const MMatrix rotatePart = translation(-rotatePivot_.x, -rotatePivot_.y, -rotatePivot_.z) * asRotateMatrix() *
                               translation(rotatePivot_.x, rotatePivot_.y, rotatePivot_.z) *
                               translation(rotatePivotTranslation_.x, rotatePivotTranslation_.y,
                                           rotatePivotTranslation_.z);
    return scalePart * rotatePart * translation(translation_.x, translation_.y, translation_.z);
}

MMatrix MTransformationMatrix::asMatrixInverse() const { return asMatrix().inverse(); }

MVector MTransformationMatrix::getTranslation(MSpace::Space, MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return translation_;
}

MStatus MTransformationMatrix::setTranslation(const MVector& vector, MSpace::Space) {
    translation_ = vector;
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::getScale(double scale[3], MSpace::Space) const {
    for (int i = 0; i < 3; ++i) scale[i] = scale_[i];
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::setScale(const double scale[3], MSpace::Space) {
    for (int i = 0; i < 3; ++i) scale_[i] = scale[i];
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::getShear(double shear[3], MSpace::Space) const {
    for (int i = 0; i < 3; ++i) shear[i] = shear_[i];
    return MStatus::kSuccess;
}

MStatus MTransformationMatrix::setShear(const double shear[3], MSpace::Space) {
    for (int i = 0; i < 3; ++i) shear_[i] = shear[i];
    return MStatus::kSuccess;
}

MEulerRotation MTransformationMatrix::eulerRotation() const { return rotation_; }

MQuaternion MTransformationMatrix::rotation() const { return rotation_.asQuaternion(); }

MTransformationMatrix& MTransformationMatrix::rotateTo(const MEulerRotation& rotation) {
    rotation_ = rotation;
    return *this;
}

MTransformationMatrix& MTransformationMatrix::rotateTo(const MQuaternion& rotation) {
    rotation_ = MEulerRotation::decompose(rotation.asMatrix(), rotation_.order);
    return *this;
}

MTransformationMatrix::RotationOrder MTransformationMatrix::rotationOrder(MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return static_cast<RotationOrder>(rotation_.order + 1);
}

MQuaternion MTransformationMatrix::rotationOrientation() const { return rotateAxis_; }

MTransformationMatrix& MTransformationMatrix::setRotationOrientation(const MQuaternion& orientation) {
    rotateAxis_ = orientation;
    return *this;
}

MPoint MTransformationMatrix::scalePivot(MSpace::Space, MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return scalePivot_;
}

MStatus MTransformationMatrix::setScalePivot(const MPoint& pivot, MSpace::Space, bool) {
    scalePivot_ = pivot;
    return MStatus::kSuccess;
}

MVector MTransformationMatrix::scalePivotTranslation(MSpace::Space, MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return scalePivotTranslation_;
}

MStatus MTransformationMatrix::setScalePivotTranslation(const MVector& vector, MSpace::Space) {
    scalePivotTranslation_ = vector;
    return MStatus::kSuccess;
}

MPoint MTransformationMatrix::rotatePivot(MSpace::Space, MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return rotatePivot_;
}

MStatus MTransformationMatrix::setRotatePivot(const MPoint& pivot, MSpace::Space, bool) {
    rotatePivot_ = pivot;
    return MStatus::kSuccess;
}

MVector MTransformationMatrix::rotatePivotTranslation(MSpace::Space, MStatus* ReturnStatus) const {
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return rotatePivotTranslation_;
}

MStatus MTransformationMatrix::setRotatePivotTranslation(const MVector& vector, MSpace::Space) {
    rotatePivotTranslation_ = vector;
    return MStatus::kSuccess;
}

bool MTransformationMatrix::isEquivalent(const MTransformationMatrix& other, double tolerance) const {
    return asMatrix().isEquivalent(other.asMatrix(), tolerance);
}
