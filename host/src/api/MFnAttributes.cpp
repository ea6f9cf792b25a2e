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

AttributeSpec* specOf(const MObject& object, MStatus* status) {
    AttributeSpec* spec = asAttribute(object);
    setStatus(status, spec);
    return spec;
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
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec ? MString(spec->longName.c_str()) : MString();
}

MString MFnAttribute::shortName(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec ? MString((spec->shortName.empty() ? spec->longName : spec->shortName).c_str()) : MString();
}

bool MFnAttribute::isArray(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec && spec->array;
}

bool MFnAttribute::isDynamic(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec && spec->dynamic;
}

bool MFnAttribute::isReadable(MStatus* ReturnStatus) const { return specOf(object_, ReturnStatus) != nullptr; }
bool MFnAttribute::isWritable(MStatus* ReturnStatus) const { return specOf(object_, ReturnStatus) != nullptr; }

bool MFnAttribute::isKeyable(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec && spec->keyable;
}

MObject MFnAttribute::parent(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec && spec->parent ? objectOf(spec->parent) : MObject();
}

MFnNumericAttribute::MFnNumericAttribute() = default;
MFnNumericAttribute::MFnNumericAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnNumericAttribute::type() const { return MFn::kNumericAttribute; }

MFnNumericData::Type MFnNumericAttribute::unitType(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec ? spec->numericType : MFnNumericData::kInvalid;
}

MStatus MFnNumericAttribute::getDefault(double& value) const {
    const AttributeSpec* spec = asAttribute(object_);
    if (!spec) return MStatus::kFailure;
    value = spec->defaultValue;
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
    const AttributeSpec* spec = asAttribute(object_);
    if (!spec || !spec->hasMinimum) return MStatus::kFailure;
    value = spec->minimum;
    return MStatus::kSuccess;
}

MStatus MFnNumericAttribute::getMax(double& value) const {
    const AttributeSpec* spec = asAttribute(object_);
    if (!spec || !spec->hasMaximum) return MStatus::kFailure;
    value = spec->maximum;
    return MStatus::kSuccess;
}

bool MFnNumericAttribute::hasMin(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec && spec->hasMinimum;
}

bool MFnNumericAttribute::hasMax(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec && spec->hasMaximum;
}

MFnTypedAttribute::MFnTypedAttribute() = default;
MFnTypedAttribute::MFnTypedAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnTypedAttribute::type() const { return MFn::kTypedAttribute; }

MFnData::Type MFnTypedAttribute::attrType(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec ? spec->dataType : MFnData::kInvalid;
}

MFnEnumAttribute::MFnEnumAttribute() = default;
MFnEnumAttribute::MFnEnumAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnEnumAttribute::type() const { return MFn::kEnumAttribute; }

MString MFnEnumAttribute::fieldName(short index, MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    if (spec) {
        for (std::size_t i = 0; i < spec->enumValues.size(); ++i) {
            if (spec->enumValues[i] == index) return MString(spec->enumNames[i].c_str());
        }
    }
    setStatus(ReturnStatus, false);
    return MString();
}

short MFnEnumAttribute::fieldIndex(const MString& fieldName, MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    if (spec) {
        for (std::size_t i = 0; i < spec->enumNames.size(); ++i) {
            if (spec->enumNames[i] == fieldName.asChar()) return static_cast<short>(spec->enumValues[i]);
        }
    }
    setStatus(ReturnStatus, false);
    return 0;
}

MStatus MFnEnumAttribute::getMin(short& minValue) const {
    const AttributeSpec* spec = asAttribute(object_);
    if (!spec || spec->enumValues.empty()) return MStatus::kFailure;
    minValue = static_cast<short>(*std::min_element(spec->enumValues.begin(), spec->enumValues.end()));
    return MStatus::kSuccess;
}

MStatus MFnEnumAttribute::getMax(short& maxValue) const {
    const AttributeSpec* spec = asAttribute(object_);
    if (!spec || spec->enumValues.empty()) return MStatus::kFailure;
    maxValue = static_cast<short>(*std::max_element(spec->enumValues.begin(), spec->enumValues.end()));
    return MStatus::kSuccess;
}

MStatus MFnEnumAttribute::getDefault(short& value) const {
    const AttributeSpec* spec = asAttribute(object_);
    if (!spec) return MStatus::kFailure;
    value = static_cast<short>(spec->defaultValue);
    return MStatus::kSuccess;
}

MFnUnitAttribute::MFnUnitAttribute() = default;
MFnUnitAttribute::MFnUnitAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnUnitAttribute::type() const { return MFn::kUnitAttribute; }

MFnUnitAttribute::Type MFnUnitAttribute::unitType(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec ? spec->unitType : kInvalid;
}

MFnCompoundAttribute::MFnCompoundAttribute() = default;
MFnCompoundAttribute::MFnCompoundAttribute(const MObject& object, MStatus* ReturnStatus) { attach(*this, object, ReturnStatus); }
MFn::Type MFnCompoundAttribute::type() const { return MFn::kCompoundAttribute; }

unsigned int MFnCompoundAttribute::numChildren(MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    return spec ? static_cast<unsigned int>(spec->children.size()) : 0;
}

MObject MFnCompoundAttribute::child(unsigned int index, MStatus* ReturnStatus) const {
    const AttributeSpec* spec = specOf(object_, ReturnStatus);
    if (!spec || index >= spec->children.size()) {
        setStatus(ReturnStatus, false);
        return MObject();
    }
    return objectOf(spec->children[index]);
}
