#ifndef MAYAHOST_NURBSCURVEDATA_H
#define MAYAHOST_NURBSCURVEDATA_H

#include "scene/Node.h"

#include <string>
#include <vector>

namespace mayahost {

// Form codes as Maya numbers them in the curve data and in a curve node's "form".
enum CurveForm { kCurveOpen = 0, kCurveClosed = 1, kCurvePeriodic = 2 };

// A NURBS curve as Maya writes it under -type "nurbsCurve": degree, spans, form, whether it is
// rational and its dimension (3, or 2 for a curve in a surface's parameter space), the knots,
// then the CVs. A periodic curve lists the `degree` CVs that wrap around again at its end.
struct NurbsCurveData {
    int degree = 1;
    int spans = 0;
    int form = kCurveOpen;
    bool rational = false;
    int dimension = 3;
    std::vector<double> knots;
    std::vector<double> cvs;  // x, y, z, w per CV (z 0 for dimension 2, w 1 unless rational)
};

// The curve of a payload; false with `problem` saying what is wrong when it does not hold one.
bool readNurbsCurve(const PlugData& data, NurbsCurveData& curve, std::string& problem);
// Checks a payload read from a file and scales its CVs by `factor` (the file's length unit to
// centimetres); curves in a surface's parameter space hold no lengths and are kept.
bool convertNurbsCurveLengths(PlugData& data, double factor, std::string& problem);
// What a curve node shows: its saved curve. False when it holds none (a curve made by history the
// stand-in does not evaluate); the script editor then says so once per node.
bool nurbsCurveOf(const Node& node, NurbsCurveData& curve);

}  // namespace mayahost

#endif
