#include <maya/MObject.h>

#include "ObjectData.h"

const MObject MObject::kNullObj;

MObject::MObject() : data_(nullptr) {}

MObject::MObject(mayahost::ObjectData* data) : data_(data) {
    if (data_) data_->retain();
}

MObject::MObject(const MObject& other) : data_(other.data_) {
    if (data_) data_->retain();
}

MObject::~MObject() {
    if (data_) data_->release();
}

MObject& MObject::operator=(const MObject& other) {
    if (other.data_) other.data_->retain();
    if (data_) data_->release();
    data_ = other.data_;
    return *this;
}

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
