#include <maya/MArgList.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <sstream>

const unsigned int MArgList::kInvalidArgIndex = std::numeric_limits<unsigned int>::max();

namespace {

void setStatus(MStatus* status, MStatus::MStatusCode code) {
    if (status) *status = code;
}

std::string numberText(double value, bool integral) {
    std::ostringstream stream;
    if (integral) {
        stream << static_cast<long long>(value);
    } else {
        stream << value;
    }
    return stream.str();
}

bool parseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0';
}

}  // namespace

MArgList::MArgList() = default;

unsigned int MArgList::length(MStatus* ReturnStatus) const {
    setStatus(ReturnStatus, MStatus::kSuccess);
    return static_cast<unsigned int>(arguments_.size());
}

const MArgList::Argument* MArgList::argument(unsigned int index, MStatus* ReturnStatus) const {
    if (index >= arguments_.size()) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return nullptr;
    }
    setStatus(ReturnStatus, MStatus::kSuccess);
    return &arguments_[index];
}

bool MArgList::asBool(unsigned int index, MStatus* ReturnStatus) const {
    const Argument* arg = argument(index, ReturnStatus);
    if (!arg) return false;
    switch (arg->kind) {
        case Kind::Bool:
        case Kind::Int:
        case Kind::Double: return arg->number != 0.0;
        case Kind::String:
            if (arg->text == "true" || arg->text == "on" || arg->text == "yes") return true;
            if (arg->text == "false" || arg->text == "off" || arg->text == "no") return false;
            break;
        default: break;
    }
    setStatus(ReturnStatus, MStatus::kInvalidParameter);
    return false;
}

double MArgList::asDouble(unsigned int index, MStatus* ReturnStatus) const {
    const Argument* arg = argument(index, ReturnStatus);
    if (!arg) return 0.0;
    switch (arg->kind) {
        case Kind::Bool:
        case Kind::Int:
        case Kind::Double: return arg->number;
        case Kind::String: {
            double value = 0.0;
            if (parseNumber(arg->text, value)) return value;
            break;
        }
        default: break;
    }
    setStatus(ReturnStatus, MStatus::kInvalidParameter);
    return 0.0;
}

int MArgList::asInt(unsigned int index, MStatus* ReturnStatus) const {
    MStatus status;
    const double value = asDouble(index, &status);
    if (!status || !std::isfinite(value) || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max()) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return 0;
    }
    setStatus(ReturnStatus, MStatus::kSuccess);
    return static_cast<int>(value);
}

MString MArgList::asString(unsigned int index, MStatus* ReturnStatus) const {
    const Argument* arg = argument(index, ReturnStatus);
    if (!arg) return MString();
    switch (arg->kind) {
        case Kind::String: return MString(arg->text.c_str(), static_cast<int>(arg->text.size()));
        case Kind::Bool:
        case Kind::Int: return MString(numberText(arg->number, true).c_str());
        case Kind::Double: return MString(numberText(arg->number, false).c_str());
        default: break;
    }
    setStatus(ReturnStatus, MStatus::kInvalidParameter);
    return MString();
}

MDoubleArray MArgList::asDoubleArray(unsigned int& index, MStatus* ReturnStatus) const {
    const Argument* arg = argument(index, ReturnStatus);
    if (!arg) return MDoubleArray();
    if (arg->kind != Kind::DoubleArray && arg->kind != Kind::IntArray) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MDoubleArray();
    }
    MDoubleArray values(static_cast<unsigned int>(arg->numbers.size()));
    if (!arg->numbers.empty()) std::memcpy(&values[0], arg->numbers.data(), arg->numbers.size() * sizeof(double));
    ++index;
    return values;
}

MIntArray MArgList::asIntArray(unsigned int& index, MStatus* ReturnStatus) const {
    const Argument* arg = argument(index, ReturnStatus);
    if (!arg) return MIntArray();
    if (arg->kind != Kind::IntArray) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MIntArray();
    }
    MIntArray values(static_cast<unsigned int>(arg->numbers.size()));
    for (unsigned int i = 0; i < values.length(); ++i) values[i] = static_cast<int>(arg->numbers[i]);
    ++index;
    return values;
}

MStringArray MArgList::asStringArray(unsigned int& index, MStatus* ReturnStatus) const {
    const Argument* arg = argument(index, ReturnStatus);
    if (!arg) return MStringArray();
    if (arg->kind != Kind::StringArray) {
        setStatus(ReturnStatus, MStatus::kInvalidParameter);
        return MStringArray();
    }
    MStringArray values;
    for (const std::string& text : arg->texts) values.append(MString(text.c_str(), static_cast<int>(text.size())));
    ++index;
    return values;
}

unsigned int MArgList::flagIndex(const char* shortFlag, const char* longFlag) const {
    for (unsigned int i = 0; i < arguments_.size(); ++i) {
        const Argument& arg = arguments_[i];
        if (arg.kind != Kind::String || arg.text.size() < 2 || arg.text[0] != '-') continue;
        const char* name = arg.text.c_str() + 1;
        if ((shortFlag && std::strcmp(name, shortFlag) == 0) || (longFlag && std::strcmp(name, longFlag) == 0)) {
            return i;
        }
    }
    return kInvalidArgIndex;
}

MStatus MArgList::addArg(bool value) {
    arguments_.push_back({Kind::Bool, value ? 1.0 : 0.0, {}, {}, {}});
    return MStatus::kSuccess;
}

MStatus MArgList::addArg(int value) {
    arguments_.push_back({Kind::Int, static_cast<double>(value), {}, {}, {}});
    return MStatus::kSuccess;
}

MStatus MArgList::addArg(double value) {
    arguments_.push_back({Kind::Double, value, {}, {}, {}});
    return MStatus::kSuccess;
}

MStatus MArgList::addArg(const MString& value) {
    arguments_.push_back({Kind::String, 0.0, std::string(value.asChar(), value.length()), {}, {}});
    return MStatus::kSuccess;
}

MStatus MArgList::addArg(const MDoubleArray& values) {
    Argument arg{Kind::DoubleArray, 0.0, {}, std::vector<double>(values.length()), {}};
    for (unsigned int i = 0; i < values.length(); ++i) arg.numbers[i] = values[i];
    arguments_.push_back(std::move(arg));
    return MStatus::kSuccess;
}

MStatus MArgList::addArg(const MIntArray& values) {
    Argument arg{Kind::IntArray, 0.0, {}, std::vector<double>(values.length()), {}};
    for (unsigned int i = 0; i < values.length(); ++i) arg.numbers[i] = values[i];
    arguments_.push_back(std::move(arg));
    return MStatus::kSuccess;
}

MStatus MArgList::addArg(const MStringArray& values) {
    Argument arg{Kind::StringArray, 0.0, {}, {}, std::vector<std::string>()};
    for (unsigned int i = 0; i < values.length(); ++i) arg.texts.emplace_back(values[i].asChar(), values[i].length());
    arguments_.push_back(std::move(arg));
    return MStatus::kSuccess;
}
