#ifndef MAYAHOST_OBJECTDATA_H
#define MAYAHOST_OBJECTDATA_H

#include <maya/MObject.h>

namespace mayahost {

// Base of everything an MObject can refer to. Lifetime is owned by the host, never by MObject.
class ObjectData {
public:
    virtual ~ObjectData();
    virtual MFn::Type apiType() const = 0;
    virtual bool hasFn(MFn::Type type) const;
    virtual const char* apiTypeStr() const = 0;

    static MObject wrap(ObjectData* data);
    static ObjectData* unwrap(const MObject& object);
};

}  // namespace mayahost

#endif
