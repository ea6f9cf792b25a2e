#ifndef MAYAHOST_SCRIPTEDITOR_H
#define MAYAHOST_SCRIPTEDITOR_H

#include <mayahost/Host.h>

#include <ostream>
#include <string>
#include <vector>

namespace mayahost {

// Shows messages the way the script editor does and keeps them for the host and its tests.
class ScriptEditor {
public:
    static ScriptEditor& instance();

    void info(const std::string& text);
    void warning(const std::string& text);
    void error(const std::string& text);
    // MStatus::perror output: goes to the error stream rather than the history.
    void statusError(const std::string& text);
    void echo(const std::string& text);

    void setOutput(std::ostream* stream) { output_ = stream; }
    const std::vector<Message>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

private:
    ScriptEditor();
    void show(std::ostream* stream, const std::string& prefix, const std::string& text,
              const std::string& suffix);

    std::ostream* output_;
    std::vector<Message> messages_;
};

}  // namespace mayahost

#endif
