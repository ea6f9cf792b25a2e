#include "AttributeSpec.h"

namespace mayahost {

AttributeSpec::~AttributeSpec() {
    std::vector<std::unique_ptr<AttributeSpec>> releasing = std::move(ownedChildren);
    while (!releasing.empty()) {
        std::unique_ptr<AttributeSpec> last = std::move(releasing.back());
        releasing.pop_back();
        for (auto& child : last->ownedChildren) releasing.push_back(std::move(child));
        last->ownedChildren.clear();
    }
}

MFn::Type AttributeSpec::apiType() const {
    switch (kind) {
        case AttrKind::Numeric: return MFn::kNumericAttribute;
        case AttrKind::Unit: return MFn::kUnitAttribute;
        case AttrKind::Enum: return MFn::kEnumAttribute;
        case AttrKind::Typed: return MFn::kTypedAttribute;
        case AttrKind::Compound: return MFn::kCompoundAttribute;
        case AttrKind::Message: return MFn::kMessageAttribute;
        case AttrKind::Matrix: return MFn::kMatrixAttribute;
        case AttrKind::Unknown: break;
    }
    return MFn::kAttribute;
}

bool AttributeSpec::hasFn(MFn::Type type) const {
    return type == MFn::kAttribute || type == MFn::kBase || type == apiType();
}

const char* AttributeSpec::apiTypeStr() const {
    switch (kind) {
        case AttrKind::Numeric: return "kNumericAttribute";
        case AttrKind::Unit: return "kUnitAttribute";
        case AttrKind::Enum: return "kEnumAttribute";
        case AttrKind::Typed: return "kTypedAttribute";
        case AttrKind::Compound: return "kCompoundAttribute";
        case AttrKind::Message: return "kMessageAttribute";
        case AttrKind::Matrix: return "kMatrixAttribute";
        case AttrKind::Unknown: break;
    }
    return "kAttribute";
}

AttributeSpec* AttributeSpec::child(const std::string& name) const {
    for (AttributeSpec* candidate : children) {
        if (candidate->longName == name || candidate->shortName == name) return candidate;
    }
    return nullptr;
}

}  // namespace mayahost
