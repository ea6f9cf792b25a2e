#ifndef MAYA_MOBJECTHANDLE_H
#define MAYA_MOBJECTHANDLE_H

#include <maya/MObject.h>

// A handle that tells whether its object still exists and identifies it by a hash code, so that
// plug-ins can keep objects in hashed tables.
class MObjectHandle {
public:
    MObjectHandle();
    MObjectHandle(const MObject& object);

    MObject object() const;
    const MObject& objectRef() const;
    bool isValid() const;
    bool isAlive() const;
    // Equal objects have equal codes; different objects usually differ.
    unsigned int hashCode() const;

    bool operator==(const MObjectHandle& other) const;
    bool operator!=(const MObjectHandle& other) const;

private:
    MObject object_;
};

#endif
