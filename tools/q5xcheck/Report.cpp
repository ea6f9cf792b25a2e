#include "Report.h"

#include <cctype>

namespace {

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            static const char kHex[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string printable(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            static const char kHex[] = "0123456789ABCDEF";
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

const char* severityName(Report::Severity severity) {
    return severity == Report::Severity::Error ? "error" : "warning";
}

// Problems of one kind differ only in their numbers: "index 7 names vertex 9 of 4".
std::string kindOf(Report::Severity severity, const std::string& text) {
    std::string kind = severityName(severity);
    kind += ':';
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            if (kind.back() != '#') kind += '#';
        } else {
            kind += c;
        }
    }
    return kind;
}

}  // namespace

void Report::add(Severity severity, const std::string& file, const std::string& place, const std::string& text) {
    if (severity == Severity::Error) hasErrors_ = true;
    Kind& kind = kinds_[kindOf(severity, text)];
    if (kind.seen++ == 0) {
        kind.example = text;
        kind.severity = severity;
    }
    if (kind.seen <= kKeptPerKind) problems_.push_back({severity, file, place, text});
}

std::string Report::text() const {
    std::string out;
    for (const Problem& problem : problems_) {
        out += printable(problem.file) + ": " + printable(problem.place) + ": " + severityName(problem.severity) + ": " +
               printable(problem.text) + "\n";
    }
    for (const auto& entry : kinds_) {
        const Kind& kind = entry.second;
        if (kind.seen <= kKeptPerKind) continue;
        out += "... " + std::to_string(kind.seen - kKeptPerKind) + " more " + severityName(kind.severity) + "s like \"" +
               printable(kind.example) + "\"\n";
    }
    out += "summary:";
    for (const auto& entry : counts_) out += " " + entry.first + "=" + std::to_string(entry.second);
    out += "\n";
    return out;
}

std::string Report::json() const {
    std::string out = "{\"problems\":[";
    for (std::size_t i = 0; i < problems_.size(); ++i) {
        const Problem& problem = problems_[i];
        if (i > 0) out += ',';
        out += "{\"severity\":" + jsonString(severityName(problem.severity)) + ",\"file\":" + jsonString(problem.file) +
               ",\"place\":" + jsonString(problem.place) + ",\"text\":" + jsonString(problem.text) + "}";
    }
    out += "],\"unlisted\":[";
    bool first = true;
    for (const auto& entry : kinds_) {
        if (entry.second.seen <= kKeptPerKind) continue;
        if (!first) out += ',';
        first = false;
        out += "{\"severity\":" + jsonString(severityName(entry.second.severity)) + ",\"like\":" +
               jsonString(entry.second.example) + ",\"count\":" + std::to_string(entry.second.seen - kKeptPerKind) + "}";
    }
    out += "],\"counts\":{";
    first = true;
    for (const auto& entry : counts_) {
        if (!first) out += ',';
        first = false;
        out += jsonString(entry.first) + ":" + std::to_string(entry.second);
    }
    return out + "}}\n";
}
