#ifndef MAYA_MOBJECTARRAY_H
#define MAYA_MOBJECTARRAY_H

#include <maya/MObject.h>
#include <maya/MStatus.h>

#include <vector>

class MObjectArray {
public:
    unsigned int length() const { return static_cast<unsigned int>(objects_.size()); }
    MStatus append(const MObject& object) {
        objects_.push_back(object);
        return MStatus::kSuccess;
    }
    MStatus clear() {
        objects_.clear();
        return MStatus::kSuccess;
    }
    const MObject& operator[](unsigned int index) const { return objects_[index]; }
    MObject& operator[](unsigned int index) { return objects_[index]; }

private:
    std::vector<MObject> objects_;
};

#endif
