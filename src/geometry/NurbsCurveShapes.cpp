#include "NurbsCurveShapes.h"

#include "CurveRecord.h"
#include "ShapeWriter.h"

#include <maya/MDagPath.h>
#include <maya/MFnNurbsCurve.h>
#include <maya/MGlobal.h>
#include <maya/MPlug.h>
#include <maya/MPointArray.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

// Maya's form numbers in the curve's "form" attribute.
enum CurveFormValue { kFormOpen = 0, kFormClosed = 1, kFormPeriodic = 2 };

MString partialPathOf(const MObject& shape) {
    MDagPath path;
    MDagPath::getAPathTo(shape, path);
    return path.partialPathName();
}

// A closed curve repeats its first CV at its end, a periodic one its first `degree` CVs: the
// engine closes the curve itself. Never fewer than none, whatever a curve claims.
unsigned exportedCount(unsigned cvs, int form, int degree) {
    const unsigned repeated = form == kFormClosed ? 1u : form == kFormPeriodic ? unsigned(std::max(degree, 0)) : 0u;
    return cvs > repeated ? cvs - repeated : 0u;
}

}  // namespace

bool writeNurbsCurveShape(const ShapeExportOptions& options, const ExportModel&, const ShapeRecord& record,
                          Q5XSaveUtil::XmlWriter& xml, CompanionRecordList& records) {
    MStatus status;
    const MFnNurbsCurve curve(record.shape, &status);
    if (!status) {
        MGlobal::displayWarning(MString("q5xExport: Node is not of type nurbsCurve (") + partialPathOf(record.shape) + ")");
        return true;
    }
    const std::string name = curve.name().asChar();
    const int degree = curve.degree();
    int form = kFormOpen;
    curve.findPlug("form", true).getValue(form);
    MPointArray cvs;
    if (!curve.getCVs(cvs, MSpace::kObject)) {
        MGlobal::displayWarning(MString("q5xExport: NurbsCurve can't get CVs (") + partialPathOf(record.shape) + ")");
        return false;
    }
    // Each coordinate as a float, then scaled in double precision: what the document shows.
    const unsigned count = exportedCount(cvs.length(), form, degree);
    std::vector<std::array<double, 3>> scaled(count);
    bool finite = true;
    for (unsigned c = 0; c < count; ++c) {
        scaled[c] = {double(float(cvs[c].x)) * options.unitScale, double(float(cvs[c].y)) * options.unitScale,
                     double(float(cvs[c].z)) * options.unitScale};
        for (const double value : scaled[c]) finite = finite && std::isfinite(float(value));
    }
    if (!finite) {
        MGlobal::displayWarning(MString("q5xExport: NurbsCurve ") + partialPathOf(record.shape) +
                                " has control vertices beyond the range of a float; they are written as 0");
    }
    if (!options.binaryFiles) {
        xml.startTag(2, "NurbsCurve");
        xml.attribute("name", name);
        xml.attribute("shapeId", record.shapeId);
        xml.attribute("degree", std::int32_t(degree));
        xml.attribute("form", form == kFormOpen ? "open" : "closed");
        xml.endStartTag();
        for (unsigned c = 0; c < count; ++c) {
            xml.startTag(5, "cv");
            xml.beginValue("c");
            for (const double value : scaled[c]) xml.streamValue(value);
            xml.endValue();
            xml.endEmptyTag();
        }
        xml.endTag(2, "NurbsCurve");
        return true;
    }
    CubicSpline spline;
    spline.closed = form != kFormOpen;
    for (const auto& point : scaled) spline.points.push_back({float(point[0]), float(point[1]), float(point[2])});
    CompanionRecord binary;
    std::string error;
    if (!serializeCurveRecord(name, record.shapeId, spline, binary, error)) {
        MGlobal::displayError(MString("q5xExport: NurbsCurve ") + partialPathOf(record.shape) + " cannot be written: " + error.c_str());
        return false;
    }
    checkConsoleShapeSize(name, binary.bytes.size());
    records.push_back(std::move(binary));
    return true;
}
