#include "HostOptions.h"

bool parseHostOptions(int argc, const char* const* argv, HostOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const bool hasValue = i + 1 < argc;
        if (argument == "-h" || argument == "--help") {
            options.help = true;
        } else if (argument == "--timings") {
            options.timings = true;
        } else if (argument == "-c" || argument == "--command") {
            if (!hasValue) {
                error = "'" + argument + "' needs a command line after it";
                return false;
            }
            options.commands.push_back(argv[++i]);
        } else if (argument == "-proj" || argument == "--project") {
            if (!hasValue) {
                error = "'" + argument + "' needs a project folder after it";
                return false;
            }
            options.projectRoot = argv[++i];
        } else if (argument == "--plugin") {
            if (!hasValue) {
                error = "'--plugin' needs a library path after it";
                return false;
            }
            options.pluginPath = argv[++i];
        } else if (!argument.empty() && argument[0] == '-') {
            error = "unknown option '" + argument + "'";
            return false;
        } else if (options.scenePath.empty()) {
            options.scenePath = argument;
        } else {
            error = "unexpected argument '" + argument + "' (only one scene can be opened)";
            return false;
        }
    }
    return true;
}

const char* hostUsage() {
    return "usage: q5xhost [scene.ma] [-c 'MEL command']... [-proj folder] [--plugin library.so] [--timings]\n"
           "\n"
           "Loads the Q5X exporter plug-in into a headless stand-in of Maya, opens the scene (if any)\n"
           "and runs each -c command line in order, printing what Maya's script editor would show.\n"
           "\n"
           "  -c, --command LINE   a MEL command line; several are run in order; ';' separates commands\n"
           "  -proj, --project DIR the Maya project (its root folder); without it the project is the\n"
           "                       nearest folder at or above the scene that holds a workspace.mel, else\n"
           "                       the scene's folder. The project's source images are its workspace.mel's\n"
           "                       'workspace -fr \"sourceImages\" \"...\"' rule, Maya's \"sourceimages\" otherwise\n"
           "  --plugin PATH        the plug-in library (default: Q5XExporter.so beside q5xhost)\n"
           "  --timings            at the end, the exports' time per section (scene, shapes, ...)\n"
           "  -h, --help           this text\n"
           "\n"
           "Example:\n"
           "  q5xhost level.ma -c 'Q5XExporter -shapes -normals -f \"out/level.q5x\"'\n"
           "\n"
           "Exit status: 0 when every command succeeded, 1 when a command failed, 2 for a bad\n"
           "command line, a scene that cannot be opened or a plug-in that cannot be loaded.\n";
}
