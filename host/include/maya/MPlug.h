#ifndef MAYA_MPLUG_H
#define MAYA_MPLUG_H

#include <maya/MObject.h>
#include <maya/MHostArray.h>
#include <maya/MHostSmallArray.h>
#include <maya/MStatus.h>
#include <maya/MString.h>

#include <cstdint>
#include <utility>
#include <vector>

class MDistance;
class MIntArray;
class MPlugArray;
class MTime;

// One attribute of one node; for multi attributes, possibly one element (by logical index).
class MPlug {
public:
    MPlug() : node_(nullptr) {}
    MPlug(const MObject& node, const MObject& attribute);

    bool isNull(MStatus* ReturnStatus = NULL) const;
    MObject node(MStatus* ReturnStatus = NULL) const;
    MObject attribute(MStatus* ReturnStatus = NULL) const;
    MString name(MStatus* ReturnStatus = NULL) const;
    MString partialName(bool includeNodeName = false, bool includeNonMandatoryIndices = false,
                        bool includeInstancedIndices = false, bool useAlias = false,
                        bool useFullAttributePath = false, bool useLongNames = false,
                        MStatus* ReturnStatus = NULL) const;

    bool isArray(MStatus* ReturnStatus = NULL) const;
    bool isElement(MStatus* ReturnStatus = NULL) const;
    bool isCompound(MStatus* ReturnStatus = NULL) const;
    bool isChild(MStatus* ReturnStatus = NULL) const;
    bool isDynamic(MStatus* ReturnStatus = NULL) const;
    bool isConnected(MStatus* ReturnStatus = NULL) const;

    unsigned int numElements(MStatus* ReturnStatus = NULL) const;
    MPlug elementByLogicalIndex(unsigned int logicalIndex, MStatus* ReturnStatus = NULL) const;
    MPlug elementByPhysicalIndex(unsigned int physicalIndex, MStatus* ReturnStatus = NULL) const;
    unsigned int logicalIndex(MStatus* ReturnStatus = NULL) const;
    unsigned int getExistingArrayAttributeIndices(MIntArray& indices, MStatus* ReturnStatus = NULL) const;
    unsigned int numChildren(MStatus* ReturnStatus = NULL) const;
    MPlug child(unsigned int index, MStatus* ReturnStatus = NULL) const;
    MPlug child(const MObject& attribute, MStatus* ReturnStatus = NULL) const;
    MPlug parent(MStatus* ReturnStatus = NULL) const;
    MPlug array(MStatus* ReturnStatus = NULL) const;

    // Plugs connected to this one: sources when asDst, destinations when asSrc.
    bool connectedTo(MPlugArray& array, bool asDst, bool asSrc, MStatus* ReturnStatus = NULL) const;

    MStatus getValue(bool& value) const;
    MStatus getValue(int& value) const;
    MStatus getValue(short& value) const;
    MStatus getValue(float& value) const;
    MStatus getValue(double& value) const;
    MStatus getValue(MString& value) const;
    MStatus getValue(MObject& value) const;
    MStatus getValue(MDistance& value) const;
    MStatus getValue(MTime& value) const;
    bool asBool(MStatus* ReturnStatus = NULL) const;
    int asInt(MStatus* ReturnStatus = NULL) const;
    short asShort(MStatus* ReturnStatus = NULL) const;
    float asFloat(MStatus* ReturnStatus = NULL) const;
    double asDouble(MStatus* ReturnStatus = NULL) const;
    MString asString(MStatus* ReturnStatus = NULL) const;
    MObject asMObject(MStatus* ReturnStatus = NULL) const;
    MTime asMTime(MStatus* ReturnStatus = NULL) const;

    MStatus setValue(bool value);
    MStatus setValue(int value);
    MStatus setValue(double value);
    MStatus setValue(const MString& value);

    bool operator==(const MPlug& other) const;
    bool operator!=(const MPlug& other) const { return !(*this == other); }

private:
    friend class MPlugAccess;
    const std::vector<std::int64_t>* existingIndices() const;
    mayahost::ObjectData* node_;
    // Attribute and logical index (-1 when not an element) of each step from the top-level attribute.
    MHostSmallArray<std::pair<mayahost::ObjectData*, std::int64_t>, 2> steps_;
};

class MPlugArray : public MHostArray<MPlug> {
public:
    using MHostArray<MPlug>::MHostArray;
};

#endif
