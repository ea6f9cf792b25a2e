#include "ObjectData.h"

namespace mayahost {

ObjectData::~ObjectData() = default;

bool ObjectData::hasFn(MFn::Type type) const {
    return type == apiType() || type == MFn::kBase;
}

MObject ObjectData::wrap(ObjectData* data) {
    return MObject(data);
}

}  // namespace mayahost
