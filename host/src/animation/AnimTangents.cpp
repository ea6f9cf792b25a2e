// The tangents Maya derives for each key from its neighbours. A tangent is a direction (dt, dv)
// away from its key, dt in the scene's time unit: a non-weighted span takes only its slope, a
// weighted span places its Bezier control points a third of the way along it. Fixed tangents are
// saved with dt in seconds (".kix" 0.041667 is one frame at 24 fps) and dv in internal units.
#include "AnimCurves.h"

#include <algorithm>
#include <cmath>

namespace mayahost {

namespace {

using Key = AnimKey;

// Maya flattens a clamped tangent whose key lies this close in value to a neighbour.
constexpr double kClampedTolerance = 0.05;

struct Neighbourhood {
    const Key* previous;
    const Key& key;
    const Key* next;
};

// A level tangent as long as the span on its side, or the other side's span at an end key.
Tangent flat(const Neighbourhood& n, bool inSide) {
    const double before = n.previous ? n.key.time - n.previous->time : 0.0;
    const double after = n.next ? n.next->time - n.key.time : 0.0;
    if (inSide) return {n.previous ? before : after, 0.0};
    return {n.next ? after : before, 0.0};
}

// Maya's spline tangent: parallel to the line through both neighbours, or towards the only one.
Tangent spline(const Neighbourhood& n, bool inSide) {
    const Key& key = n.key;
    if (n.previous && n.next) {
        const double across = n.next->time - n.previous->time;
        const double slope = across > 0.0 ? (n.next->value - n.previous->value) / across : 0.0;
        const double dt = inSide ? key.time - n.previous->time : n.next->time - key.time;
        return {dt, slope * dt};
    }
    if (n.next) return {n.next->time - key.time, n.next->value - key.value};
    if (n.previous) return {key.time - n.previous->time, key.value - n.previous->value};
    return {1.0, 0.0};
}

// Pointing straight at the neighbour on its side; at an end key, the line of the span it has, so
// that a linear infinity continues a linear curve.
Tangent linear(const Neighbourhood& n, bool inSide) {
    const Key* neighbour = inSide ? n.previous : n.next;
    if (!neighbour) return spline(n, inSide);
    return inSide ? Tangent{n.key.time - neighbour->time, n.key.value - neighbour->value}
                  : Tangent{neighbour->time - n.key.time, neighbour->value - n.key.value};
}

// Keys sharing a time give no slope to measure; such keys are flattened rather than divided by zero.
bool distinctTimes(const Neighbourhood& n) { return n.previous->time < n.key.time && n.key.time < n.next->time; }

// A spline, level where the key is within the tolerance of a neighbour's value. At an end key
// the missing neighbour is the present one, so an end key level with its neighbour lies flat.
bool clampedIsFlat(const Neighbourhood& n, bool inSide) {
    const Key* own = inSide ? n.previous : n.next;
    const Key* other = inSide ? n.next : n.previous;
    if (!own) return other && (inSide ? n.key.out : n.key.in) == kClamped && clampedIsFlat(n, !inSide);
    const double ownGap = std::abs(own->value - n.key.value);
    const double otherGap = other ? std::abs(other->value - n.key.value) : ownGap;
    return ownGap <= kClampedTolerance || otherGap <= kClampedTolerance;
}

// A spline that lies flat at end keys and on peaks and valleys, and where the spline's control
// point would overshoot the neighbour's value (measured against the gentler of the two slopes).
bool plateauIsFlat(const Neighbourhood& n, bool inSide) {
    if (!n.previous || !n.next || !distinctTimes(n)) return true;
    const double before = n.key.time - n.previous->time, after = n.next->time - n.key.time;
    double toPrevious = n.previous->value - n.key.value, toNext = n.next->value - n.key.value;
    if (toPrevious * toNext >= 0.0) return true;
    const double across = 3.0 * (n.next->time - n.previous->time);
    if (inSide) {
        const double control = (toPrevious - toNext) * before / across;
        if (-toNext / toPrevious < after / before) toPrevious = -toNext * before / after;
        return toPrevious >= 0.0 ? control > toPrevious : control < toPrevious;
    }
    const double control = (toNext - toPrevious) * after / across;
    if (-toPrevious / toNext < before / after) toNext = -toPrevious * after / before;
    return toNext >= 0.0 ? control > toNext : control < toNext;
}

// Positive slopes against the rest (zero counts with the falling ones), as Maya groups them.
bool rising(double slope) { return slope > 0.0; }

// Maya's auto tangent: the spline slope, limited to three times the slope to either neighbour so
// that the span never leaves the range of its keys' values; level at peaks, valleys and ends.
Tangent automatic(const Neighbourhood& n, bool inSide) {
    if (!n.previous || !n.next || !distinctTimes(n)) return flat(n, inSide);
    const Key &p = *n.previous, &k = n.key, &q = *n.next;
    const double spline = (q.value - p.value) / (q.time - p.time);
    const double towardsPrevious = 3.0 * (k.value - p.value) / (k.time - p.time);
    const double towardsNext = 3.0 * (q.value - k.value) / (q.time - k.time);
    double slope = 0.0;
    if (rising(towardsPrevious) == rising(towardsNext) && rising(spline) == rising(towardsNext)) {
        slope = towardsNext >= 0.0 ? std::min({spline, towardsNext, towardsPrevious})
                                   : std::max({spline, towardsNext, towardsPrevious});
    }
    const double dt = inSide ? k.time - p.time : q.time - k.time;
    return {dt, slope * dt};
}

Tangent resolve(const Neighbourhood& n, bool inSide, double secondsPerTimeUnit) {
    const Key& key = n.key;
    switch (inSide ? key.in : key.out) {
        case kFixed: {
            const double seconds = inSide ? key.inX : key.outX;
            return {seconds / secondsPerTimeUnit, inSide ? key.inY : key.outY};
        }
        case kLinear: return linear(n, inSide);
        case kFlat:
        case kStep:
        case kStepNext: return flat(n, inSide);
        case kClamped: return clampedIsFlat(n, inSide) ? flat(n, inSide) : spline(n, inSide);
        case kPlateau: return plateauIsFlat(n, inSide) ? flat(n, inSide) : spline(n, inSide);
        case kAuto: return automatic(n, inSide);
        default: return spline(n, inSide);  // spline, and the legacy slow and fast
    }
}

}  // namespace

void resolveTangents(std::vector<AnimKey>& keys, double secondsPerTimeUnit) {
    // Tangents depend on the keys' times, values and types only, so each can be written in place.
    for (std::size_t k = 0; k < keys.size(); ++k) {
        const Neighbourhood n{k > 0 ? &keys[k - 1] : nullptr, keys[k], k + 1 < keys.size() ? &keys[k + 1] : nullptr};
        keys[k].inTangent = resolve(n, true, secondsPerTimeUnit);
        keys[k].outTangent = resolve(n, false, secondsPerTimeUnit);
    }
}

}  // namespace mayahost
