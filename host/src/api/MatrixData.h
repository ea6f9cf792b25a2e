#ifndef MAYAHOST_MATRIXDATA_H
#define MAYAHOST_MATRIXDATA_H

#include "scene/Node.h"

#include <maya/MMatrix.h>
#include <maya/MObject.h>

namespace mayahost {

// A matrix value handed out as an MObject; it lives as long as MObjects refer to it.
class MatrixData : public ObjectData {
public:
    explicit MatrixData(const MMatrix& value) : matrix(value) {}
    MFn::Type apiType() const override { return MFn::kMatrixAttribute; }
    const char* apiTypeStr() const override { return "kMatrixData"; }

    MMatrix matrix;
};

MObject makeMatrixData(const MMatrix& matrix);
// The matrix of Maya's "xform" form: scale, rotation, order, translation, shear, pivots,
// rotate axis and joint orientation quaternions, inverse parent scale and its switch.
MMatrix matrixFromXform(const PlugData& data);

}  // namespace mayahost

#endif
