#ifndef MAYAHOST_ATTRIBUTESPEC_H
#define MAYAHOST_ATTRIBUTESPEC_H

#include "NameHash.h"
#include "ObjectData.h"

#include <maya/MFnData.h>
#include <maya/MFnNumericData.h>
#include <maya/MFnUnitAttribute.h>

#include <memory>
#include <string>
#include <vector>

namespace mayahost {

enum class AttrKind { Numeric, Unit, Enum, Typed, Compound, Message, Matrix, Unknown };

// The definition of one attribute of a node type, or of one node's dynamic attribute. An
// MObject of an attribute refers to one of these.
class AttributeSpec : public ObjectData {
public:
    AttributeSpec() = default;
    // Children are released without recursion: a file can nest compounds arbitrarily deep.
    ~AttributeSpec() override;

    MFn::Type apiType() const override;
    bool hasFn(MFn::Type type) const override;
    const char* apiTypeStr() const override;
    AttributeSpec* asAttribute() override { return this; }

    // Numeric compounds (translate, color) keep their values on their children.
    bool isNumericCompound() const { return kind == AttrKind::Compound && !children.empty() && children[0]->isScalarNumber(); }
    bool isScalarNumber() const { return kind == AttrKind::Numeric || kind == AttrKind::Unit || kind == AttrKind::Enum; }
    AttributeSpec* child(const std::string& name) const;
    // keyHash(longName), worked out once: plain plugs are read by their long name.
    std::uint32_t longNameHash() const {
        if (!longNameHashed_) {
            longNameHash_ = keyHash(longName);
            longNameHashed_ = true;
        }
        return longNameHash_;
    }

    std::string longName;
    std::string shortName;
    AttrKind kind = AttrKind::Unknown;
    MFnNumericData::Type numericType = MFnNumericData::kInvalid;
    MFnUnitAttribute::Type unitType = MFnUnitAttribute::kInvalid;
    MFnData::Type dataType = MFnData::kInvalid;
    bool array = false;
    bool dynamic = false;
    bool keyable = false;
    // A numeric compound whose elements may give fewer of its children: a colour set's points are
    // alpha alone, RGB or RGBA, as the set's representation says.
    bool leadingChildrenOptional = false;
    double defaultValue = 0.0;
    std::string defaultText;
    bool hasMinimum = false;
    bool hasMaximum = false;
    double minimum = 0.0;
    double maximum = 0.0;
    std::vector<std::string> enumNames;
    std::vector<int> enumValues;
    AttributeSpec* parent = nullptr;
    std::vector<AttributeSpec*> children;
    std::vector<std::unique_ptr<AttributeSpec>> ownedChildren;

private:
    mutable std::uint32_t longNameHash_ = 0;
    mutable bool longNameHashed_ = false;
};

}  // namespace mayahost

#endif
