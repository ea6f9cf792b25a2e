// An animation curve's output: its keys (time, value) interpolated at its input, which is the
// scene's current time (time1's output) unless a plug drives it. Between keys the curve is a cubic
// Hermite span whose end slopes follow the keys' tangent types; outside the keys it holds the end
// value, or continues its end slope where the infinity is linear.
#include "AnimCurves.h"

#include "eval/ComputeTable.h"
#include "eval/PlugEvaluation.h"
#include "geometry/NodeValues.h"

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

double secant(const Key& a, const Key& b) {
    return b.time > a.time ? (b.value - a.value) / (b.time - a.time) : 0.0;
}

// The slope of key k on the side of its neighbour `other` (k - 1 for the in side, k + 1 for out).
double slopeAt(const std::vector<Key>& keys, std::size_t k, bool outSide) {
    const Key& key = keys[k];
    const int type = outSide ? key.out : key.in;
    const bool hasBefore = k > 0, hasAfter = k + 1 < keys.size();
    const Key& neighbour = outSide ? keys[hasAfter ? k + 1 : k] : keys[hasBefore ? k - 1 : k];
    switch (type) {
        case kFlat: return 0.0;
        case kLinear: return outSide ? secant(key, neighbour) : secant(neighbour, key);
        case kFixed: {
            const double x = outSide ? key.outX : key.inX, y = outSide ? key.outY : key.inY;
            return x != 0.0 ? y / x : 0.0;
        }
        default: break;
    }
    if (!hasBefore || !hasAfter) return outSide ? secant(key, neighbour) : secant(neighbour, key);
    const Key& before = keys[k - 1];
    const Key& after = keys[k + 1];
    // Clamped, plateau and auto tangents lie flat on a peak or a valley, so the curve does not pass it.
    const bool extreme = (key.value - before.value) * (after.value - key.value) <= 0.0;
    if (extreme && (type == kClamped || type == kPlateau || type == kAuto)) return 0.0;
    return after.time > before.time ? (after.value - before.value) / (after.time - before.time) : 0.0;
}

double interpolate(const std::vector<Key>& keys, std::size_t k, double time) {
    const Key& a = keys[k];
    const Key& b = keys[k + 1];
    if (a.out == kStep) return a.value;
    if (a.out == kStepNext) return b.value;
    const double span = b.time - a.time;
    if (span <= 0.0) return b.value;
    const double s = (time - a.time) / span;
    const double m0 = slopeAt(keys, k, true) * span, m1 = slopeAt(keys, k + 1, false) * span;
    const double s2 = s * s, s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * a.value + (s3 - 2 * s2 + s) * m0 + (-2 * s3 + 3 * s2) * b.value + (s3 - s2) * m1;
}

}  // namespace

std::shared_ptr<const std::vector<AnimKey>> animCurveKeys(const Node& curve) {
    const std::uint64_t generation = Scene::current().valueGeneration();
    if (curve.keysCache && curve.keysCacheStamp == generation) return curve.keysCache;
    const int fallback = int(numberValue(curve, "tangentType", kAuto));
    std::vector<Key> keys;
    forEachElement(curve, "keyTimeValue", 2, [&](std::size_t, const double* key) {
        keys.push_back({key[0], key[1], fallback, fallback, 1, 0, 1, 0});
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
    curve.keysCache = std::make_shared<const std::vector<AnimKey>>(std::move(keys));
    curve.keysCacheStamp = generation;
    return curve.keysCache;
}

const std::vector<AnimKey>& currentAnimCurveKeys(const Node& curve) {
    if (!curve.keysCache || curve.keysCacheStamp != Scene::current().valueGeneration()) animCurveKeys(curve);
    return *curve.keysCache;
}

bool evaluateAnimCurve(const Node& curve, const std::vector<AnimKey>& keys, double time, double& value) {
    if (keys.empty()) return false;
    if (time <= keys.front().time) {
        const bool linear = numberValue(curve, "preInfinity", 0) == 1 && keys.size() > 1;
        value = keys.front().value - (linear ? slopeAt(keys, 0, true) * (keys.front().time - time) : 0.0);
        return std::isfinite(value);
    }
    if (time >= keys.back().time) {
        const bool linear = numberValue(curve, "postInfinity", 0) == 1 && keys.size() > 1;
        value = keys.back().value + (linear ? slopeAt(keys, keys.size() - 1, false) * (time - keys.back().time) : 0.0);
        return std::isfinite(value);
    }
    const auto after = std::upper_bound(keys.begin(), keys.end(), time, [](double t, const Key& key) { return t < key.time; });
    value = interpolate(keys, std::size_t(after - keys.begin()) - 1, time);
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
