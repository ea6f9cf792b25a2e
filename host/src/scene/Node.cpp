#include "Node.h"

namespace mayahost {

namespace {

// Below this many values the saving is not worth a second representation.
constexpr std::size_t kCompactFrom = 64;

}  // namespace

const PlugData::Rest PlugData::kNoRest;

void PlugData::compact(bool singlePrecision) {
    if (numbers.size() < kCompactFrom) return;
    bool integral = true;
    for (double value : numbers) {
        if (!(value >= -2147483648.0 && value <= 2147483647.0) || value != double(std::int32_t(value))) {
            integral = false;
            break;
        }
    }
    if (integral) {
        rest().integers.assign(numbers.begin(), numbers.end());
    } else if (singlePrecision) {
        rest().floats.assign(numbers.begin(), numbers.end());
    } else {
        return;
    }
    numbers.clear();
}

Node::Node(const NodeType& type, std::string typeName, std::string nodeName)
    : name(std::move(nodeName)), type_(&type), typeName_(std::move(typeName)) {}

const char* Node::apiTypeStr() const {
    return apiTypeName(apiType());
}

NodeCaches& Node::caches() const {
    if (!caches_) caches_ = std::make_unique<NodeCaches>();
    return *caches_;
}

Node::OwnAttributes& Node::own() const {
    if (!own_) own_ = std::make_unique<OwnAttributes>();
    return *own_;
}

AttributeSpec* Node::findAttribute(std::string_view attributeName) const {
    return findAttribute(attributeName, keyHash(attributeName));
}

AttributeSpec* Node::findAttribute(std::string_view attributeName, std::uint32_t hash) const {
    if (own_) {
        const auto found = own_->byName.find(attributeName, hash);
        if (found != own_->byName.end()) return found->second;
    }
    return type_->findAttribute(attributeName, hash);
}

void Node::index(AttributeSpec& attribute) {
    std::vector<AttributeSpec*> pending{&attribute};
    while (!pending.empty()) {
        AttributeSpec* next = pending.back();
        pending.pop_back();
        own().byName.emplace(next->longName, next);
        if (!next->shortName.empty()) own().byName.emplace(next->shortName, next);
        pending.insert(pending.end(), next->children.rbegin(), next->children.rend());
    }
}

AttributeSpec& Node::addDynamicAttribute(std::unique_ptr<AttributeSpec> attribute) {
    attribute->dynamic = true;
    OwnAttributes& own = this->own();
    own.allKnown = false;
    own.dynamic.push_back(std::move(attribute));
    index(*own.dynamic.back());
    return *own.dynamic.back();
}

AttributeSpec& Node::addDynamicChild(AttributeSpec& parent, std::unique_ptr<AttributeSpec> attribute) {
    attribute->dynamic = true;
    own().allKnown = false;
    attribute->parent = &parent;
    parent.children.push_back(attribute.get());
    parent.ownedChildren.push_back(std::move(attribute));
    index(*parent.children.back());
    return *parent.children.back();
}

AttributeSpec& Node::implicitAttribute(const std::string& attributeName) {
    if (AttributeSpec* existing = findAttribute(attributeName)) return *existing;
    auto attribute = std::make_unique<AttributeSpec>();
    attribute->longName = attributeName;
    OwnAttributes& own = this->own();
    own.allKnown = false;
    own.implicit.push_back(std::move(attribute));
    index(*own.implicit.back());
    return *own.implicit.back();
}

namespace {

// The attribute and everything below it, parents before children, without recursion.
void addWithChildren(AttributeSpec* attribute, std::vector<AttributeSpec*>& all) {
    std::vector<AttributeSpec*> pending{attribute};
    while (!pending.empty()) {
        AttributeSpec* next = pending.back();
        pending.pop_back();
        all.push_back(next);
        pending.insert(pending.end(), next->children.rbegin(), next->children.rend());
    }
}

}  // namespace

AttributeSpec& Node::implicitChild(AttributeSpec& parent, const std::string& childName) {
    if (AttributeSpec* existing = parent.child(childName)) return *existing;
    auto attribute = std::make_unique<AttributeSpec>();
    attribute->longName = childName;
    own().allKnown = false;
    attribute->parent = &parent;
    parent.children.push_back(attribute.get());
    parent.ownedChildren.push_back(std::move(attribute));
    return *parent.children.back();
}

const std::vector<AttributeSpec*>& Node::attributes() const {
    OwnAttributes& own = this->own();
    if (own.allKnown) return own.all;
    std::vector<AttributeSpec*> topLevel;
    type_->collectAttributes(topLevel);
    for (const auto& attribute : own.implicit) topLevel.push_back(attribute.get());
    for (const auto& attribute : own.dynamic) topLevel.push_back(attribute.get());
    own.all.clear();
    for (AttributeSpec* attribute : topLevel) addWithChildren(attribute, own.all);
    own.allKnown = true;
    return own.all;
}

}  // namespace mayahost
