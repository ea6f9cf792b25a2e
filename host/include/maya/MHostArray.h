#ifndef MAYA_MHOSTARRAY_H
#define MAYA_MHOSTARRAY_H

#include <maya/MStatus.h>

#include <vector>

// The storage the stand-in's array classes share (MPointArray, MFloatVectorArray, ...): the
// devkit's arrays behave alike, and plug-ins only use the derived classes.
template <typename T>
class MHostArray {
public:
    MHostArray() = default;
    MHostArray(unsigned int count, const T& initial = T()) : elements_(count, initial) {}

    unsigned int length() const { return static_cast<unsigned int>(elements_.size()); }
    MStatus setLength(unsigned int length) {
        elements_.resize(length);
        return MStatus::kSuccess;
    }
    MStatus append(const T& element) {
        elements_.push_back(element);
        return MStatus::kSuccess;
    }
    MStatus clear() {
        elements_.clear();
        return MStatus::kSuccess;
    }
    const T& operator[](unsigned int index) const { return elements_[index]; }
    T& operator[](unsigned int index) { return elements_[index]; }

private:
    std::vector<T> elements_;
};

#endif
