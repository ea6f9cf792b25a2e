#ifndef Q5X_TESTS_HOSTRUNNER_H
#define Q5X_TESTS_HOSTRUNNER_H

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

// Runs q5xhost in a child process, the way a build pipeline does.
struct HostRun {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

inline std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

// Runs a shell command line; its output is what it writes to the standard output.
inline HostRun runShell(const std::string& command) {
    HostRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, count);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// `prefix` runs in the same shell before q5xhost, e.g. "cd /tmp/x &&" or "ulimit -f 0;".
inline HostRun runHost(const std::vector<std::string>& arguments, const std::string& prefix = "") {
    std::string command = prefix + " " + shellQuoted(Q5XHOST_PATH);
    for (const std::string& argument : arguments) command += " " + shellQuoted(argument);
    return runShell(command + " 2>&1");
}

#endif
