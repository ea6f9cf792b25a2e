#include "NurbsCurveData.h"

#include "ScriptEditor.h"
#include "eval/ComputeTable.h"
#include "scene/Scene.h"

#include <cmath>

namespace mayahost {

namespace {

// Counts in a file are claims: a curve of more knots or CVs than this is not read.
constexpr double kMaxCount = 1e8;

bool countAt(const PlugData& data, std::size_t position, std::size_t& count) {
    if (position >= data.count()) return false;
    const double value = data.number(position);
    if (!(value >= 0.0 && value < kMaxCount) || value != std::floor(value)) return false;
    count = std::size_t(value);
    return true;
}

// Where the CVs of a payload begin and how many numbers each has; false with `problem` set.
struct Layout {
    std::size_t knotsAt = 0, knotCount = 0, cvsAt = 0, cvCount = 0, perCv = 0;
};

bool layoutOf(const PlugData& data, NurbsCurveData& curve, Layout& layout, std::string& problem) {
    // Header: degree, spans, form, the rational flag ("no"/"yes", the only word) and the dimension.
    const bool flagIsWord = data.words().size() == 1 && data.words()[0].first == 3;
    if (data.words().size() > 1 || (!data.words().empty() && !flagIsWord)) {
        problem = "has words where numbers belong";
        return false;
    }
    const std::size_t header = flagIsWord ? 4 : 5;
    std::size_t degree = 0, spans = 0, form = 0, dimension = 0;
    if (!countAt(data, 0, degree) || !countAt(data, 1, spans) || !countAt(data, 2, form) || !countAt(data, header - 1, dimension)) {
        problem = "does not begin with a degree, spans, form, rational flag and dimension";
        return false;
    }
    if (flagIsWord) {
        const std::string& flag = data.texts()[data.words()[0].second];
        if (flag != "no" && flag != "yes") {
            problem = "has '" + flag + "' where the rational flag (no or yes) belongs";
            return false;
        }
        curve.rational = flag == "yes";
    } else {
        curve.rational = data.number(3) != 0.0;
    }
    if (degree < 1 || form > kCurvePeriodic || (dimension != 2 && dimension != 3)) {
        problem = "has a degree below 1, a form other than 0, 1 or 2, or a dimension other than 2 or 3";
        return false;
    }
    curve.degree = int(degree);
    curve.spans = int(spans);
    curve.form = int(form);
    curve.dimension = int(dimension);
    layout.knotsAt = header + 1;
    layout.perCv = dimension + (curve.rational ? 1 : 0);
    if (!countAt(data, header, layout.knotCount) || !countAt(data, layout.knotsAt + layout.knotCount, layout.cvCount)) {
        problem = "ends before its knots or its CV count";
        return false;
    }
    layout.cvsAt = layout.knotsAt + layout.knotCount + 1;
    if (data.count() != layout.cvsAt + layout.cvCount * layout.perCv) {
        problem = "holds " + std::to_string(data.count()) + " numbers where its counts call for " +
                  std::to_string(layout.cvsAt + layout.cvCount * layout.perCv);
        return false;
    }
    if (layout.cvCount <= degree) {
        problem = "has fewer CVs than its degree plus one";
        return false;
    }
    return true;
}

}  // namespace

bool readNurbsCurve(const PlugData& data, NurbsCurveData& curve, std::string& problem) {
    curve = NurbsCurveData();
    Layout layout;
    if (!layoutOf(data, curve, layout, problem)) return false;
    // The numbers may have been stored compactly (as integers); each is read through `number`.
    for (std::size_t k = 0; k < layout.knotCount; ++k) curve.knots.push_back(data.number(layout.knotsAt + k));
    curve.cvs.reserve(layout.cvCount * 4);
    for (std::size_t c = 0; c < layout.cvCount; ++c) {
        const std::size_t at = layout.cvsAt + c * layout.perCv;
        curve.cvs.insert(curve.cvs.end(), {data.number(at), data.number(at + 1), curve.dimension == 3 ? data.number(at + 2) : 0.0,
                                           curve.rational ? data.number(at + layout.perCv - 1) : 1.0});
    }
    return true;
}

bool convertNurbsCurveLengths(PlugData& data, double factor, std::string& problem) {
    NurbsCurveData curve;
    Layout layout;
    if (!layoutOf(data, curve, layout, problem)) return false;
    if (curve.dimension != 3 || factor == 1.0) return true;
    // Called on a payload as read, before its numbers are stored compactly.
    for (std::size_t c = 0; c < layout.cvCount; ++c) {
        double* cv = data.numbers.data() + layout.cvsAt + c * layout.perCv;
        for (int k = 0; k < 3; ++k) cv[k] *= factor;
    }
    return true;
}

bool nurbsCurveOf(const Node& node, NurbsCurveData& curve) {
    const auto cached = node.values.find("cached");
    std::string problem;
    if (cached != node.values.end() && readNurbsCurve(cached->second, curve, problem)) return true;
    if (Scene::current().noteShapeWithoutGeometry(node)) {
        ScriptEditor::instance().warning("curve " + node.name + ": it holds no saved curve and its history is not evaluated; "
                                         "it is exported without control vertices");
    }
    curve = NurbsCurveData();
    return false;
}

bool computeCurveShape(const Node& node, const std::vector<PlugStep>& output, double& value) {
    NurbsCurveData curve;
    if (output.empty() || !nurbsCurveOf(node, curve)) return false;
    const std::string& name = output.back().attribute->longName;
    value = name == "degree" ? curve.degree : name == "spans" ? curve.spans : curve.form;
    return true;
}

}  // namespace mayahost
