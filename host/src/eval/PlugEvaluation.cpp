// Plugs read as Maya evaluates them: connections first, computed outputs through the compute
// table (cached until the scene's values or connections change), then stored values and defaults.
#include "PlugEvaluation.h"

#include "ComputeTable.h"

#include <algorithm>
#include <charconv>

namespace mayahost {

namespace {

// Connections deeper than this are taken for a loop in a corrupt file.
constexpr int kMaxEvaluationDepth = 1000;

const ElementRange* findElement(const Node& node, const std::string& key, std::int64_t index) {
    const auto found = node.elements.find(key);
    if (found == node.elements.end()) return nullptr;
    // Later statements override earlier ones.
    for (auto range = found->second.rbegin(); range != found->second.rend(); ++range) {
        if (index >= range->first && index < std::int64_t(range->first) + range->count) return &*range;
    }
    return nullptr;
}

ValueView viewOf(const Node& node, const std::vector<PlugStep>& steps) {
    ValueView view;
    if (steps.empty()) return view;
    const PlugStep& last = steps.back();
    if (last.index >= 0) {
        if (const ElementRange* range = findElement(node, arrayKey(steps, steps.size() - 1), last.index)) {
            const std::size_t tuple = range->data.count() / std::max<std::size_t>(1, range->count);
            view.data = &range->data;
            view.offset = std::size_t(last.index - range->first) * tuple;
            view.count = range->data.texts().empty() ? tuple : 0;
        }
        return view;
    }
    // Most plugs are one plain attribute, whose key is its long name.
    const auto found = steps.size() == 1 ? node.values.find(last.attribute->longName) : node.values.find(plugKey(steps, steps.size()));
    if (found != node.values.end()) {
        view.data = &found->second;
        view.count = found->second.count();
        return view;
    }
    // A component of a tuple element: the parent step is an element with numbers.
    if (steps.size() >= 2 && steps[steps.size() - 2].index >= 0 && last.attribute->parent) {
        const std::vector<PlugStep> parent(steps.begin(), steps.end() - 1);
        ValueView whole = viewOf(node, parent);
        const auto& siblings = last.attribute->parent->children;
        const auto position = std::find(siblings.begin(), siblings.end(), last.attribute) - siblings.begin();
        if (whole.data && std::size_t(position) < whole.count) {
            whole.offset += std::size_t(position);
            whole.count = 1;
            return whole;
        }
    }
    return view;
}

// The plug an incoming connection brings this plug's value from; for a child of a connected
// compound (".isx" of "hip.s" -> "knee.is"), the matching child of the source.
bool connectedSource(const Node& node, const std::vector<PlugStep>& steps, Node*& sourceNode, std::vector<PlugStep>& source) {
    const Scene& scene = Scene::current();
    if (node.incoming.empty()) return false;
    if (const Connection* connection = scene.incoming(node, plugKey(steps, steps.size()))) {
        sourceNode = connection->source;
        return parsePlugSteps(*sourceNode, connection->sourceKey, source);
    }
    const AttributeSpec* child = steps.back().attribute;
    if (steps.back().index >= 0 || !child->parent) return false;
    std::vector<PlugStep> parent(steps.begin(), steps.end() - 1);
    if (parent.empty() || parent.back().attribute != child->parent) parent.push_back({child->parent, -1});
    const Connection* connection = scene.incoming(node, plugKey(parent, parent.size()));
    if (!connection) return false;
    sourceNode = connection->source;
    if (!parsePlugSteps(*sourceNode, connection->sourceKey, source)) return false;
    const auto& siblings = child->parent->children;
    const std::size_t position = std::size_t(std::find(siblings.begin(), siblings.end(), child) - siblings.begin());
    const AttributeSpec* compound = source.back().attribute;
    if (position >= compound->children.size()) return false;
    source.push_back({compound->children[position], -1});
    return true;
}


bool evaluate(const Node& node, const std::vector<PlugStep>& steps, double& value, int depth);

// What an unconnected plug that nothing computes reads: its stored value, else its default.
bool storedOrDefault(const ValueView& view, const AttributeSpec& attribute, double& value) {
    if (view.data && view.count >= 1) {
        value = view.data->number(view.offset);
        return true;
    }
    if (attribute.kind == AttrKind::Unknown) return false;
    value = attribute.defaultValue;
    return attribute.isScalarNumber();
}

// A computed output, from the node's cache while the scene has not changed.
bool computedNumber(const Node& node, const ComputeRow& row, const std::vector<PlugStep>& output, double& value, int depth) {
    ComputedNumber& cached = node.caches().computedNumbers[plugKey(output, output.size())];
    const std::uint64_t generation = Scene::current().valueGeneration();
    if (cached.stamp == generation) {
        value = cached.value;
        return cached.valid;
    }
    // A loop through computed nodes reads as no value rather than recursing without end.
    cached = {generation, 0.0, false};
    if (depth > kMaxEvaluationDepth) return false;
    cached.valid = row.number(node, output, cached.value);
    value = cached.value;
    return cached.valid;
}

bool evaluate(const Node& node, const std::vector<PlugStep>& steps, double& value, int depth) {
    Node* sourceNode = nullptr;
    std::vector<PlugStep> source;
    if (depth <= kMaxEvaluationDepth && connectedSource(node, steps, sourceNode, source)) {
        if (const ComputeRow* row = computeRowFor(*sourceNode, *source.back().attribute)) {
            return computedNumber(*sourceNode, *row, source, value, depth + 1);
        }
        if (evaluate(*sourceNode, source, value, depth + 1)) return true;
        // A source that holds nothing the stand-in can read (an output of a node type it does not
        // evaluate, such as a character set's values): the value the file saved here stands.
    }
    // An output of the node's own type (a curve's form) is what its row computes, when it can.
    if (const ComputeRow* row = computeRowFor(node, *steps.back().attribute)) {
        if (computedNumber(node, *row, steps, value, depth + 1)) return true;
    }
    return storedOrDefault(viewOf(node, steps), *steps.back().attribute, value);
}

thread_local int evaluationDepth = 0;

// A connected or computed attribute, read through the general path. Kept out of the plain read, so
// that the plain read stays a leaf: the path's vector needs a frame of its own.
[[gnu::noinline]] bool evaluateAsPath(const Node& node, AttributeSpec& attribute, double& value) {
    return evaluateNumber(node, {{&attribute, -1}}, value);
}

}  // namespace

// "attr[1].child": each component a long or short name, optionally with one index.
bool parsePlugSteps(Node& node, std::string_view path, std::vector<PlugStep>& steps) {
    steps.clear();
    std::size_t start = 0;
    AttributeSpec* parent = nullptr;
    while (start <= path.size()) {
        std::size_t end = path.find('.', start);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view component = path.substr(start, end - start);
        const std::size_t bracket = component.find('[');
        const std::string_view name = component.substr(0, bracket);
        AttributeSpec* attribute = parent ? parent->child(std::string(name)) : node.findAttribute(name);
        if (!attribute) return false;
        std::int64_t index = -1;
        if (bracket != std::string_view::npos) {
            const auto result = std::from_chars(component.data() + bracket + 1, component.data() + component.size(), index);
            if (result.ec != std::errc() || result.ptr == component.data() + component.size() || *result.ptr != ']' || index < 0) {
                return false;
            }
        }
        steps.push_back({attribute, index});
        parent = attribute;
        start = end + 1;
    }
    return !steps.empty();
}


ValueView storedValue(const Node& node, const std::vector<PlugStep>& steps) {
    return viewOf(node, steps);
}

bool evaluateNumber(const Node& node, const std::vector<PlugStep>& steps, double& value) {
    // Computed nodes read their inputs through here again: the depth runs across those calls.
    ++evaluationDepth;
    const bool read = evaluationDepth <= kMaxEvaluationDepth && evaluate(node, steps, value, evaluationDepth);
    --evaluationDepth;
    return read;
}

bool evaluateNumber(const Node& node, AttributeSpec& attribute, double& value) {
    if (!node.incoming.empty() || computeRowFor(node, attribute)) return evaluateAsPath(node, attribute, value);
    // Most plugs read are unconnected, computed by nothing and stored under their long name: the
    // value is had without building a path.
    const auto found = node.values.find(attribute.longName, attribute.longNameHash());
    ValueView view;
    if (found != node.values.end()) {
        view.data = &found->second;
        view.count = found->second.count();
    }
    return storedOrDefault(view, attribute, value);
}

double evaluateAttribute(const Node& node, std::string_view attribute, double fallback) {
    AttributeSpec* definition = node.findAttribute(attribute);
    double value = fallback;
    if (!definition || !evaluateNumber(node, *definition, value)) return fallback;
    return value;
}

}  // namespace mayahost
