#ifndef MAYA_MCOLOR_H
#define MAYA_MCOLOR_H

// A colour with alpha, in single precision.
class MColor {
public:
    MColor() : r(0.0f), g(0.0f), b(0.0f), a(1.0f) {}
    MColor(float rr, float gg, float bb, float aa = 1.0f) : r(rr), g(gg), b(bb), a(aa) {}

    float r, g, b, a;
};

#endif
