#ifndef MAYA_MPLUGARRAY_H
#define MAYA_MPLUGARRAY_H

// The devkit's own header for the plug array; the stand-in declares it beside MPlug.
#include <maya/MPlug.h>

#endif
