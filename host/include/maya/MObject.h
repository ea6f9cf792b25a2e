#ifndef MAYA_MOBJECT_H
#define MAYA_MOBJECT_H

#include <maya/MFn.h>

namespace mayahost {
class ObjectData;
}

// Handle to an object owned by the application (a node, attribute, plug-in, ...).
class MObject {
public:
    MObject();
    MObject(const MObject& other);
    ~MObject();
    MObject& operator=(const MObject& other);

    bool isNull() const;
    MFn::Type apiType() const;
    bool hasFn(MFn::Type type) const;
    const char* apiTypeStr() const;

    bool operator==(const MObject& other) const;
    bool operator!=(const MObject& other) const;

    static const MObject kNullObj;

private:
    friend class mayahost::ObjectData;
    explicit MObject(mayahost::ObjectData* data);

    mayahost::ObjectData* data_;
    bool counted_;  // whether this handle shares ownership of data_ (values, not scene nodes)
};

#endif
