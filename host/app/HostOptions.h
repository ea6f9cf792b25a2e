#ifndef Q5XHOST_HOSTOPTIONS_H
#define Q5XHOST_HOSTOPTIONS_H

#include <string>
#include <vector>

struct HostOptions {
    std::string pluginPath;
    std::string scenePath;
    std::vector<std::string> commands;
    std::string projectRoot;  // -proj: the Maya project, as Maya's batch mode takes it
    bool help = false;
    bool timings = false;  // --timings: the export's time per section at the end
};

// Reads q5xhost's command line. False with a message naming the offending argument.
bool parseHostOptions(int argc, const char* const* argv, HostOptions& options, std::string& error);
const char* hostUsage();

#endif
