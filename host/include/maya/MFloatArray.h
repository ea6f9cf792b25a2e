#ifndef MAYA_MFLOATARRAY_H
#define MAYA_MFLOATARRAY_H

#include <maya/MHostArray.h>

class MFloatArray : public MHostArray<float> {
public:
    using MHostArray<float>::MHostArray;
};

#endif
