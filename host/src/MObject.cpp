#include <maya/MObject.h>

#include "ObjectData.h"

const MObject MObject::kNullObj;

MObject::MObject() : data_(nullptr), counted_(false) {}

// Scene nodes and attributes belong to the scene, so their handles only point at them; data
// objects belong to their handles and go with the last one.
MObject::MObject(mayahost::ObjectData* data) : data_(data), counted_(data && data->ownedByHandles()) {
    if (counted_) data_->retain();
}

MObject::MObject(const MObject& other) : data_(other.data_), counted_(other.counted_) {
    if (counted_) data_->retain();
}

MObject::~MObject() {
    if (counted_) data_->release();
}

MObject& MObject::operator=(const MObject& other) {
    if (other.counted_) other.data_->retain();
    if (counted_) data_->release();
    data_ = other.data_;
    counted_ = other.counted_;
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
