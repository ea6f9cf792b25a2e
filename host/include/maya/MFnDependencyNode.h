#ifndef MAYA_MFNDEPENDENCYNODE_H
#define MAYA_MFNDEPENDENCYNODE_H

#include <maya/MFnBase.h>
#include <maya/MPlug.h>
#include <maya/MString.h>

class MFnDependencyNode : public MFnBase {
public:
    enum MAttrClass { kLocalDynamicAttr = 1, kNormalAttr, kExtensionAttr, kInvalidAttr };

    MFnDependencyNode();
    MFnDependencyNode(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    MString name(MStatus* ReturnStatus = NULL) const;
    MString typeName(MStatus* ReturnStatus = NULL) const;
    MPlug findPlug(const MString& attributeName, bool wantNetworkedPlug, MStatus* ReturnStatus = NULL) const;
    MPlug findPlug(const MString& attributeName, MStatus* ReturnStatus = NULL) const;
    MPlug findPlug(const MObject& attribute, bool wantNetworkedPlug, MStatus* ReturnStatus = NULL) const;
    unsigned int attributeCount(MStatus* ReturnStatus = NULL) const;
    MObject attribute(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MObject attribute(const MString& attributeName, MStatus* ReturnStatus = NULL) const;
    MAttrClass attributeClass(const MObject& attribute, MStatus* ReturnStatus = NULL) const;
    bool hasAttribute(const MString& name, MStatus* ReturnStatus = NULL) const;
    MStatus getConnections(MPlugArray& array) const;
    bool isDefaultNode(MStatus* ReturnStatus = NULL) const;
    bool isLocked(MStatus* ReturnStatus = NULL) const;
};

#endif
