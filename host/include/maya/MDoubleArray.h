#ifndef MAYA_MDOUBLEARRAY_H
#define MAYA_MDOUBLEARRAY_H

#include <maya/MStatus.h>

#include <vector>

class MDoubleArray {
public:
    MDoubleArray();
    MDoubleArray(unsigned int count, double initial = 0.0);

    unsigned int length() const;
    MStatus setLength(unsigned int length);
    MStatus append(double element);
    MStatus clear();
    double operator[](unsigned int index) const;
    double& operator[](unsigned int index);

private:
    std::vector<double> elements_;
};

#endif
