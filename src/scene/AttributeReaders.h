#ifndef Q5X_SCENE_ATTRIBUTEREADERS_H
#define Q5X_SCENE_ATTRIBUTEREADERS_H

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

#include <string>

// Reads of steering attributes: a missing attribute, or one that cannot be read as the type
// asked for, gives the default. Names asked of every node are best kept as MString constants,
// made once.
template <typename T>
T readAttribute(const MFnDependencyNode& node, const MString& name, T fallback) {
    MStatus status;
    const MPlug plug = node.findPlug(name, true, &status);
    if (!status) return fallback;
    T value = fallback;
    return plug.getValue(value) ? value : fallback;
}

inline bool hasAttribute(const MFnDependencyNode& node, const MString& name) {
    return node.hasAttribute(name);
}

inline std::string readText(const MFnDependencyNode& node, const MString& name) {
    MStatus status;
    const MPlug plug = node.findPlug(name, true, &status);
    MString text;
    if (!status || !plug.getValue(text)) return std::string();
    return text.asChar();
}

#endif
