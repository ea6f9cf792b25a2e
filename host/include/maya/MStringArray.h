#ifndef MAYA_MSTRINGARRAY_H
#define MAYA_MSTRINGARRAY_H

#include <maya/MString.h>

#include <vector>

class MStringArray {
public:
    MStringArray();
    MStringArray(unsigned int count, const MString& initial);

    unsigned int length() const;
    MStatus setLength(unsigned int length);
    MStatus append(const MString& element);
    MStatus remove(unsigned int index);
    MStatus clear();
    const MString& operator[](unsigned int index) const;
    MString& operator[](unsigned int index);

private:
    std::vector<MString> elements_;
};

#endif
