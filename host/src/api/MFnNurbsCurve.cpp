// The NURBS curve function set over a curve node's saved curve.
#include "ApiAccess.h"

#include "geometry/NurbsCurveData.h"

#include <maya/MFnNurbsCurve.h>

using namespace mayahost;

namespace {

// The curve of the node a function set holds; false (with a failed status) for any other node.
// A curve node without a curve of its own answers as an empty curve.
bool curveOf(const MObject& object, NurbsCurveData& curve, MStatus* status) {
    const Node* node = asNode(object);
    const bool isCurve = node && node->hasFn(MFn::kNurbsCurve);
    if (status) *status = isCurve ? MStatus::kSuccess : MStatus::kFailure;
    if (isCurve) nurbsCurveOf(*node, curve);
    return isCurve;
}

}  // namespace

MFnNurbsCurve::MFnNurbsCurve() = default;
MFnNurbsCurve::MFnNurbsCurve(const MObject& object, MStatus* ReturnStatus) { bind(*this, object, ReturnStatus); }
MFnNurbsCurve::MFnNurbsCurve(const MDagPath& path, MStatus* ReturnStatus) { bind(*this, path, ReturnStatus); }
MFn::Type MFnNurbsCurve::type() const { return MFn::kNurbsCurve; }

int MFnNurbsCurve::degree(MStatus* ReturnStatus) const {
    NurbsCurveData curve;
    return curveOf(object_, curve, ReturnStatus) ? curve.degree : 0;
}

int MFnNurbsCurve::numSpans(MStatus* ReturnStatus) const {
    NurbsCurveData curve;
    return curveOf(object_, curve, ReturnStatus) ? curve.spans : 0;
}

MFnNurbsCurve::Form MFnNurbsCurve::form(MStatus* ReturnStatus) const {
    NurbsCurveData curve;
    if (!curveOf(object_, curve, ReturnStatus)) return kInvalid;
    return curve.form == kCurvePeriodic ? kPeriodic : curve.form == kCurveClosed ? kClosed : kOpen;
}

int MFnNurbsCurve::numCVs(MStatus* ReturnStatus) const {
    NurbsCurveData curve;
    return curveOf(object_, curve, ReturnStatus) ? int(curve.cvs.size() / 4) : 0;
}

int MFnNurbsCurve::numKnots(MStatus* ReturnStatus) const {
    NurbsCurveData curve;
    return curveOf(object_, curve, ReturnStatus) ? int(curve.knots.size()) : 0;
}

MStatus MFnNurbsCurve::getCVs(MPointArray& array, MSpace::Space space) const {
    array.clear();
    MStatus status;
    NurbsCurveData curve;
    if (!curveOf(object_, curve, &status)) return status;
    if (space != MSpace::kObject) return MStatus::kInvalidParameter;
    array.setLength(unsigned(curve.cvs.size() / 4));
    for (unsigned c = 0; c < array.length(); ++c) {
        const double* cv = curve.cvs.data() + 4 * c;
        array[c] = MPoint(cv[0], cv[1], cv[2], cv[3]);
    }
    return MStatus::kSuccess;
}

MStatus MFnNurbsCurve::getKnots(MDoubleArray& array) const {
    array.clear();
    MStatus status;
    NurbsCurveData curve;
    if (!curveOf(object_, curve, &status)) return status;
    for (double knot : curve.knots) array.append(knot);
    return MStatus::kSuccess;
}
