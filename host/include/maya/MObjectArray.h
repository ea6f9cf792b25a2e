#ifndef MAYA_MOBJECTARRAY_H
#define MAYA_MOBJECTARRAY_H

#include <maya/MHostArray.h>
#include <maya/MObject.h>

class MObjectArray : public MHostArray<MObject> {
public:
    using MHostArray<MObject>::MHostArray;
};

#endif
