#include "NodeType.h"

#include <algorithm>

namespace mayahost {

NodeType::NodeType(std::string name, MFn::Type apiType, const NodeType* parent)
    : name_(std::move(name)), apiType_(apiType), parent_(parent) {}

bool NodeType::hasFn(MFn::Type type) const {
    if (type == MFn::kBase || type == MFn::kNamedObject || type == MFn::kDependencyNode) return true;
    for (const NodeType* t = this; t; t = t->parent_) {
        if (t->apiType_ == type) return true;
    }
    return false;
}

AttributeSpec* NodeType::findAttribute(std::string_view name) const {
    return findAttribute(name, keyHash(name));
}

void NodeType::indexInherited() const {
    std::size_t names = 0;
    for (const NodeType* t = this; t; t = t->parent_) names += t->byName_.size();
    inherited_.reserveSparse(names);
    for (const NodeType* t = this; t; t = t->parent_) {
        for (const auto& entry : t->byName_) inherited_.emplace(entry.first, entry.second);
    }
    for (const auto& entry : inherited_) {
        const std::uint32_t hash = keyHash(entry.first);
        hashBits_[(hash >> 6) % kHashWords] |= std::uint64_t(1) << (hash & 63);
    }
}

void NodeType::collectAttributes(std::vector<AttributeSpec*>& out) const {
    if (parent_) parent_->collectAttributes(out);
    for (const auto& attribute : attributes_) out.push_back(attribute.get());
}

void NodeType::index(AttributeSpec& attribute) {
    byName_.emplace(attribute.longName, &attribute);
    if (!attribute.shortName.empty()) byName_.emplace(attribute.shortName, &attribute);
    for (AttributeSpec* child : attribute.children) index(*child);
}

AttributeSpec& NodeType::add(std::unique_ptr<AttributeSpec> attribute) {
    attributes_.push_back(std::move(attribute));
    index(*attributes_.back());
    return *attributes_.back();
}

std::unique_ptr<AttributeSpec> makeSimple(const std::string& longName, const std::string& shortName, AttrKind kind) {
    auto attribute = std::make_unique<AttributeSpec>();
    attribute->longName = longName;
    attribute->shortName = shortName;
    attribute->kind = kind;
    return attribute;
}

std::unique_ptr<AttributeSpec> makeNumeric(const std::string& longName, const std::string& shortName,
                                           MFnNumericData::Type type, double defaultValue) {
    auto attribute = makeSimple(longName, shortName, AttrKind::Numeric);
    attribute->numericType = type;
    attribute->defaultValue = defaultValue;
    return attribute;
}

std::unique_ptr<AttributeSpec> makeUnit(const std::string& longName, const std::string& shortName,
                                        MFnUnitAttribute::Type type, double defaultValue) {
    auto attribute = makeSimple(longName, shortName, AttrKind::Unit);
    attribute->unitType = type;
    attribute->numericType = MFnNumericData::kDouble;
    attribute->defaultValue = defaultValue;
    return attribute;
}

std::unique_ptr<AttributeSpec> makeEnum(const std::string& longName, const std::string& shortName,
                                        std::vector<std::string> fields, int defaultValue) {
    auto attribute = makeSimple(longName, shortName, AttrKind::Enum);
    attribute->numericType = MFnNumericData::kShort;
    for (std::size_t i = 0; i < fields.size(); ++i) attribute->enumValues.push_back(static_cast<int>(i));
    attribute->enumNames = std::move(fields);
    attribute->defaultValue = defaultValue;
    return attribute;
}

std::unique_ptr<AttributeSpec> makeTyped(const std::string& longName, const std::string& shortName,
                                         MFnData::Type type) {
    auto attribute = makeSimple(longName, shortName, AttrKind::Typed);
    attribute->dataType = type;
    return attribute;
}

std::unique_ptr<AttributeSpec> makeCompound(const std::string& longName, const std::string& shortName,
                                            std::vector<std::unique_ptr<AttributeSpec>> children) {
    auto attribute = makeSimple(longName, shortName, AttrKind::Compound);
    for (auto& child : children) {
        child->parent = attribute.get();
        attribute->children.push_back(child.get());
        attribute->ownedChildren.push_back(std::move(child));
    }
    return attribute;
}

std::unique_ptr<AttributeSpec> makeTriple(const std::string& longName, const std::string& shortName,
                                          MFnNumericData::Type elementType, MFnUnitAttribute::Type unit,
                                          double defaultValue, std::vector<std::string> longSuffixes,
                                          std::vector<std::string> shortSuffixes) {
    std::vector<std::unique_ptr<AttributeSpec>> children;
    const std::size_t count = std::min<std::size_t>(longSuffixes.size(), 4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string childLong = longName + longSuffixes[i];
        const std::string childShort = shortName + (i < shortSuffixes.size() ? shortSuffixes[i] : longSuffixes[i]);
        children.push_back(unit == MFnUnitAttribute::kInvalid ? makeNumeric(childLong, childShort, elementType, defaultValue)
                                                              : makeUnit(childLong, childShort, unit, defaultValue));
        // A float3 of lengths (mesh points, tweaks) stays single precision, as Maya keeps it.
        children.back()->numericType = elementType;
    }
    auto compound = makeCompound(longName, shortName, std::move(children));
    static const MFnNumericData::Type kDoubles[] = {MFnNumericData::kInvalid, MFnNumericData::kDouble,
                                                    MFnNumericData::k2Double, MFnNumericData::k3Double,
                                                    MFnNumericData::k4Double};
    static const MFnNumericData::Type kFloats[] = {MFnNumericData::kInvalid, MFnNumericData::kFloat,
                                                   MFnNumericData::k2Float, MFnNumericData::k3Float,
                                                   MFnNumericData::k4Double};
    compound->numericType = elementType == MFnNumericData::kFloat ? kFloats[count] : kDoubles[count];
    return compound;
}

}  // namespace mayahost
