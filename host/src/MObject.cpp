#include <maya/MObject.h>

#include "ObjectData.h"

const MObject MObject::kNullObj;

MObject::MObject() : data_(nullptr) {}
MObject::MObject(mayahost::ObjectData* data) : data_(data) {}
MObject::MObject(const MObject& other) = default;
MObject::~MObject() = default;
MObject& MObject::operator=(const MObject& other) = default;

bool MObject::isNull() const {
    return data_ == nullptr;
}

MFn::Type MObject::apiType() const {
    return data_ ? data_->apiType() : MFn::kInvalid;
}

bool MObject::hasFn(MFn::Type type) const {
    return data_ && data_->hasFn(type);
}

const char* MObject::apiTypeStr() const {
    return data_ ? data_->apiTypeStr() : "kInvalid";
}

bool MObject::operator==(const MObject& other) const {
    return data_ == other.data_;
}

bool MObject::operator!=(const MObject& other) const {
    return data_ != other.data_;
}
