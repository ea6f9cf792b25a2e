// The attribute function sets over AttributeSpec.
#include "ApiAccess.h"

#include <maya/MFnAttribute.h>
#include <maya/MFnCompoundAttribute.h>
#include <maya/MFnEnumAttribute.h>
#include <maya/MFnNumericAttribute.h>
#include <maya/MFnTypedAttribute.h>
#include <maya/MFnUnitAttribute.h>

#include <algorithm>

using namespace mayahost;

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

AttributeSpec* definitionOf(const MObject& object, MStatus* status) {
    AttributeSpec* definition = asAttribute(object);
    setStatus(status, definition);
    return definition;
}

template <typename FnSet>
void attach(FnSet& set, const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = set.setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

}  // namespace

MFnAttribute::MFnAttribute() = default;
MFnAttribute::MFnAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnAttribute::type() const { return MFn::kAttribute; }

MString MFnAttribute::name(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition ? MString(definition->longName.c_str()) : MString();
}

MString MFnAttribute::shortName(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition ? MString((definition->shortName.empty() ? definition->longName : definition->shortName).c_str()) : MString();
}

bool MFnAttribute::isArray(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition && definition->array;
}

bool MFnAttribute::isDynamic(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition && definition->dynamic;
}

bool MFnAttribute::isReadable(MStatus* ReturnStatus) const { return definitionOf(object_, ReturnStatus) != nullptr; }
bool MFnAttribute::isWritable(MStatus* ReturnStatus) const { return definitionOf(object_, ReturnStatus) != nullptr; }

bool MFnAttribute::isKeyable(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition && definition->keyable;
}

MObject MFnAttribute::parent(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition && definition->parent ? objectOf(definition->parent) : MObject();
}

MFnNumericAttribute::MFnNumericAttribute() = default;
MFnNumericAttribute::MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnNumericAttribute::type() const { return MFn::kNumericAttribute; }

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition ? definition->numericType : MFnNumericData::kInvalid;
}

MStatus MFnNumericAttribute::getDefault(double& value) const {
    const AttributeSpec* definition = asAttribute(object_);
    if (!definition) return MStatus::kFailure;
    value = definition->defaultValue;
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::getDefault(int& value) const {
    double number = 0.0;
    const MStatus status = getDefault(number);
    value = static_cast<int>(number);
    return status;
}

MStatus MFnNumericAttribute::getDefault(bool& value) const {
    double number = 0.0;
    const MStatus status = getDefault(number);
    value = number != 0.0;
    return status;
}

MStatus MFnNumericAttribute::getMin(double& value) const {
    const AttributeSpec* definition = asAttribute(object_);
    if (!definition || !definition->hasMinimum) return MStatus::kFailure;
    value = definition->minimum;
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::getMax(double& value) const {
    const AttributeSpec* definition = asAttribute(object_);
    if (!definition || !definition->hasMaximum) return MStatus::kFailure;
    value = definition->maximum;
    return MStatus::kSuccess;
}

bool MFnNumericAttribute::hasMin(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition && definition->hasMinimum;
}

bool MFnNumericAttribute::hasMax(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition && definition->hasMaximum;
}

MFnTypedAttribute::MFnTypedAttribute() = default;
MFnTypedAttribute::MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnTypedAttribute::type() const { return MFn::kTypedAttribute; }

MFnData::Type MFnTypedAttribute::attrType(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition ? definition->dataType : MFnData::kInvalid;
}

MFnEnumAttribute::MFnEnumAttribute() = default;
MFnEnumAttribute::MFnEnumAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnEnumAttribute::type() const { return MFn::kEnumAttribute; }

MString MFnEnumAttribute::fieldName(short index, MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    if (definition) {
        for (std::size_t i = 0; i < definition->enumValues.size(); ++i) {
            if (definition->enumValues[i] == index) return MString(definition->enumNames[i].c_str());
        }
    }
    setStatus(ReturnStatus, false);
    return MString();
}

short MFnEnumAttribute::fieldIndex(const MString& fieldName, MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    if (definition) {
        for (std::size_t i = 0; i < definition->enumNames.size(); ++i) {
            if (definition->enumNames[i] == fieldName.asChar()) return static_cast<short>(definition->enumValues[i]);
        }
    }
    setStatus(ReturnStatus, false);
    return 0;
}

MStatus MFnEnumAttribute::getMin(short& minValue) const {
    const AttributeSpec* definition = asAttribute(object_);
    if (!definition || definition->enumValues.empty()) return MStatus::kFailure;
    minValue = static_cast<short>(*std::min_element(definition->enumValues.begin(), definition->enumValues.end()));
    return MStatus::kSuccess;
}

MStatus MFnEnumAttribute::getMax(short& maxValue) const {
    const AttributeSpec* definition = asAttribute(object_);
    if (!definition || definition->enumValues.empty()) return MStatus::kFailure;
    maxValue = static_cast<short>(*std::max_element(definition->enumValues.begin(), definition->enumValues.end()));
    return MStatus::kSuccess;
}

MStatus MFnEnumAttribute::getDefault(short& value) const {
    const AttributeSpec* definition = asAttribute(object_);
    if (!definition) return MStatus::kFailure;
    value = static_cast<short>(definition->defaultValue);
    return MStatus::kSuccess;
}

MFnUnitAttribute::MFnUnitAttribute() = default;
MFnUnitAttribute::MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnUnitAttribute::type() const { return MFn::kUnitAttribute; }

MFnUnitAttribute::Type MFnUnitAttribute::unitType(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition ? definition->unitType : kInvalid;
}

MFnCompoundAttribute::MFnCompoundAttribute() = default;
MFnCompoundAttribute::MFnCompoundAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnCompoundAttribute::type() const { return MFn::kCompoundAttribute; }

unsigned int MFnCompoundAttribute::numChildren(MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    return definition ? static_cast<unsigned int>(definition->children.size()) : 0;
}

MObject MFnCompoundAttribute::child(unsigned int index, MStatus* ReturnStatus) const {
    const AttributeSpec* definition = definitionOf(object_, ReturnStatus);
    if (!definition || index >= definition->children.size()) {
        setStatus(ReturnStatus, false);
        return MObject();
    }
    return objectOf(definition->children[index]);
}
