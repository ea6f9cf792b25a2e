#ifndef MAYA_MFNCHARACTER_H
#define MAYA_MFNCHARACTER_H

#include <maya/MFnDependencyNode.h>
#include <maya/MPlug.h>

// A character set: attributes of several nodes animated together by clips.
class MFnCharacter : public MFnDependencyNode {
public:
    MFnCharacter();
    MFnCharacter(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    // The attributes in the set, in member order.
    MStatus getMemberPlugs(MPlugArray& result) const;
    // The source clips of the character's clip library, in library order.
    int getSourceClipCount(MStatus* ReturnStatus = NULL) const;
    MObject getSourceClip(int index, MStatus* ReturnStatus = NULL) const;
};

#endif
