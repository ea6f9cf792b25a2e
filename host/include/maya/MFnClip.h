#ifndef MAYA_MFNCLIP_H
#define MAYA_MFNCLIP_H

#include <maya/MFnDependencyNode.h>
#include <maya/MObjectArray.h>
#include <maya/MPlug.h>
#include <maya/MTime.h>

// An animation clip: a source clip holds curves over a span of time; an instance places it in a
// character's schedule.
class MFnClip : public MFnDependencyNode {
public:
    MFnClip();
    MFnClip(const MObject& object, MStatus* ReturnStatus = NULL);
    MFn::Type type() const override;

    bool isInstancedClip(MStatus* ReturnStatus = NULL) const;
    MTime getSourceStart(MStatus* ReturnStatus = NULL) const;
    MTime getSourceDuration(MStatus* ReturnStatus = NULL) const;
    // The clip's curves and, for each, the character member attribute it animates (a null plug
    // where the character lacks the member).
    MStatus getMemberAnimCurves(MObjectArray& curves, MPlugArray& associatedAttrs) const;
};

#endif
