#ifndef Q5X_MODEL_SCOPEDPLUGVALUE_H
#define Q5X_MODEL_SCOPEDPLUGVALUE_H

#include <maya/MPlug.h>

// A change the export makes to the user's scene for the length of a scope (a skin cluster's
// envelope off while its mesh is read in the bind shape): the old value is put back on every way
// out, a failure or running out of memory included. A null plug, or one that cannot be read,
// changes nothing.
class ScopedPlugValue {
public:
    ScopedPlugValue(const MPlug& plug, double value) : plug_(plug) {
        if (!plug_.isNull() && plug_.getValue(previous_)) {
            changed_ = true;
            plug_.setValue(value);
        }
    }
    ~ScopedPlugValue() {
        if (changed_) plug_.setValue(previous_);
    }
    ScopedPlugValue(const ScopedPlugValue&) = delete;
    ScopedPlugValue& operator=(const ScopedPlugValue&) = delete;

private:
    MPlug plug_;
    double previous_ = 0.0;
    bool changed_ = false;
};

#endif
