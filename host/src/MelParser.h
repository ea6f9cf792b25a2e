#ifndef MAYAHOST_MELPARSER_H
#define MAYAHOST_MELPARSER_H

#include <maya/MArgList.h>

#include <string>
#include <vector>

namespace mayahost {

struct ParsedCommand {
    std::string name;
    MArgList arguments;
};

// Splits a MEL command line into commands with their arguments: bare words, "-flags",
// quoted strings, integers, floats and {...} arrays. Returns false with a message naming the
// offending token when the line is malformed.
bool parseCommandLine(const std::string& line, std::vector<ParsedCommand>& commands, std::string& error);

}  // namespace mayahost

#endif
