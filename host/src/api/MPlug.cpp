#include "ApiAccess.h"

#include "MatrixData.h"

#include "eval/PlugEvaluation.h"

#include <maya/MDistance.h>
#include <maya/MIntArray.h>
#include <maya/MPlug.h>
#include <maya/MTime.h>

#include <algorithm>
#include <limits>
#include <charconv>
#include <cstdlib>
#include <set>

using namespace mayahost;

namespace mayahost {

MPlug makePlug(Node* node, const std::vector<PlugStep>& steps) {
    return MPlugAccess::make(node, steps);
}

}  // namespace mayahost

namespace {

void setStatus(MStatus* status, bool ok) {
    if (status) *status = ok ? MStatus::kSuccess : MStatus::kFailure;
}

}  // namespace

namespace mayahost {

bool numberNamed(const MObject& object, std::string_view attributeName, double& value) {
    Node* node = asNode(object);
    AttributeSpec* attribute = node ? node->findAttribute(attributeName) : nullptr;
    value = attribute ? numberOf(*node, *attribute) : 0.0;
    return attribute != nullptr;
}

bool tripleNamed(const MObject& object, std::string_view attributeName, double (&values)[3]) {
    Node* node = asNode(object);
    AttributeSpec* compound = node ? node->findAttribute(attributeName) : nullptr;
    if (!compound || compound->children.size() != 3) {
        values[0] = values[1] = values[2] = 0.0;
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) values[i] = numberOf(*node, *compound->children[i]);
    return true;
}

}  // namespace mayahost

MPlug::MPlug(const MObject& node, const MObject& attribute) : node_(asNode(node)) {
    std::vector<AttributeSpec*> chain;
    for (AttributeSpec* step = asAttribute(attribute); step; step = step->parent) chain.insert(chain.begin(), step);
    for (AttributeSpec* step : chain) steps_.emplace_back(step, -1);
}

bool MPlug::isNull(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, true);
    return !node_ || steps_.empty();
}

MObject MPlug::node(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, node_);
    return node_ ? objectOf(node_) : MObject();
}

MObject MPlug::attribute(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !steps_.empty());
    return steps_.empty() ? MObject() : objectOf(steps_.back().first);
}

MString MPlug::name(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, node_);
    if (!node_) return MString();
    return MString((static_cast<Node*>(node_)->name + "." + partialName(false, false, false, false, false, false).asChar()).c_str());
}

MString MPlug::partialName(bool includeNodeName, bool, bool, bool, bool useFullAttributePath, bool useLongNames,
                           MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, node_);
    std::string text = includeNodeName && node_ ? static_cast<Node*>(node_)->name + "." : "";
    const std::size_t first = useFullAttributePath || steps_.empty() ? 0 : steps_.size() - 1;
    for (std::size_t i = first; i < steps_.size(); ++i) {
        const AttributeSpec* attribute = static_cast<AttributeSpec*>(steps_[i].first);
        if (i > first) text += ".";
        text += useLongNames || attribute->shortName.empty() ? attribute->longName : attribute->shortName;
        if (steps_[i].second >= 0) text += "[" + std::to_string(steps_[i].second) + "]";
    }
    return MString(text.c_str());
}

bool MPlug::isArray(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !steps_.empty());
    return !steps_.empty() && static_cast<AttributeSpec*>(steps_.back().first)->array && steps_.back().second < 0;
}

bool MPlug::isElement(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !steps_.empty());
    return !steps_.empty() && steps_.back().second >= 0;
}

bool MPlug::isCompound(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !steps_.empty());
    if (steps_.empty()) return false;
    const AttributeSpec* attribute = static_cast<AttributeSpec*>(steps_.back().first);
    // Attributes the schema lacks are compounds when the file gave them children.
    return attribute->kind == AttrKind::Compound || (attribute->kind == AttrKind::Unknown && !attribute->children.empty());
}

bool MPlug::isChild(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !steps_.empty());
    return steps_.size() > 1;
}

bool MPlug::isDynamic(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, !steps_.empty());
    return !steps_.empty() && static_cast<AttributeSpec*>(steps_.back().first)->dynamic;
}

bool MPlug::isConnected(MStatus* ReturnStatus) const {
    MPlugArray connected;
    return connectedTo(connected, true, true, ReturnStatus) && connected.length() > 0;
}

// The logical indices of a multi's existing elements: set by the file (in ranges, or child by
// child) or connected. Found once per change of the scene's values and connections, so that a loop
// over the elements by physical index stays linear.
const std::vector<std::int64_t>* MPlug::existingIndices() const {
    Node* node = static_cast<Node*>(node_);
    if (!node || !isArray()) return nullptr;
    const std::vector<PlugStep> steps = MPlugAccess::steps(*this);
    const std::string prefix = plugKey(steps, steps.size()) + "[";
    IndexCache& cache = node->caches().indices["elements:" + prefix];
    const std::uint64_t generation = Scene::current().valueGeneration();
    if (cache.stamp == generation) return &cache.indices;
    std::set<std::int64_t> found;
    const auto elements = node->elements.find(arrayKey(steps, steps.size() - 1));
    if (elements != node->elements.end()) {
        for (const ElementRange& range : elements->second) {
            for (std::uint32_t i = 0; i < range.count; ++i) found.insert(range.first + i);
        }
    }
    auto collect = [&](const std::string& key) {
        if (key.compare(0, prefix.size(), prefix) == 0) found.insert(std::atoll(key.c_str() + prefix.size()));
    };
    for (const auto& entry : node->values) collect(entry.first);
    for (const auto& entry : node->elements) collect(entry.first);
    for (const Connection* connection : Scene::current().connectionsOf(*node)) {
        if (connection->source == node) collect(connection->sourceKey);
        if (connection->destination == node) collect(connection->destinationKey);
    }
    cache.indices.assign(found.begin(), found.end());
    cache.stamp = generation;
    return &cache.indices;
}

unsigned int MPlug::getExistingArrayAttributeIndices(MIntArray& indices, MStatus* ReturnStatus) const {
    indices.clear();
    const std::vector<std::int64_t>* existing = existingIndices();
    setStatus(ReturnStatus, existing != nullptr);
    if (!existing) return 0;
    for (const std::int64_t index : *existing) indices.append(static_cast<int>(index));
    return indices.length();
}

unsigned int MPlug::numElements(MStatus* ReturnStatus) const {
    const std::vector<std::int64_t>* existing = existingIndices();
    setStatus(ReturnStatus, existing != nullptr);
    return existing ? static_cast<unsigned int>(existing->size()) : 0;
}

MPlug MPlug::elementByLogicalIndex(unsigned int logicalIndex, MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, isArray());
    if (!isArray()) return MPlug();
    MPlug element = *this;
    element.steps_.back().second = logicalIndex;
    return element;
}

MPlug MPlug::elementByPhysicalIndex(unsigned int physicalIndex, MStatus* ReturnStatus) const {
    const std::vector<std::int64_t>* existing = existingIndices();
    const bool ok = existing && physicalIndex < existing->size();
    setStatus(ReturnStatus, ok);
    return ok ? elementByLogicalIndex(static_cast<unsigned int>((*existing)[physicalIndex])) : MPlug();
}

unsigned int MPlug::logicalIndex(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, isElement());
    return isElement() ? static_cast<unsigned int>(steps_.back().second) : 0;
}

unsigned int MPlug::numChildren(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, isCompound());
    return isCompound() ? static_cast<unsigned int>(static_cast<AttributeSpec*>(steps_.back().first)->children.size()) : 0;
}

MPlug MPlug::child(unsigned int index, MStatus* ReturnStatus) const {
    const bool ok = isCompound() && index < numChildren() && !isArray();
    setStatus(ReturnStatus, ok);
    if (!ok) return MPlug();
    MPlug result = *this;
    result.steps_.emplace_back(static_cast<AttributeSpec*>(steps_.back().first)->children[index], -1);
    return result;
}

MPlug MPlug::child(const MObject& attribute, MStatus* ReturnStatus) const {
    const AttributeSpec* wanted = asAttribute(attribute);
    for (unsigned int i = 0; i < numChildren(); ++i) {
        if (static_cast<AttributeSpec*>(steps_.back().first)->children[i] == wanted) return child(i, ReturnStatus);
    }
    setStatus(ReturnStatus, false);
    return MPlug();
}

MPlug MPlug::parent(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, steps_.size() > 1);
    if (steps_.size() <= 1) return MPlug();
    MPlug result = *this;
    result.steps_.pop_back();
    return result;
}

MPlug MPlug::array(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, isElement());
    if (!isElement()) return MPlug();
    MPlug result = *this;
    result.steps_.back().second = -1;
    return result;
}

bool MPlug::connectedTo(MPlugArray& array, bool asDst, bool asSrc, MStatus* ReturnStatus) const {
    array.clear();
    Node* node = static_cast<Node*>(node_);
    setStatus(ReturnStatus, node);
    if (!node) return false;
    const std::string key = plugKey(MPlugAccess::steps(*this), steps_.size());
    Scene& scene = Scene::current();
    std::vector<PlugStep> steps;
    // A plug has one source, found by its key; its destinations are among the node's outgoing ones.
    if (asDst) {
        const Connection* connection = scene.incoming(*node, key);
        if (connection && parsePlugSteps(*connection->source, connection->sourceKey, steps)) {
            array.append(makePlug(connection->source, steps));
        }
    }
    if (asSrc) {
        for (const Connection* connection : scene.outgoingOf(*node)) {
            if (connection->sourceKey != key || !parsePlugSteps(*connection->destination, connection->destinationKey, steps)) continue;
            array.append(makePlug(connection->destination, steps));
        }
    }
    return array.length() > 0;
}

MStatus MPlug::getValue(double& value) const {
    const Node* node = static_cast<Node*>(node_);
    if (!node || steps_.empty()) return MStatus::kFailure;
    AttributeSpec* plain = MPlugAccess::plainAttribute(*this);
    const bool read = plain ? evaluateNumber(*node, *plain, value) : evaluateNumber(*node, MPlugAccess::steps(*this), value);
    return read ? MStatus::kSuccess : MStatus::kFailure;
}

namespace {

// Every numeric reading is the double reading, converted.
template <typename T>
MStatus convertedValue(const MPlug& plug, T& value) {
    double number = 0.0;
    const MStatus status = plug.getValue(number);
    if (!status) return status;
    // A number a file set beyond the type's range reads as the nearest value the type holds.
    const double lowest = double(std::numeric_limits<T>::lowest()), highest = double(std::numeric_limits<T>::max());
    value = number <= lowest ? std::numeric_limits<T>::lowest() : number >= highest ? std::numeric_limits<T>::max() : static_cast<T>(number);
    return status;
}

template <typename T>
T valueOf(const MPlug& plug, MStatus* ReturnStatus) {
    T value{};
    const MStatus status = plug.getValue(value);
    if (ReturnStatus) *ReturnStatus = status;
    return value;
}

}  // namespace

MStatus MPlug::getValue(float& value) const { return convertedValue(*this, value); }
MStatus MPlug::getValue(int& value) const { return convertedValue(*this, value); }
MStatus MPlug::getValue(short& value) const { return convertedValue(*this, value); }

MStatus MPlug::getValue(bool& value) const {
    double number = 0.0;
    const MStatus status = getValue(number);
    if (status) value = number != 0.0;
    return status;
}

MStatus MPlug::getValue(MString& value) const {
    const Node* node = static_cast<Node*>(node_);
    if (!node || steps_.empty()) return MStatus::kFailure;
    const ValueView view = storedValue(*node, MPlugAccess::steps(*this));
    if (view.data && !view.data->texts().empty() && view.data->words().empty()) {
        value = MString(view.data->texts().front().c_str());
        return MStatus::kSuccess;
    }
    const AttributeSpec* attribute = static_cast<AttributeSpec*>(steps_.back().first);
    // An enumeration reads as the name of its current field.
    if (attribute->kind == AttrKind::Enum) {
        double number = 0.0;
        if (!getValue(number)) return MStatus::kFailure;
        for (std::size_t i = 0; i < attribute->enumValues.size(); ++i) {
            if (attribute->enumValues[i] == int(number)) {
                value = MString(attribute->enumNames[i].c_str());
                return MStatus::kSuccess;
            }
        }
        return MStatus::kFailure;
    }
    if (!view.data && attribute->kind == AttrKind::Typed && attribute->dataType == MFnData::kString) {
        value = MString(attribute->defaultText.c_str());
        return MStatus::kSuccess;
    }
    return MStatus::kFailure;
}

MStatus MPlug::getValue(MObject& value) const {
    const Node* node = static_cast<Node*>(node_);
    if (!node || steps_.empty()) return MStatus::kFailure;
    const ValueView view = storedValue(*node, MPlugAccess::steps(*this));
    const AttributeSpec* attribute = static_cast<AttributeSpec*>(steps_.back().first);
    const bool isMatrix = attribute->kind == AttrKind::Matrix ||
                          (attribute->kind == AttrKind::Typed && attribute->dataType == MFnData::kMatrix) ||
                          (view.data && view.data->dataType() == "matrix");
    if (!isMatrix) return MStatus::kFailure;
    if (view.data && !view.data->words().empty()) {
        value = makeXformData(*view.data);
        return MStatus::kSuccess;
    }
    MMatrix matrix;
    if (view.data && view.data->count() >= view.offset + 16) {
        for (int i = 0; i < 16; ++i) matrix[i / 4][i % 4] = view.data->number(view.offset + std::size_t(i));
    }
    value = makeMatrixData(matrix);
    return MStatus::kSuccess;
}

MStatus MPlug::getValue(MDistance& value) const {
    double number = 0.0;
    const MStatus status = getValue(number);
    if (status) value = MDistance(number, MDistance::internalUnit());
    return status;
}

MStatus MPlug::getValue(MTime& value) const {
    double number = 0.0;
    const MStatus status = getValue(number);
    if (status) value = MTime(number, MTime::uiUnit());
    return status;
}

bool MPlug::asBool(MStatus* ReturnStatus) const { return valueOf<bool>(*this, ReturnStatus); }
int MPlug::asInt(MStatus* ReturnStatus) const { return valueOf<int>(*this, ReturnStatus); }
short MPlug::asShort(MStatus* ReturnStatus) const { return valueOf<short>(*this, ReturnStatus); }
float MPlug::asFloat(MStatus* ReturnStatus) const { return valueOf<float>(*this, ReturnStatus); }
double MPlug::asDouble(MStatus* ReturnStatus) const { return valueOf<double>(*this, ReturnStatus); }
MString MPlug::asString(MStatus* ReturnStatus) const { return valueOf<MString>(*this, ReturnStatus); }
MObject MPlug::asMObject(MStatus* ReturnStatus) const { return valueOf<MObject>(*this, ReturnStatus); }
MTime MPlug::asMTime(MStatus* ReturnStatus) const { return valueOf<MTime>(*this, ReturnStatus); }

namespace {

MStatus store(const MPlug& plug, PlugData data) {
    Node* node = MPlugAccess::node(plug);
    const std::vector<PlugStep> steps = MPlugAccess::steps(plug);
    if (!node || steps.empty()) return MStatus::kFailure;
    Scene::current().valuesChanged();
    if (steps.back().index >= 0) {
        node->elements[arrayKey(steps, steps.size() - 1)].push_back({std::uint32_t(steps.back().index), 1, std::move(data)});
    } else {
        node->values[plugKey(steps, steps.size())] = std::move(data);
    }
    return MStatus::kSuccess;
}

}  // namespace

MStatus MPlug::setValue(double value) {
    PlugData data;
    data.numbers = {value};
    return store(*this, std::move(data));
}

MStatus MPlug::setValue(int value) { return setValue(static_cast<double>(value)); }

MStatus MPlug::setValue(bool value) { return setValue(value ? 1.0 : 0.0); }

MStatus MPlug::setValue(const MString& value) {
    PlugData data;
    data.setDataType("string");
    data.editTexts() = {value.asChar()};
    return store(*this, std::move(data));
}

bool MPlug::operator==(const MPlug& other) const { return node_ == other.node_ && steps_ == other.steps_; }
