#ifndef MAYA_MFLOATVECTORARRAY_H
#define MAYA_MFLOATVECTORARRAY_H

#include <maya/MHostArray.h>
#include <maya/MFloatVector.h>

class MFloatVectorArray : public MHostArray<MFloatVector> {
public:
    using MHostArray<MFloatVector>::MHostArray;
};

#endif
