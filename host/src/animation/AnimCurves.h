#ifndef MAYAHOST_ANIMCURVES_H
#define MAYAHOST_ANIMCURVES_H

#include "scene/Node.h"

#include <memory>
#include <vector>

namespace mayahost {

// Tangent types as Maya saves them in "kit", "kot" and "tan".
enum AnimTangentCode { kFixed = 1, kLinear = 2, kFlat = 3, kStep = 5, kSlow = 6, kFast = 7, kSpline = 9, kClamped = 10,
                       kPlateau = 11, kStepNext = 17, kAuto = 18 };

// A key's tangent: a direction away from the key, dt in the scene's time unit.
struct Tangent {
    double dt, dv;
};

struct AnimKey {
    double time, value;
    int in, out;                  // tangent codes
    double inX, inY, outX, outY;  // fixed tangents as saved: x in seconds, y in internal units
    Tangent inTangent, outTangent;  // what the tangent types make of them
};

// Each key's in and out tangent from its tangent types and its neighbours, as Maya derives them.
void resolveTangents(std::vector<AnimKey>& keys, double secondsPerTimeUnit);

// A curve's keys in time order (the curve's own tangent type where a key names none), read once
// per change of the scene's values.
std::shared_ptr<const std::vector<AnimKey>> animCurveKeys(const Node& curve);
// The same keys without sharing them: valid until the scene's values next change.
const std::vector<AnimKey>& currentAnimCurveKeys(const Node& curve);
// The curve's value at `input` (a time in the scene's time unit, or the driving value).
bool evaluateAnimCurve(const Node& curve, const std::vector<AnimKey>& keys, double input, double& value);

}  // namespace mayahost

#endif
