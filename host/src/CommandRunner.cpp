#include <mayahost/Host.h>
#include <maya/MPxCommand.h>

#include "BuiltinCommands.h"
#include "HostState.h"
#include "MelParser.h"
#include "ScriptEditor.h"

#include <memory>

namespace mayahost {

namespace {

MStatus runPluginCommand(const CommandEntry& entry, const MArgList& arguments) {
    std::unique_ptr<MPxCommand> command(static_cast<MPxCommand*>(entry.creator()));
    if (!command) return MStatus::kFailure;
    return command->doIt(arguments);
}

MStatus runCommand(const ParsedCommand& command, std::string& result) {
    result.clear();
    const auto& table = commandTable();
    const auto entry = table.find(command.name);
    if (entry != table.end()) return runPluginCommand(entry->second, command.arguments);
    MStatus status;
    if (runBuiltinCommand(command.name, command.arguments, result, status)) return status;
    ScriptEditor::instance().error("Cannot find procedure \"" + command.name + "\".");
    return MStatus::kFailure;
}

}  // namespace

bool hasCommand(const std::string& name) {
    return commandTable().count(name) != 0;
}

MStatus runCommandLine(const std::string& line, std::string& result, bool echo) {
    std::vector<ParsedCommand> commands;
    std::string error;
    if (!parseCommandLine(line, commands, error)) {
        ScriptEditor::instance().error("Syntax error: " + error);
        return MStatus::kFailure;
    }
    for (const ParsedCommand& command : commands) {
        const MStatus status = runCommand(command, result);
        if (echo) {
            ScriptEditor::instance().echo(line);
            if (status) ScriptEditor::instance().echo("// Result: " + result + " //");
        }
        if (!status) return status;
    }
    return MStatus::kSuccess;
}

}  // namespace mayahost
