// An animation curve's output: its keys (time, value) interpolated at its input, which is the
// scene's current time (time1's output) unless a plug drives it. A span starting at a step key
// holds a value; otherwise it is a cubic between its keys shaped by their tangents: a Hermite
// span taking the tangents' slopes, or on a weighted curve a Bezier span through control points a
// third of the way along them. Outside the keys the curve holds its end value, continues its end
// tangent, or repeats the keyed range (cycled, with offset, or back and forth).
#include "AnimCurves.h"

#include "eval/ComputeTable.h"
#include "eval/PlugEvaluation.h"
#include "geometry/NodeValues.h"

#include <maya/MTime.h>

#include <algorithm>
#include <cmath>

namespace mayahost {

namespace {

using Key = AnimKey;

double inputOf(const Node& curve) {
    AttributeSpec* input = curve.findAttribute("input");
    const bool driven = input && Scene::current().incoming(curve, input->longName);
    if (driven) return evaluateAttribute(curve, "input", 0.0);
    Node* time = Scene::current().findNode("time1");
    return time ? evaluateAttribute(*time, "outTime", 0.0) : 0.0;
}

double slope(const Tangent& tangent) { return tangent.dt != 0.0 ? tangent.dv / tangent.dt : 0.0; }

double hermite(const Key& a, const Key& b, double time) {
    const double span = b.time - a.time;
    const double s = (time - a.time) / span;
    const double m0 = slope(a.outTangent) * span, m1 = slope(b.inTangent) * span;
    const double s2 = s * s, s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * a.value + (s3 - 2 * s2 + s) * m0 + (-2 * s3 + 3 * s2) * b.value + (s3 - s2) * m1;
}

// Keeps the Bezier's time monotonic: with the inner control times x1 and x2 of a span scaled to
// [0, 1], the curve's time never turns back while a = x1 and b = 1 - x2 lie in [0, 1] or inside
// the ellipse a^2 + b^2 + ab - 2(a + b) + 1 <= 0. Outside it, the first control time is kept and
// the second moved onto the ellipse (or both to the ellipse's far end, a = 4/3, b = 1/3).
void keepTimeMonotonic(double& x1, double& x2) {
    x1 = std::max(x1, 0.0);
    x2 = std::min(x2, 1.0);
    double a = x1, b = 1.0 - x2;
    if (a <= 1.0 && b <= 1.0) return;
    if (a * a + b * b + a * b - 2.0 * (a + b) + 1.0 <= 0.0) return;
    if (a >= 4.0 / 3.0) {
        a = 4.0 / 3.0;
        b = 1.0 / 3.0;
    } else {
        // b^2 + (a - 2) b + (a - 1)^2 = 0 bounds b for this a.
        const double root = std::sqrt(std::max(0.0, a * (4.0 - 3.0 * a)));
        b = std::clamp(b, (2.0 - a - root) / 2.0, (2.0 - a + root) / 2.0);
    }
    x1 = a;
    x2 = 1.0 - b;
}

double cubicBezier(double p0, double p1, double p2, double p3, double u) {
    const double v = 1.0 - u;
    return v * v * v * p0 + 3.0 * v * v * u * p1 + 3.0 * v * u * u * p2 + u * u * u * p3;
}

double bezier(const Key& a, const Key& b, double time) {
    const double span = b.time - a.time;
    double x1 = a.outTangent.dt / 3.0 / span, x2 = 1.0 - b.inTangent.dt / 3.0 / span;
    double y1 = a.value + a.outTangent.dv / 3.0, y2 = b.value - b.inTangent.dv / 3.0;
    const double savedX1 = x1, savedX2 = x2;
    keepTimeMonotonic(x1, x2);
    // A control point moved in time slides along its tangent, so the key's slope is kept.
    if (x1 != savedX1 && savedX1 != 0.0) y1 = a.value + (y1 - a.value) * x1 / savedX1;
    if (x2 != savedX2 && savedX2 != 1.0) y2 = b.value - (b.value - y2) * (1.0 - x2) / (1.0 - savedX2);
    // The curve's time rises with u, so the u at `time` is found by halving.
    const double s = (time - a.time) / span;
    double low = 0.0, high = 1.0;
    for (int step = 0; step < 64 && high - low > 0.0; ++step) {
        const double middle = 0.5 * (low + high);
        (cubicBezier(0.0, x1, x2, 1.0, middle) < s ? low : high) = middle;
    }
    return cubicBezier(a.value, y1, y2, b.value, 0.5 * (low + high));
}

double interpolate(const Key& a, const Key& b, bool weighted, double time) {
    if (a.out == kStep) return a.value;
    if (a.out == kStepNext) return b.value;
    if (b.time <= a.time) return b.value;
    return weighted ? bezier(a, b, time) : hermite(a, b, time);
}

enum Infinity { kConstant = 0, kLinearInfinity = 1, kCycle = 3, kCycleRelative = 4, kOscillate = 5 };

}  // namespace

std::shared_ptr<const std::vector<AnimKey>> animCurveKeys(const Node& curve) {
    const std::uint64_t generation = Scene::current().valueGeneration();
    NodeCaches& caches = curve.caches();
    if (caches.keys && caches.keysStamp == generation) return caches.keys;
    const int fallback = int(numberValue(curve, "tangentType", kAuto));
    std::vector<Key> keys;
    forEachElement(curve, "keyTimeValue", 2, [&](std::size_t, const double* key) {
        keys.push_back({key[0], key[1], fallback, fallback, 1, 0, 1, 0, {}, {}});
    });
    auto perKey = [&](const char* attribute, auto&& assign) {
        forEachElement(curve, attribute, 1, [&](std::size_t index, const double* value) {
            if (index < keys.size()) assign(keys[index], *value);
        });
    };
    perKey("keyTanInType", [](Key& key, double value) { key.in = int(value); });
    perKey("keyTanOutType", [](Key& key, double value) { key.out = int(value); });
    perKey("keyTanInX", [](Key& key, double value) { key.inX = value; });
    perKey("keyTanInY", [](Key& key, double value) { key.inY = value; });
    perKey("keyTanOutX", [](Key& key, double value) { key.outX = value; });
    perKey("keyTanOutY", [](Key& key, double value) { key.outY = value; });
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) { return a.time < b.time; });
    resolveTangents(keys, MTime(1.0, MTime::uiUnit()).as(MTime::kSeconds));
    caches.keys = std::make_shared<const std::vector<AnimKey>>(std::move(keys));
    caches.keysStamp = generation;
    return caches.keys;
}

const std::vector<AnimKey>& currentAnimCurveKeys(const Node& curve) {
    const NodeCaches& caches = curve.caches();
    if (!caches.keys || caches.keysStamp != Scene::current().valueGeneration()) animCurveKeys(curve);
    return *caches.keys;
}

bool evaluateAnimCurve(const Node& curve, const std::vector<AnimKey>& keys, double time, double& value) {
    if (keys.empty()) return false;
    const Key& first = keys.front();
    const Key& last = keys.back();
    const bool before = time < first.time, after = time > last.time;
    const int infinity = before ? int(numberValue(curve, "preInfinity", 0))
                                : after ? int(numberValue(curve, "postInfinity", 0)) : kConstant;
    const double range = last.time - first.time;
    double offset = 0.0;
    if (infinity == kLinearInfinity) {
        value = before ? first.value - slope(first.inTangent) * (first.time - time)
                       : last.value + slope(last.outTangent) * (time - last.time);
        return std::isfinite(value);
    }
    if ((before || after) && range > 0.0 && infinity >= kCycle && infinity <= kOscillate) {
        // Whole repetitions of the keyed range beyond the end key, and how far into the next one.
        const double beyond = before ? first.time - time : time - last.time;
        const double cycles = std::floor(beyond / range) + 1.0;
        const double into = beyond - (cycles - 1.0) * range;
        const bool mirrored = infinity == kOscillate && std::fmod(cycles, 2.0) != 0.0;
        time = before == mirrored ? first.time + into : last.time - into;
        if (infinity == kCycleRelative) offset = (before ? -cycles : cycles) * (last.value - first.value);
    } else if (before || after) {
        value = before ? first.value : last.value;
        return std::isfinite(value);
    }
    // At a key's time the curve is at the key, whatever span it starts or ends.
    const auto next = std::lower_bound(keys.begin(), keys.end(), time, [](const Key& key, double t) { return key.time < t; });
    if (next == keys.end()) value = last.value;
    else if (next->time == time || next == keys.begin()) value = next->value;
    else value = interpolate(*(next - 1), *next, numberValue(curve, "weightedTangents", 1) != 0, time);
    value += offset;
    return std::isfinite(value);
}

bool computeAnimCurve(const Node& curve, const std::vector<PlugStep>&, double& value) {
    return evaluateAnimCurve(curve, *animCurveKeys(curve), inputOf(curve), value);
}

// Maya puts a unit conversion between plugs of different units (a unitless curve into a rotation):
// its output is its input times its factor.
bool computeUnitConversion(const Node& conversion, const std::vector<PlugStep>&, double& value) {
    value = evaluateAttribute(conversion, "input", 0.0) * evaluateAttribute(conversion, "conversionFactor", 1.0);
    return std::isfinite(value);
}

}  // namespace mayahost
