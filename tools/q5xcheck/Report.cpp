#include "Report.h"

namespace {

std::string jsonString(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20) {
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

const char* severityName(Report::Severity severity) {
    return severity == Report::Severity::Error ? "error" : "warning";
}

}  // namespace

bool Report::hasErrors() const {
    for (const Problem& problem : problems_) {
        if (problem.severity == Severity::Error) return true;
    }
    return false;
}

std::string Report::text() const {
    std::string out;
    for (const Problem& problem : problems_) {
        out += problem.file + ": " + problem.place + ": " + severityName(problem.severity) + ": " + problem.text + "\n";
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
    out += "],\"counts\":{";
    bool first = true;
    for (const auto& entry : counts_) {
        if (!first) out += ',';
        first = false;
        out += jsonString(entry.first) + ":" + std::to_string(entry.second);
    }
    return out + "}}\n";
}
