#include "ObjectData.h"

#include <maya/MObjectHandle.h>

#include <cstdint>

MObjectHandle::MObjectHandle() = default;

MObjectHandle::MObjectHandle(const MObject& object) : object_(object) {}

MObject MObjectHandle::object() const { return object_; }

const MObject& MObjectHandle::objectRef() const { return object_; }

bool MObjectHandle::isValid() const { return !object_.isNull(); }

bool MObjectHandle::isAlive() const { return !object_.isNull(); }

unsigned int MObjectHandle::hashCode() const {
    const auto address = reinterpret_cast<std::uintptr_t>(mayahost::ObjectData::unwrap(object_));
    return static_cast<unsigned int>((address >> 4) ^ (address >> 36));
}

bool MObjectHandle::operator==(const MObjectHandle& other) const { return object_ == other.object_; }

bool MObjectHandle::operator!=(const MObjectHandle& other) const { return !(*this == other); }
