#ifndef MAYA_MCOLORARRAY_H
#define MAYA_MCOLORARRAY_H

#include <maya/MHostArray.h>
#include <maya/MColor.h>

class MColorArray : public MHostArray<MColor> {
public:
    using MHostArray<MColor>::MHostArray;
};

#endif
