#ifndef MAYA_MCOLOR_H
#define MAYA_MCOLOR_H

#include <maya/MStatus.h>

// A colour with alpha, in single precision.
class MColor {
public:
    enum MColorType { kRGB, kHSV, kCMY };

    MColor() : r(0.0f), g(0.0f), b(0.0f), a(1.0f) {}
    MColor(float rr, float gg, float bb, float aa = 1.0f) : r(rr), g(gg), b(bb), a(aa) {}

    // The colour in another model: hue in degrees [0, 360), saturation and value in [0, 1] for
    // kHSV; 1 minus each component for kCMY.
    MStatus get(MColorType colorModel, float& c1, float& c2, float& c3) const;

    float r, g, b, a;
};

#endif
