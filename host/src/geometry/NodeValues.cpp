#include "NodeValues.h"

#include <algorithm>

namespace mayahost {

namespace {

const PlugData* findValue(const Node& node, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const auto found = node.values.find(name);
        if (found != node.values.end()) return &found->second;
    }
    return nullptr;
}

}  // namespace

double numberValue(const Node& node, std::initializer_list<const char*> names, double fallback) {
    const PlugData* data = findValue(node, names);
    return data && data->count() > 0 ? data->number(0) : fallback;
}

std::string textValue(const Node& node, std::initializer_list<const char*> names) {
    const PlugData* data = findValue(node, names);
    return data && !data->texts.empty() ? data->texts.front() : std::string();
}

std::vector<double> numbersValue(const Node& node, std::initializer_list<const char*> names) {
    std::vector<double> numbers;
    if (const PlugData* data = findValue(node, names)) {
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
