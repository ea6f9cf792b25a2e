#include "ObjectData.h"

namespace mayahost {

ObjectData::~ObjectData() = default;

bool ObjectData::hasFn(MFn::Type type) const {
    return type == apiType() || type == MFn::kBase;
}

MObject ObjectData::wrap(ObjectData* data) {
    return MObject(data);
}

ObjectData* ObjectData::unwrap(const MObject& object) {
    return object.data_;
}

}  // namespace mayahost
