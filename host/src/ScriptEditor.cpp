#include "ScriptEditor.h"

#include <iostream>

namespace mayahost {

namespace {

std::string withoutFinalLineBreak(const std::string& text) {
    if (!text.empty() && text.back() == '\n') return text.substr(0, text.size() - 1);
    return text;
}

}  // namespace

std::string printableText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 0x20 && byte != 0x7F) || c == '\n' || c == '\t') {
            shown += c;
            continue;
        }
        static const char kHex[] = "0123456789abcdef";
        shown += "\\x";
        shown += kHex[byte >> 4];
        shown += kHex[byte & 0xF];
    }
    return shown;
}

ScriptEditor& ScriptEditor::instance() {
    static ScriptEditor editor;
    return editor;
}

ScriptEditor::ScriptEditor() : output_(&std::cout) {}

void ScriptEditor::show(std::ostream* stream, const std::string& prefix, const std::string& text,
                        const std::string& suffix) {
    if (stream) *stream << prefix << printableText(withoutFinalLineBreak(text)) << suffix << '\n';
}

void ScriptEditor::info(const std::string& text) {
    messages_.push_back({MessageKind::Info, text});
    show(output_, "", text, "");
}

void ScriptEditor::warning(const std::string& text) {
    messages_.push_back({MessageKind::Warning, text});
    show(output_, "// Warning: ", text, " //");
}

void ScriptEditor::error(const std::string& text) {
    messages_.push_back({MessageKind::Error, text});
    show(output_, "// Error: ", text, " //");
}

void ScriptEditor::statusError(const std::string& text) {
    messages_.push_back({MessageKind::Error, text});
    show(output_ ? &std::cerr : nullptr, "", text, "");
}

void ScriptEditor::echo(const std::string& text) {
    show(output_, "", text, "");
}

}  // namespace mayahost
