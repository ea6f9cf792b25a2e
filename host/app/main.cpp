// q5xhost: runs the exporter plug-in's commands without Maya.
#include "HostOptions.h"
#include "PluginLibrary.h"

#include <mayahost/Host.h>
#include <platform/FileStatistics.h>
#include <platform/FileServices.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>
#include <iostream>
#include <new>
#include <string>

namespace {

std::string executableFolder() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return ".";
    const std::string path(buffer, static_cast<std::size_t>(length));
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// Maya answers "file -q -sceneName" with an absolute path using '/'.
bool openScene(const std::string& path, std::string& error) {
    std::string absolute = path;
    std::string folder;
    if (!path.empty() && path[0] != '/' && platform::getCurrentDirectory(folder)) absolute = folder + "/" + path;
    return mayahost::openScene(absolute, error);
}

// The exporter's "q5xExport: <section> took <seconds> s" lines, summed per section over the run,
// in the order the sections first ran.
void printSectionTimes() {
    std::vector<std::pair<std::string, double>> sections;
    const std::string prefix = "q5xExport: ";
    for (const mayahost::Message& message : mayahost::messages()) {
        const std::size_t took = message.text.rfind(" took ");
        if (message.kind != mayahost::MessageKind::Info || message.text.compare(0, prefix.size(), prefix) != 0 ||
            took == std::string::npos) {
            continue;
        }
        const std::string name = message.text.substr(prefix.size(), took - prefix.size());
        const double seconds = std::atof(message.text.c_str() + took + 6);
        const auto found = std::find_if(sections.begin(), sections.end(), [&](const auto& entry) { return entry.first == name; });
        if (found == sections.end()) {
            sections.emplace_back(name, seconds);
        } else {
            found->second += seconds;
        }
    }
    std::string line = "q5xhost: time per section:";
    for (const auto& section : sections) {
        char text[64];
        std::snprintf(text, sizeof text, " %.3f s", section.second);
        line += (&section == &sections.front() ? " " : ", ") + section.first + text;
    }
    std::printf("%s\n", sections.empty() ? "q5xhost: time per section: no export ran" : line.c_str());
}

void printSummary(unsigned commandsRun, std::chrono::steady_clock::time_point start) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // A batch job reads this line: shapes that were written without their geometry are named in it.
    const unsigned empty = mayahost::shapesWithoutGeometry();
    const std::string emptyShapes = empty == 0 ? std::string() : ", " + std::to_string(empty) + " shapes without geometry";
    std::printf("q5xhost: %u commands run, %u warnings, %u errors, %llu files written%s, %.3f s\n", commandsRun,
                mayahost::messageCount(mayahost::MessageKind::Warning),
                mayahost::messageCount(mayahost::MessageKind::Error),
                static_cast<unsigned long long>(platform::filesPutInPlace()), emptyShapes.c_str(), seconds);
}

int run(int argc, char** argv) {
    const auto start = std::chrono::steady_clock::now();
    // A file-size limit then fails the write that passes it, which the exporter reports and
    // cleans up, instead of killing the process with its temporary files left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    HostOptions options;
    std::string error;
    if (!parseHostOptions(argc, argv, options, error)) {
        std::cerr << "q5xhost: " << error << "\n" << hostUsage();
        return 2;
    }
    if (options.help) {
        std::cout << hostUsage();
        return 0;
    }
    if (options.pluginPath.empty()) options.pluginPath = executableFolder() + "/Q5XExporter.so";

    if (!options.projectRoot.empty()) mayahost::setProjectRoot(options.projectRoot);
    PluginLibrary plugin;
    if (!plugin.load(options.pluginPath, error) || (!options.scenePath.empty() && !openScene(options.scenePath, error))) {
        std::cerr << "q5xhost: " << mayahost::printableText(error) << "\n";
        return 2;
    }

    // The exporter times its sections when this preference is on; its lines are summed at the end.
    std::string ignored;
    if (options.timings) mayahost::runCommandLine("optionVar -iv \"q5xExportTimings\" 1", ignored);
    unsigned commandsRun = 0;
    bool allSucceeded = true;
    for (const std::string& line : options.commands) {
        std::string result;
        ++commandsRun;
        if (!mayahost::runCommandLine(line, result)) {
            std::cerr << "q5xhost: command failed: " << line << "\n";
            allSucceeded = false;
            break;
        }
        if (!result.empty()) std::cout << "// Result: " << result << " //\n";
    }
    std::cout.flush();
    if (!plugin.unload()) allSucceeded = false;
    if (options.timings) printSectionTimes();
    printSummary(commandsRun, start);
    return allSucceeded ? 0 : 1;
}

}  // namespace

// Running out of memory while loading a scene or in a command is a failed run with a message,
// never an abort: what was being written is cleaned up as the failure unwinds.
int main(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cout.flush();
        std::cerr << "q5xhost: out of memory" << (argc > 1 ? std::string(" with ") + mayahost::printableText(argv[1]) : std::string())
                  << "; the run is stopped and nothing more is written\n";
        return 1;
    }
}
