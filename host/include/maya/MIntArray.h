#ifndef MAYA_MINTARRAY_H
#define MAYA_MINTARRAY_H

#include <maya/MStatus.h>

#include <vector>

class MIntArray {
public:
    MIntArray();
    MIntArray(unsigned int count, int initial = 0);

    unsigned int length() const;
    MStatus setLength(unsigned int length);
    MStatus append(int element);
    MStatus clear();
    int operator[](unsigned int index) const;
    int& operator[](unsigned int index);

private:
    std::vector<int> elements_;
};

#endif
