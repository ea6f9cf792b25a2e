#include "ScriptEditor.h"

#include <iostream>

namespace mayahost {

namespace {

std::string withoutFinalLineBreak(const std::string& text) {
    if (!text.empty() && text.back() == '\n') return text.substr(0, text.size() - 1);
    return text;
}

}  // namespace

ScriptEditor& ScriptEditor::instance() {
    static ScriptEditor editor;
    return editor;
}

ScriptEditor::ScriptEditor() : output_(&std::cout) {}

void ScriptEditor::show(std::ostream* stream, const std::string& prefix, const std::string& text,
                        const std::string& suffix) {
    if (stream) *stream << prefix << withoutFinalLineBreak(text) << suffix << '\n';
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
