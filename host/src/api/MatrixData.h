#ifndef MAYAHOST_MATRIXDATA_H
#define MAYAHOST_MATRIXDATA_H

#include "scene/Node.h"

#include <maya/MMatrix.h>
#include <maya/MTransformationMatrix.h>
#include <maya/MObject.h>

namespace mayahost {

// A matrix value handed out as an MObject; it lives as long as MObjects refer to it.
// Values in Maya's "xform" form also keep their components, as Maya's matrix data does.
class MatrixData : public ObjectData {
public:
    explicit MatrixData(const MMatrix& value) : matrix(value), transformation(value) {}
    MatrixData(const MMatrix& value, const MTransformationMatrix& components) : matrix(value), transformation(components) {}
    MFn::Type apiType() const override { return MFn::kMatrixAttribute; }
    const char* apiTypeStr() const override { return "kMatrixData"; }

    MMatrix matrix;
    MTransformationMatrix transformation;
};

MObject makeMatrixData(const MMatrix& matrix);
// Maya's "xform" form: scale, rotation, order, translation, shear, pivots, rotate axis and
// joint orientation quaternions, inverse parent scale and its switch. The components leave out
// the joint orientation and the parent scale, which MTransformationMatrix cannot hold; the matrix
// has everything.
MObject makeXformData(const PlugData& data);

}  // namespace mayahost

#endif
