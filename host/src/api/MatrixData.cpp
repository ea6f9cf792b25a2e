#include "MatrixData.h"

#include <maya/MEulerRotation.h>
#include <maya/MFnMatrixData.h>
#include <maya/MQuaternion.h>
#include <maya/MTransformationMatrix.h>

#include "ApiAccess.h"

namespace mayahost {

MObject makeMatrixData(const MMatrix& matrix) {
    auto* data = new MatrixData(matrix);
    data->setOwnedByHandles();
    return ObjectData::wrap(data);
}

namespace {

constexpr std::size_t kXformValues = 36;

MMatrix translation(const double* t) {
    MMatrix m;
    for (int i = 0; i < 3; ++i) m[3][i] = t[i];
    return m;
}

MMatrix negatedTranslation(const double* t) {
    const double negated[3] = {-t[0], -t[1], -t[2]};
    return translation(negated);
}

}  // namespace

MObject makeXformData(const PlugData& data) {
    if (data.count() < kXformValues) return makeMatrixData(MMatrix());
    double v[kXformValues + 1] = {};
    for (std::size_t i = 0; i < kXformValues && i < data.count(); ++i) v[i] = data.number(i);
    MMatrix scale, shear, inverseParentScale;
    for (int i = 0; i < 3; ++i) scale[i][i] = v[i];
    shear[1][0] = v[10];
    shear[2][0] = v[11];
    shear[2][1] = v[12];
    const MEulerRotation rotation(v[3], v[4], v[5], static_cast<MEulerRotation::RotationOrder>(int(v[6]) % 6));
    const double* translate = v + 7;
    const double* scalePivot = v + 13;
    const double* scalePivotTranslate = v + 16;
    const double* rotatePivot = v + 19;
    const double* rotatePivotTranslate = v + 22;
    const MQuaternion rotateAxis(v[25], v[26], v[27], v[28]);
    const MQuaternion jointOrient(v[29], v[30], v[31], v[32]);
    const bool compensate = data.count() > kXformValues && data.number(kXformValues) != 0.0;
    for (int i = 0; i < 3; ++i) inverseParentScale[i][i] = compensate && v[33 + i] != 0.0 ? 1.0 / v[33 + i] : 1.0;
    const MMatrix matrix = negatedTranslation(scalePivot) * scale * shear * translation(scalePivot) *
                           translation(scalePivotTranslate) * negatedTranslation(rotatePivot) * rotateAxis.asMatrix() *
                           rotation.asMatrix() * jointOrient.asMatrix() * translation(rotatePivot) *
                           translation(rotatePivotTranslate) * inverseParentScale * translation(translate);

    MTransformationMatrix components;
    components.setScale(v, MSpace::kTransform);
    components.rotateTo(rotation);
    components.setTranslation(MVector(translate), MSpace::kTransform);
    components.setShear(v + 10, MSpace::kTransform);
    components.setScalePivot(MPoint(scalePivot[0], scalePivot[1], scalePivot[2]), MSpace::kTransform, false);
    components.setScalePivotTranslation(MVector(scalePivotTranslate), MSpace::kTransform);
    components.setRotatePivot(MPoint(rotatePivot[0], rotatePivot[1], rotatePivot[2]), MSpace::kTransform, false);
    components.setRotatePivotTranslation(MVector(rotatePivotTranslate), MSpace::kTransform);
    components.setRotationOrientation(rotateAxis);
    auto* object = new MatrixData(matrix, components);
    object->setOwnedByHandles();
    return ObjectData::wrap(object);
}

}  // namespace mayahost

using namespace mayahost;

MFnMatrixData::MFnMatrixData() = default;

MFnMatrixData::MFnMatrixData(const MObject& object, MStatus* ReturnStatus) {
    const bool ok = dynamic_cast<MatrixData*>(ObjectData::unwrap(object)) != nullptr;
    if (ok) object_ = object;
    if (ReturnStatus) *ReturnStatus = ok ? MStatus::kSuccess : MStatus::kInvalidParameter;
}

MFn::Type MFnMatrixData::type() const { return MFn::kMatrixAttribute; }

const MMatrix& MFnMatrixData::matrix(MStatus* ReturnStatus) const {
    const auto* data = dynamic_cast<MatrixData*>(ObjectData::unwrap(object_));
    if (ReturnStatus) *ReturnStatus = data ? MStatus::kSuccess : MStatus::kFailure;
    return data ? data->matrix : MMatrix::identity;
}

MTransformationMatrix MFnMatrixData::transformation(MStatus* ReturnStatus) const {
    const auto* data = dynamic_cast<MatrixData*>(ObjectData::unwrap(object_));
    if (ReturnStatus) *ReturnStatus = data ? MStatus::kSuccess : MStatus::kFailure;
    return data ? data->transformation : MTransformationMatrix();
}

MObject MFnMatrixData::create(const MMatrix& value, MStatus* ReturnStatus) {
    object_ = makeMatrixData(value);
    if (ReturnStatus) *ReturnStatus = MStatus::kSuccess;
    return object_;
}

MStatus MFnMatrixData::set(const MMatrix& value) {
    auto* data = dynamic_cast<MatrixData*>(ObjectData::unwrap(object_));
    if (!data) return MStatus::kFailure;
    data->matrix = value;
    data->transformation = MTransformationMatrix(value);
    return MStatus::kSuccess;
}
