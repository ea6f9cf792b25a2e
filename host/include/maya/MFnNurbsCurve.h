#ifndef MAYA_MFNNURBSCURVE_H
#define MAYA_MFNNURBSCURVE_H

#include <maya/MDoubleArray.h>
#include <maya/MFnDagNode.h>
#include <maya/MPointArray.h>
#include <maya/MTypes.h>

class MFnNurbsCurve : public MFnDagNode {
public:
    enum Form { kInvalid = 0, kOpen, kClosed, kPeriodic, kLast };

    MFnNurbsCurve();
    MFnNurbsCurve(const MObject& object, MStatus* ReturnStatus = NULL);
    MFnNurbsCurve(const MDagPath& path, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    int degree(MStatus* ReturnStatus = NULL) const;
    int numSpans(MStatus* ReturnStatus = NULL) const;
    Form form(MStatus* ReturnStatus = NULL) const;
    // A periodic curve's CVs include the `degree` ones that repeat its first CVs.
    int numCVs(MStatus* ReturnStatus = NULL) const;
    int numKnots(MStatus* ReturnStatus = NULL) const;
    // Object space in internal units (centimetres); the stand-in answers no other space.
    MStatus getCVs(MPointArray& array, MSpace::Space space = MSpace::kObject) const;
    MStatus getKnots(MDoubleArray& array) const;
};

#endif
