#include <maya/MFnDependencyNode.h>

#include "ApiAccess.h"

#include <algorithm>

using namespace mayahost;

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

}  // namespace

std::uint64_t MStringAccess::workOutKey(const MString& name) {
    const std::string_view text(name.text_);
    const bool plain = text.find('.') == std::string_view::npos && text.find('[') == std::string_view::npos;
    const std::uint64_t key = std::uint64_t(keyHash(text)) << 32 | (plain ? 2u : 0u) | 1u;
    name.lookupKey_.store(key, std::memory_order_relaxed);
    return key;
}

MFnDependencyNode::MFnDependencyNode() = default;

MFnDependencyNode::MFnDependencyNode(const MObject& object, MStatus* ReturnStatus) {
    const MStatus status = setObject(object);
    if (ReturnStatus) *ReturnStatus = status;
}

MFn::Type MFnDependencyNode::type() const { return MFn::kDependencyNode; }

MString MFnDependencyNode::name(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node ? MString(node->name.c_str()) : MString();
}

MString MFnDependencyNode::typeName(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node ? MString(node->typeName().c_str()) : MString();
}

MPlug MFnDependencyNode::findPlug(const MString& attributeName, bool, MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    const std::string_view name = MStringAccess::text(attributeName);
    const MStringAccess::AttributeName key = MStringAccess::attributeName(attributeName);
    // A plain name, as most look-ups give, is one step: no path to take apart.
    if (node && key.plain) {
        AttributeSpec* attribute = node->findAttribute(name, key.hash);
        if (ReturnStatus) *ReturnStatus = attribute ? MStatus::kSuccess : MStatus::kInvalidParameter;
        return attribute ? MPlugAccess::make(node, *attribute) : MPlug();
    }
    std::vector<PlugStep> steps;
    const bool found = node && parsePlugSteps(*node, name, steps);
    if (ReturnStatus) *ReturnStatus = found ? MStatus::kSuccess : MStatus::kInvalidParameter;
    return found ? makePlug(node, steps) : MPlug();
}

MPlug MFnDependencyNode::findPlug(const MString& attributeName, MStatus* ReturnStatus) const {
    return findPlug(attributeName, false, ReturnStatus);
}

MPlug MFnDependencyNode::findPlug(const MObject& attribute, bool, MStatus* ReturnStatus) const {
    Node* node = asNode(object_);
    AttributeSpec* definition = asAttribute(attribute);
    setStatus(ReturnStatus, node && definition);
    if (!node || !definition) return MPlug();
    std::vector<PlugStep> steps;
    for (AttributeSpec* step = definition; step; step = step->parent) steps.insert(steps.begin(), {step, -1});
    return makePlug(node, steps);
}

unsigned int MFnDependencyNode::attributeCount(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node ? static_cast<unsigned int>(node->attributes().size()) : 0;
}

MFnDependencyNode::MAttrClass MFnDependencyNode::attributeClass(const MObject& attribute, MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    const AttributeSpec* definition = asAttribute(attribute);
    setStatus(ReturnStatus, node && definition);
    if (!node || !definition) return kInvalidAttr;
    return definition->dynamic ? kLocalDynamicAttr : kNormalAttr;
}

MObject MFnDependencyNode::attribute(unsigned int index, MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    if (!node) {
        setStatus(ReturnStatus, false);
        return MObject();
    }
    const std::vector<AttributeSpec*>& all = node->attributes();
    setStatus(ReturnStatus, index < all.size());
    return index < all.size() ? objectOf(all[index]) : MObject();
}

MObject MFnDependencyNode::attribute(const MString& attributeName, MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    AttributeSpec* definition = node ? node->findAttribute(std::string_view(attributeName.asChar(), attributeName.length())) : nullptr;
    setStatus(ReturnStatus, definition);
    return definition ? objectOf(definition) : MObject();
}

bool MFnDependencyNode::hasAttribute(const MString& attributeName, MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node && node->findAttribute(std::string_view(attributeName.asChar(), attributeName.length()),
                                       MStringAccess::attributeName(attributeName).hash);
}

MStatus MFnDependencyNode::getConnections(MPlugArray& array) const {
    array.clear();
    Node* node = asNode(object_);
    if (!node) return MStatus::kFailure;
    std::vector<std::string> seen;
    for (const Connection* found : Scene::current().connectionsOf(*node)) {
        const Connection& connection = *found;
        const std::string* key = connection.source == node        ? &connection.sourceKey
                                 : connection.destination == node ? &connection.destinationKey
                                                                  : nullptr;
        if (!key || std::find(seen.begin(), seen.end(), *key) != seen.end()) continue;
        std::vector<PlugStep> steps;
        if (parsePlugSteps(*node, *key, steps)) {
            seen.push_back(*key);
            array.append(makePlug(node, steps));
        }
    }
    return MStatus::kSuccess;
}

bool MFnDependencyNode::isDefaultNode(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node && node->isDefault;
}

bool MFnDependencyNode::isLocked(MStatus* ReturnStatus) const {
    const Node* node = asNode(object_);
    setStatus(ReturnStatus, node);
    return node && node->locked;
}
