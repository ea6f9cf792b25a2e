// setAttr and addAttr: plug paths, values and dynamic attribute definitions.
#include "MaStatementReader.h"

#include "DecimalNumber.h"

#include "geometry/NurbsCurveData.h"

#include <maya/MDistance.h>

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstring>
#include <map>

namespace mayahost {

namespace {

// Arrays beyond this many elements come from corrupt or hostile files (Maya's own limit is far
// below what this host could allocate).
constexpr std::int64_t kMaxElements = std::int64_t(1) << 28;
constexpr std::size_t kMaxPathSteps = 32;

struct ValueShape {
    enum class Kind { Numbers, Strings, CountedNumbers, CountedStrings, Payload };
    Kind kind;
    unsigned tuple;  // numbers per element; for counted numbers, per counted item
};

ValueShape shapeOf(const std::string& dataType, const AttributeSpec& attribute) {
    static const std::map<std::string, ValueShape> shapes = {
        {"double2", {ValueShape::Kind::Numbers, 2}}, {"double3", {ValueShape::Kind::Numbers, 3}},
        {"double4", {ValueShape::Kind::Numbers, 4}}, {"float2", {ValueShape::Kind::Numbers, 2}},
        {"float3", {ValueShape::Kind::Numbers, 3}},  {"long2", {ValueShape::Kind::Numbers, 2}},
        {"long3", {ValueShape::Kind::Numbers, 3}},   {"short2", {ValueShape::Kind::Numbers, 2}},
        {"short3", {ValueShape::Kind::Numbers, 3}},  {"reflectanceRGB", {ValueShape::Kind::Numbers, 3}},
        {"spectrumRGB", {ValueShape::Kind::Numbers, 3}}, {"string", {ValueShape::Kind::Strings, 1}},
        {"stringArray", {ValueShape::Kind::CountedStrings, 1}}, {"componentList", {ValueShape::Kind::CountedStrings, 1}},
        {"Int32Array", {ValueShape::Kind::CountedNumbers, 1}}, {"doubleArray", {ValueShape::Kind::CountedNumbers, 1}},
        {"floatArray", {ValueShape::Kind::CountedNumbers, 1}}, {"Int64Array", {ValueShape::Kind::CountedNumbers, 1}},
        {"vectorArray", {ValueShape::Kind::CountedNumbers, 3}}, {"pointArray", {ValueShape::Kind::CountedNumbers, 4}},
    };
    if (dataType == "matrix") return {ValueShape::Kind::Numbers, 16};
    if (!dataType.empty()) {
        const auto found = shapes.find(dataType);
        return found == shapes.end() ? ValueShape{ValueShape::Kind::Payload, 1} : found->second;
    }
    if (attribute.isNumericCompound()) return {ValueShape::Kind::Numbers, static_cast<unsigned>(attribute.children.size())};
    if (attribute.kind == AttrKind::Typed && attribute.dataType == MFnData::kString) return {ValueShape::Kind::Strings, 1};
    return {ValueShape::Kind::Numbers, 1};
}

// Maya keeps these in single precision itself, so nothing is lost keeping them so.
bool isSinglePrecision(const AttributeSpec& attribute) {
    const AttributeSpec& element = attribute.isNumericCompound() ? *attribute.children[0] : attribute;
    return element.numericType == MFnNumericData::kFloat;
}

bool flagNamed(const MaToken& token, const char* shortName, const char* longName) {
    if (token.kind != MaToken::Kind::Word || token.text.size() < 2 || token.text[0] != '-') return false;
    const std::string_view name = token.text.substr(1);
    return name == shortName || name == longName;
}

bool parseInteger(std::string_view text, std::int64_t& value) {
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

}  // namespace

struct MaStatementReader::Target {
    Node* node = nullptr;
    std::vector<PlugStep> steps;
    std::int64_t rangeEnd = -1;  // last element of a [first:last] range; -1 without one
    std::int64_t size = -1;      // setAttr -s
};

bool MaStatementReader::failBeyondFile(int line, const std::string& attribute, std::int64_t index) {
    return fail(line, "element " + std::to_string(index) + " of '" + attribute + "' lies beyond what a file of " +
                          std::to_string(lexer_.size()) + " bytes can describe (at most " + std::to_string(elementLimit_) +
                          " elements)");
}

bool MaStatementReader::readNumber(const MaToken& token, double& value) const {
    if (token.kind != MaToken::Kind::Word) return false;
    const std::string_view text = token.text;
    if (text == "yes" || text == "on" || text == "true") {
        value = 1.0;
        return true;
    }
    if (text == "no" || text == "off" || text == "false") {
        value = 0.0;
        return true;
    }
    return parseDecimal(!text.empty() && text[0] == '+' ? text.substr(1) : text, value);
}

bool MaStatementReader::parseSteps(Node& node, const std::string& path, int line, std::vector<PlugStep>& steps,
                                   std::int64_t* rangeEnd) {
    steps.clear();
    std::size_t start = 0;
    AttributeSpec* parentAttribute = nullptr;
    while (start < path.size()) {
        std::size_t end = start;
        while (end < path.size() && path[end] != '.') {
            if (path[end] == '[') {
                const std::size_t close = path.find(']', end);
                if (close == std::string::npos) return fail(line, "unbalanced '[' in '" + path + "'");
                end = close;
            }
            ++end;
        }
        const std::string component = path.substr(start, end - start);
        const std::size_t bracket = component.find('[');
        const std::string name = component.substr(0, bracket);
        if (name.empty() || steps.size() >= kMaxPathSteps) return fail(line, "malformed attribute '" + path + "'");
        if (!checkName(name, line)) return false;
        AttributeSpec* attribute = parentAttribute ? parentAttribute->child(name) : node.findAttribute(name);
        if (!attribute) attribute = parentAttribute ? &node.implicitChild(*parentAttribute, name) : &node.implicitAttribute(name);
        if (bracket != std::string::npos && attribute->kind == AttrKind::Unknown) attribute->array = true;
        PlugStep step{attribute, -1};
        if (bracket != std::string::npos) {
            const std::string inside = component.substr(bracket + 1, component.size() - bracket - 2);
            const std::size_t colon = inside.find(':');
            std::int64_t first = 0, last = -1;
            const bool valid = colon == std::string::npos
                                   ? parseInteger(inside, first)
                                   : parseInteger(std::string_view(inside).substr(0, colon), first) &&
                                         parseInteger(std::string_view(inside).substr(colon + 1), last);
            if (!valid || first < 0 || first >= kMaxElements || (colon != std::string::npos && (last < first || last >= kMaxElements))) {
                return fail(line, "bad element index in '" + path + "'");
            }
            if (std::max(first, last) >= elementLimit_) return failBeyondFile(line, path, std::max(first, last));
            if (colon != std::string::npos) {
                // A range ends the path, or stands before one multi child in the sparse form
                // ".wl[0:9].w": per element a count, then that many (index, value) pairs.
                const bool sparseForm = end < path.size() && path.find_first_of(".[", end + 1) == std::string::npos;
                if ((end < path.size() && !sparseForm) || !rangeEnd || *rangeEnd >= 0) {
                    return fail(line, "an element range is allowed only at the end of '" + path + "'");
                }
                *rangeEnd = last;
            }
            step.index = first;
        }
        steps.push_back(step);
        parentAttribute = attribute;
        start = end + 1;
    }
    if (steps.empty()) return fail(line, "empty attribute name");
    return true;
}

bool MaStatementReader::resolvePlug(const std::string& text, int line, Node*& node, std::vector<PlugStep>& steps,
                                    std::int64_t* rangeEnd) {
    node = nullptr;
    std::string path = text;
    if (!text.empty() && text[0] == '.') {
        node = current_;
        path = text.substr(1);
        if (!node) {
            warn(line, "'" + text + "' names no node (no node was created or selected before it)");
            return false;
        }
    } else {
        // The node name ends at the first '.' after the last '|'.
        const std::size_t lastBar = text.rfind('|');
        const std::size_t dot = text.find('.', lastBar == std::string::npos ? 0 : lastBar);
        if (dot == std::string::npos) return fail(line, "'" + text + "' is not a plug (node.attribute)");
        node = requireNode(text.substr(0, dot), line);
        path = text.substr(dot + 1);
        if (!node) return false;
    }
    return parseSteps(*node, path, line, steps, rangeEnd);
}

// Files give lengths and angles in the scene's working units; plugs hold centimetres and radians.
double MaStatementReader::unitFactor(const AttributeSpec& measured) const {
    if (measured.kind != AttrKind::Unit) return 1.0;
    if (measured.unitType == MFnUnitAttribute::kAngle) return angleFactor_;
    if (measured.unitType == MFnUnitAttribute::kDistance) return MDistance::uiToInternal(1.0);
    return 1.0;
}

// Each number by the unit of the attribute it belongs to: a compound's children may differ (an
// animation curve's key is a time and a length).
void MaStatementReader::convertUnits(const AttributeSpec& attribute, NumberList& numbers) const {
    if (!attribute.isNumericCompound()) {
        const double factor = unitFactor(attribute);
        if (factor != 1.0) {
            for (double& value : numbers) value *= factor;
        }
        return;
    }
    std::vector<double> factors;
    bool any = false;
    for (const AttributeSpec* child : attribute.children) {
        factors.push_back(unitFactor(*child));
        any = any || factors.back() != 1.0;
    }
    if (!any) return;
    for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] *= factors[i % factors.size()];
}

void MaStatementReader::store(Target& target, PlugData&& data) {
    Node& node = *target.node;
    if (data.words().empty() && data.dataType() != "matrix") convertUnits(*target.steps.back().attribute, data.numbers);
    const PlugStep& last = target.steps.back();
    data.compact(isSinglePrecision(*last.attribute));
    if (last.index >= 0) {
        const std::uint32_t count = target.rangeEnd >= 0 ? std::uint32_t(target.rangeEnd - last.index + 1) : 1u;
        node.elements[plugKey(target.steps, target.steps.size(), true)].push_back({std::uint32_t(last.index), count, std::move(data)});
        return;
    }
    AttributeSpec& attribute = *last.attribute;
    // Numeric compounds keep one value per child, so that ".t" and ".tx" address the same numbers.
    if (attribute.isNumericCompound() && data.words().empty() && data.numbers.size() == attribute.children.size()) {
        std::vector<PlugStep> child = target.steps;
        child.push_back({nullptr, -1});
        for (std::size_t c = 0; c < attribute.children.size(); ++c) {
            child.back().attribute = attribute.children[c];
            PlugData component;
            component.numbers = {data.numbers[c]};
            node.values[plugKey(child, child.size())] = std::move(component);
        }
        return;
    }
    data.compact(isSinglePrecision(attribute));
    node.values[plugKey(target.steps, target.steps.size())] = std::move(data);
}

bool MaStatementReader::readSparseElements(Target& target, MaToken& token) {
    std::size_t rangeStep = 0;
    while (target.steps[rangeStep].index < 0 || rangeStep + 1 == target.steps.size()) ++rangeStep;
    const PlugStep child = target.steps.back();
    if (child.attribute->kind == AttrKind::Unknown) child.attribute->array = true;
    if (!child.attribute->array) return fail(token.line, "'" + child.attribute->longName + "' is not a multi attribute");
    std::vector<PlugStep> element(target.steps.begin(), target.steps.begin() + std::ptrdiff_t(rangeStep) + 1);
    for (std::int64_t outer = target.steps[rangeStep].index; outer <= target.rangeEnd; ++outer) {
        element.back().index = outer;
        std::vector<PlugStep> weights = element;
        weights.push_back({child.attribute, 0});
        const std::string key = plugKey(weights, weights.size(), true);
        double count = 0.0;
        if (!readNumber(token, count) || count < 0 || count >= double(kMaxElements)) {
            return fail(token.line, "expected an element count in '" + plugKey(target.steps, target.steps.size()) + "'");
        }
        if (!next(token)) return false;
        for (std::int64_t k = 0; k < std::int64_t(count); ++k) {
            double index = 0.0, value = 0.0;
            if (!readNumber(token, index) || index < 0 || index >= double(kMaxElements) || !next(token) ||
                !readNumber(token, value) || !next(token)) {
                return error_.empty() ? fail(token.line, "expected an (index, value) pair") : false;
            }
            if (index >= double(elementLimit_)) return failBeyondFile(token.line, plugKey(weights, weights.size()), std::int64_t(index));
            PlugData data;
            data.numbers = {value};
            replaceNonFinite(target, data, token.line);
            target.node->elements[key].push_back({std::uint32_t(index), 1, std::move(data)});
        }
    }
    if (token.kind != MaToken::Kind::End) return fail(token.line, "more values than the elements of the range");
    return true;
}

// Maya splits long typed arrays into statements of a few hundred elements and writes "-type"
// only on the first: ".fc[500:999]" continues the "polyFaces" of ".fc[0:499]".
std::string MaStatementReader::continuedDataType(const Target& target) const {
    if (target.steps.back().index < 0) return {};
    const auto ranges = target.node->elements.find(plugKey(target.steps, target.steps.size(), true));
    if (ranges == target.node->elements.end()) return {};
    for (auto range = ranges->second.rbegin(); range != ranges->second.rend(); ++range) {
        if (!range->data.dataType().empty()) return range->data.dataType();
    }
    return {};
}

bool MaStatementReader::readValues(Target& target, const std::string& givenType, MaToken& token, int line) {
    if (target.rangeEnd >= 0 && target.steps.back().index < 0) return readSparseElements(target, token);
    const std::string dataType = givenType.empty() ? continuedDataType(target) : givenType;
    const AttributeSpec& attribute = *target.steps.back().attribute;
    ValueShape shape = shapeOf(dataType, attribute);
    // A matrix may come as its components ("xform" then scale, rotation, pivots, ...).
    if (dataType == "matrix" && token.kind == MaToken::Kind::String) shape = {ValueShape::Kind::Payload, 1};
    const std::int64_t elements = target.rangeEnd >= 0 ? target.rangeEnd - target.steps.back().index + 1 : 1;
    PlugData data;
    data.setDataType(dataType);
    std::int64_t expected = -1;  // values still to read; -1 while unknown
    std::int64_t counted = -1;
    bool any = false;
    // Attributes the schema does not describe take whatever tuple the file gives them.
    const bool knownShape = !dataType.empty() || attribute.kind != AttrKind::Unknown;
    if (shape.kind == ValueShape::Kind::Numbers && knownShape) {
        expected = elements * shape.tuple;
        // A count is only a claim: never reserve more values than the rest of the file could hold
        // (each takes at least a digit and a space).
        data.numbers.reserve(static_cast<std::size_t>(std::min<std::int64_t>(expected, std::int64_t(lexer_.remaining() / 2))));
    } else if (shape.kind == ValueShape::Kind::Strings) {
        expected = elements;
    }
    while (true) {
        if (token.kind == MaToken::Kind::End) break;
        if (token.kind == MaToken::Kind::Eof) return fail(token.line, "the last statement has no ';' (the file is truncated)");
        if (token.kind == MaToken::Kind::Open) {
            MaArgument argument{true, {}, token.line};
            if (!readConcatenation(argument, token.line)) return false;
            data.editTexts().push_back(std::move(argument.text));
        } else if (shape.kind == ValueShape::Kind::Payload) {
            double number = 0.0;
            if (readNumber(token, number)) {
                data.numbers.push_back(number);
            } else {
                // Payload words repeat ("f", "mu" for every face): each distinct one is kept once.
                std::string word = token.kind == MaToken::Kind::String ? MaLexer::unescape(token.text) : std::string(token.text);
                const auto known = std::find(data.texts().begin(), data.texts().end(), word);
                const auto wordIndex = static_cast<std::uint32_t>(known - data.texts().begin());
                if (known == data.texts().end()) data.editTexts().push_back(std::move(word));
                data.editWords().emplace_back(static_cast<std::uint32_t>(data.numbers.size()), wordIndex);
            }
        } else if ((shape.kind == ValueShape::Kind::CountedNumbers || shape.kind == ValueShape::Kind::CountedStrings) &&
                   counted < 0) {
            double number = 0.0;
            if (!readNumber(token, number) || number < 0 || number >= double(kMaxElements) || number != double(std::int64_t(number))) {
                return fail(token.line, "expected an element count for -type \"" + dataType + "\"");
            }
            counted = std::int64_t(number);
            expected = counted * (shape.kind == ValueShape::Kind::CountedNumbers ? shape.tuple : 1);
        } else if (shape.kind == ValueShape::Kind::Strings || shape.kind == ValueShape::Kind::CountedStrings) {
            if (token.kind != MaToken::Kind::String) {
                return fail(token.line, "a string value was expected for '" + plugKey(target.steps, target.steps.size()) + "'");
            }
            data.editTexts().push_back(MaLexer::unescape(token.text));
        } else {
            double number = 0.0;
            if (!readNumber(token, number)) {
                return fail(token.line, "'" + std::string(token.text) + "' is not a number, as the values of '" +
                                            plugKey(target.steps, target.steps.size()) + "' must be");
            }
            data.numbers.push_back(number);
        }
        any = true;
        const std::int64_t have = std::int64_t(data.numbers.size() + (data.words().empty() ? data.texts().size() : 0));
        if (expected >= 0 && have > expected) {
            return fail(token.line, "more values than " + std::to_string(expected) + " for '" +
                                        plugKey(target.steps, target.steps.size()) + "'");
        }
        if (!next(token)) return false;
    }
    if (!any) return true;  // flags only, e.g. setAttr -k off ".v"
    const std::int64_t have = std::int64_t(data.numbers.size() + (data.words().empty() ? data.texts().size() : 0));
    // Alpha-only and RGB colour points give one or three values an element.
    if (expected >= 0 && have != expected && attribute.leadingChildrenOptional && (have == elements || have == 3 * elements)) {
        expected = have;
    }
    if (expected >= 0 && have != expected) {
        return fail(line, std::to_string(have) + " values where " + std::to_string(expected) + " belong to '" +
                              plugKey(target.steps, target.steps.size()) + "'");
    }
    std::string problem;
    if (dataType == "nurbsCurve" && !convertNurbsCurveLengths(data, MDistance::uiToInternal(1.0), problem)) {
        return fail(line, "the nurbsCurve value of '" + plugKey(target.steps, target.steps.size()) + "' " + problem);
    }
    replaceNonFinite(target, data, line);
    store(target, std::move(data));
    return true;
}

// NaN and infinities never enter the scene: each such value becomes the attribute's default.
void MaStatementReader::replaceNonFinite(const Target& target, PlugData& data, int line) {
    const AttributeSpec& attribute = *target.steps.back().attribute;
    bool replaced = false;
    for (std::size_t i = 0; i < data.numbers.size(); ++i) {
        if (std::isfinite(data.numbers[i])) continue;
        const bool perChild = attribute.isNumericCompound() && i < attribute.children.size();
        data.numbers[i] = perChild ? attribute.children[i]->defaultValue : attribute.defaultValue;
        replaced = true;
    }
    if (replaced) {
        warn(line, "'" + target.node->name + "." + plugKey(target.steps, target.steps.size()) +
                       "' holds values that are not finite numbers; the attribute's default takes their place");
    }
}

bool MaStatementReader::setAttr(int line) {
    Target target;
    std::string dataType;
    std::string plug;
    MaToken token;
    if (!next(token)) return false;
    // Flags come before and after the plug name; the values follow them.
    while (true) {
        if (token.kind == MaToken::Kind::Eof) return fail(token.line, "the last statement has no ';' (the file is truncated)");
        if (token.kind == MaToken::Kind::String && plug.empty()) {
            plug = MaLexer::unescape(token.text);
        } else if (flagNamed(token, "type", "type")) {
            if (!next(token)) return false;
            if (token.kind != MaToken::Kind::String) return fail(token.line, "-type needs a quoted type name");
            dataType = std::string(token.text);
        } else if (flagNamed(token, "s", "size")) {
            if (!next(token)) return false;
            std::int64_t size = -1;
            if (!parseInteger(token.text, size) || size < 0 || size >= kMaxElements) {
                return fail(token.line, "bad array size '" + std::string(token.text) + "'");
            }
            target.size = size;
        } else if (flagNamed(token, "k", "keyable") || flagNamed(token, "l", "lock") || flagNamed(token, "cb", "channelBox") ||
                   flagNamed(token, "ch", "capacityHint") || flagNamed(token, "ca", "caching")) {
            if (!next(token)) return false;
        } else if (flagNamed(token, "av", "alteredValue") || flagNamed(token, "c", "clamp")) {
        } else {
            break;
        }
        if (!next(token)) return false;
    }
    if (plug.empty()) return fail(line, "setAttr without an attribute");
    if (!resolvePlug(plug, line, target.node, target.steps, &target.rangeEnd)) {
        if (!error_.empty()) return false;
        return token.kind == MaToken::Kind::End || skipStatement();
    }
    return readValues(target, dataType, token, line);
}

bool MaStatementReader::addAttr() {
    std::vector<MaArgument> arguments;
    if (!readArguments(arguments)) return false;
    const int line = arguments.empty() ? lexer_.line() : arguments[0].line;
    std::string longName, shortName, attributeType, dataType, parentName, enumFields, defaultValue;
    std::string minimum, maximum;
    bool multi = false, keyable = false;
    auto isFlag = [](const MaArgument& a, const char* s, const char* l) {
        return !a.quoted && a.text.size() > 1 && a.text[0] == '-' && (a.text.substr(1) == s || a.text.substr(1) == l);
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const MaArgument& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        const std::string value = hasValue ? arguments[i + 1].text : std::string();
        if (isFlag(a, "ln", "longName") && hasValue) longName = value, ++i;
        else if (isFlag(a, "sn", "shortName") && hasValue) shortName = value, ++i;
        else if (isFlag(a, "at", "attributeType") && hasValue) attributeType = value, ++i;
        else if (isFlag(a, "dt", "dataType") && hasValue) dataType = value, ++i;
        else if (isFlag(a, "p", "parent") && hasValue) parentName = value, ++i;
        else if (isFlag(a, "en", "enumName") && hasValue) enumFields = value, ++i;
        else if (isFlag(a, "dv", "defaultValue") && hasValue) defaultValue = value, ++i;
        else if (isFlag(a, "min", "minValue") && hasValue) minimum = value, ++i;
        else if (isFlag(a, "max", "maxValue") && hasValue) maximum = value, ++i;
        else if (isFlag(a, "m", "multi")) multi = true;
        else if (isFlag(a, "k", "keyable") && hasValue && !arguments[i + 1].quoted && arguments[i + 1].text[0] != '-') keyable = value != "false" && value != "0", ++i;
        else if (isFlag(a, "k", "keyable")) keyable = true;
        else if (!a.quoted && a.text.size() > 1 && a.text[0] == '-' && hasValue && !arguments[i + 1].quoted &&
                 arguments[i + 1].text[0] != '-') ++i;  // other flags with a value (-ci true, -nc 3, -smn 0, ...)
    }
    if (longName.empty()) longName = shortName;
    if (longName.empty()) return fail(line, "addAttr without a name");
    if (!checkName(longName, line) || !checkName(shortName, line)) return false;
    if (!current_) {
        warn(line, "addAttr '" + longName + "' has no node to add to");
        return true;
    }
    if (current_->findAttribute(longName) && current_->findAttribute(longName)->dynamic) {
        warn(line, "the attribute '" + longName + "' already exists on '" + current_->name + "'");
        return true;
    }

    static const std::map<std::string, MFnNumericData::Type> numericTypes = {
        {"bool", MFnNumericData::kBoolean}, {"byte", MFnNumericData::kByte}, {"char", MFnNumericData::kChar},
        {"short", MFnNumericData::kShort}, {"long", MFnNumericData::kLong}, {"int", MFnNumericData::kLong},
        {"float", MFnNumericData::kFloat}, {"double", MFnNumericData::kDouble}, {"int64", MFnNumericData::kInt64}};
    static const std::map<std::string, MFnUnitAttribute::Type> unitTypes = {
        {"doubleLinear", MFnUnitAttribute::kDistance}, {"doubleAngle", MFnUnitAttribute::kAngle},
        {"time", MFnUnitAttribute::kTime}, {"floatLinear", MFnUnitAttribute::kDistance},
        {"floatAngle", MFnUnitAttribute::kAngle}};
    static const std::map<std::string, MFnNumericData::Type> compoundTypes = {
        {"double2", MFnNumericData::k2Double}, {"double3", MFnNumericData::k3Double},
        {"double4", MFnNumericData::k4Double}, {"float2", MFnNumericData::k2Float},
        {"float3", MFnNumericData::k3Float}, {"long2", MFnNumericData::k2Long}, {"long3", MFnNumericData::k3Long},
        {"short2", MFnNumericData::k2Short}, {"short3", MFnNumericData::k3Short},
        {"reflectance", MFnNumericData::k3Float}, {"spectrum", MFnNumericData::k3Float}};
    static const std::map<std::string, MFnData::Type> dataTypes = {
        {"string", MFnData::kString}, {"stringArray", MFnData::kStringArray}, {"matrix", MFnData::kMatrix},
        {"doubleArray", MFnData::kDoubleArray}, {"floatArray", MFnData::kFloatArray},
        {"Int32Array", MFnData::kIntArray}, {"vectorArray", MFnData::kVectorArray},
        {"pointArray", MFnData::kPointArray}, {"mesh", MFnData::kMesh}, {"nurbsCurve", MFnData::kNurbsCurve},
        {"nurbsSurface", MFnData::kNurbsSurface}, {"lattice", MFnData::kLattice},
        {"componentList", MFnData::kComponentList}};

    std::unique_ptr<AttributeSpec> attribute;
    double number = 0.0;
    const double defaultNumber = !defaultValue.empty() && std::from_chars(defaultValue.data(), defaultValue.data() + defaultValue.size(), number).ec == std::errc() ? number : 0.0;
    if (!dataType.empty()) {
        const auto found = dataTypes.find(dataType);
        attribute = makeTyped(longName, shortName, found == dataTypes.end() ? MFnData::kAny : found->second);
        if (found == dataTypes.end()) warnOnce("dataType:" + dataType, line, "unknown attribute data type '" + dataType + "'");
    } else if (attributeType == "enum") {
        attribute = makeEnum(longName, shortName, {}, static_cast<int>(defaultNumber));
        int nextValue = 0;
        std::size_t start = 0;
        while (start <= enumFields.size() && !enumFields.empty()) {
            std::size_t end = enumFields.find(':', start);
            if (end == std::string::npos) end = enumFields.size();
            std::string field = enumFields.substr(start, end - start);
            const std::size_t equals = field.find('=');
            if (equals != std::string::npos) {
                nextValue = std::atoi(field.c_str() + equals + 1);
                field.erase(equals);
            }
            attribute->enumNames.push_back(field);
            attribute->enumValues.push_back(nextValue++);
            start = end + 1;
        }
    } else if (attributeType == "message") {
        attribute = makeSimple(longName, shortName, AttrKind::Message);
    } else if (attributeType == "compound") {
        attribute = makeSimple(longName, shortName, AttrKind::Compound);
    } else if (attributeType == "matrix" || attributeType == "fltMatrix") {
        attribute = makeSimple(longName, shortName, AttrKind::Matrix);
    } else if (unitTypes.count(attributeType)) {
        attribute = makeUnit(longName, shortName, unitTypes.at(attributeType), defaultNumber);
    } else if (compoundTypes.count(attributeType)) {
        attribute = makeSimple(longName, shortName, AttrKind::Compound);
        attribute->numericType = compoundTypes.at(attributeType);
    } else {
        const auto found = numericTypes.find(attributeType.empty() ? std::string("double") : attributeType);
        if (found == numericTypes.end()) warnOnce("attributeType:" + attributeType, line, "unknown attribute type '" + attributeType + "'; kept as a double");
        attribute = makeNumeric(longName, shortName, found == numericTypes.end() ? MFnNumericData::kDouble : found->second, defaultNumber);
    }
    attribute->array = multi;
    attribute->keyable = keyable;
    attribute->defaultText = defaultValue;
    double bound = 0.0;
    if (!minimum.empty() && std::from_chars(minimum.data(), minimum.data() + minimum.size(), bound).ec == std::errc()) {
        attribute->hasMinimum = true;
        attribute->minimum = bound;
    }
    if (!maximum.empty() && std::from_chars(maximum.data(), maximum.data() + maximum.size(), bound).ec == std::errc()) {
        attribute->hasMaximum = true;
        attribute->maximum = bound;
    }
    if (!parentName.empty()) {
        AttributeSpec* parent = current_->findAttribute(parentName);
        if (!parent || parent->kind != AttrKind::Compound) {
            warn(line, "the parent attribute '" + parentName + "' of '" + longName + "' does not exist");
            return true;
        }
        current_->addDynamicChild(*parent, std::move(attribute));
        return true;
    }
    current_->addDynamicAttribute(std::move(attribute));
    return true;
}

}  // namespace mayahost
