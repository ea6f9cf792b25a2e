#include "NodeValues.h"

#include "eval/PlugEvaluation.h"

#include <algorithm>

namespace mayahost {

namespace {

const PlugData* findValue(const Node& node, const std::string& key) {
    const auto found = node.values.find(key);
    return found == node.values.end() ? nullptr : &found->second;
}

}  // namespace

double numberValue(const Node& node, const char* attribute, double fallback) {
    return evaluateAttribute(node, attribute, fallback);
}

std::string textValue(const Node& node, const std::string& key) {
    const PlugData* data = findValue(node, key);
    return data && !data->texts().empty() ? data->texts().front() : std::string();
}

std::vector<double> numbersValue(const Node& node, const std::string& key) {
    std::vector<double> numbers;
    if (const PlugData* data = findValue(node, key)) {
        for (std::size_t i = 0; i < data->count(); ++i) numbers.push_back(data->number(i));
    }
    return numbers;
}

std::vector<double> denseElements(const Node& node, const std::string& key, unsigned tuple, std::size_t& count) {
    count = 0;
    const auto found = node.elements.find(key);
    if (found == node.elements.end()) return {};
    for (const ElementRange& range : found->second) count = std::max<std::size_t>(count, std::size_t(range.first) + range.count);
    std::vector<double> values(count * tuple, 0.0);
    for (const ElementRange& range : found->second) {
        const std::size_t available = range.data.count() / tuple;
        for (std::size_t e = 0; e < range.count && e < available; ++e) {
            for (unsigned t = 0; t < tuple; ++t) values[(range.first + e) * tuple + t] = range.data.number(e * tuple + t);
        }
    }
    return values;
}

}  // namespace mayahost
