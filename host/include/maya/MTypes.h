#ifndef MAYA_MTYPES_H
#define MAYA_MTYPES_H

// Basic declarations shared by the API headers.

#include <cstddef>

// As in the devkit, only the export attribute: entry points declare their C linkage themselves.
#if defined(_WIN32)
#define PLUGIN_EXPORT __declspec(dllexport)
#else
#define PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

class MSyntax;

typedef float float2[2];
typedef void* (*MCreatorFunction)();
typedef MSyntax (*MCreateSyntaxFunction)();

// Coordinate spaces for transform queries.
class MSpace {
public:
    enum Space { kInvalid = 0, kTransform = 1, kPreTransform = 2, kPostTransform = 3, kWorld = 4, kObject = kPreTransform, kLast = 5 };
};

#endif
