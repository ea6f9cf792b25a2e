#ifndef MAYA_MFNMATRIXDATA_H
#define MAYA_MFNMATRIXDATA_H

#include <maya/MFnBase.h>
#include <maya/MMatrix.h>
#include <maya/MTransformationMatrix.h>

// Matrix values read from or written to plugs.
class MFnMatrixData : public MFnBase {
public:
    MFnMatrixData();
    MFnMatrixData(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    const MMatrix& matrix(MStatus* ReturnStatus = NULL) const;
    MTransformationMatrix transformation(MStatus* ReturnStatus = NULL) const;
    MObject create(const MMatrix& matrix, MStatus* ReturnStatus = NULL);
    MStatus set(const MMatrix& matrix);
};

#endif
