#ifndef MAYAHOST_OBJECTDATA_H
#define MAYAHOST_OBJECTDATA_H

#include <maya/MObject.h>

namespace mayahost {

// Base of everything an MObject can refer to. Nodes and attributes belong to the scene; data
// objects (a matrix read from a plug) belong to the MObjects that refer to them.
class ObjectData {
public:
    virtual ~ObjectData();
    // Data objects are deleted when the last MObject referring to them goes.
    void setOwnedByHandles() { ownedByHandles_ = true; }
    bool ownedByHandles() const { return ownedByHandles_; }
    void retain() { ++handles_; }
    void release() {
        if (--handles_ == 0 && ownedByHandles_) delete this;
    }
    virtual MFn::Type apiType() const = 0;
    virtual bool hasFn(MFn::Type type) const;
    virtual const char* apiTypeStr() const = 0;
    // Cheap downcasts for the API classes.
    virtual class Node* asNode() { return nullptr; }
    virtual class AttributeSpec* asAttribute() { return nullptr; }

    static MObject wrap(ObjectData* data);
    // Inline: every function set call starts here.
    static ObjectData* unwrap(const MObject& object) { return object.data_; }

private:
    int handles_ = 0;
    bool ownedByHandles_ = false;
};

}  // namespace mayahost

#endif
