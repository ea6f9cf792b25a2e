#ifndef MAYA_MPOINTARRAY_H
#define MAYA_MPOINTARRAY_H

#include <maya/MHostArray.h>
#include <maya/MPoint.h>

class MPointArray : public MHostArray<MPoint> {
public:
    using MHostArray<MPoint>::MHostArray;
};

#endif
