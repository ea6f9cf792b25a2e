#ifndef Q5X_BENCH_LEVELRUNNER_H
#define Q5X_BENCH_LEVELRUNNER_H

// Generated levels and whole q5xhost runs on them, with the child's time and peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace levels {

using LevelWriter = std::function<void(std::ofstream&)>;

inline std::string generatedLevel(const std::string& name, const LevelWriter& write) {
    const std::string path = (std::filesystem::temp_directory_path() / ("q5x_bench_" + name + ".ma")).string();
    if (std::filesystem::exists(path)) return path;
    std::ofstream out(path);
    out << "//Maya ASCII 2016 scene\nrequires maya \"2016\";\ncurrentUnit -l centimeter -a degree -t film;\n";
    write(out);
    out << "// End of " << name << ".ma\n";
    return path;
}

// A grid mesh of `columns` x `rows` quads as Maya stores it: points, edges (hard), faces with UVs.
inline void writeGridMesh(std::ofstream& out, const std::string& name, int columns, int rows) {
    out << "createNode transform -n \"" << name << "\";\ncreateNode mesh -n \"" << name << "Shape\" -p \"" << name << "\";\n";
    const int points = (columns + 1) * (rows + 1);
    out << "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n\tsetAttr -s " << points << " \".uvst[0].uvsp[0:"
        << points - 1 << "]\" -type \"float2\"";
    for (int j = 0; j <= rows; ++j) {
        for (int i = 0; i <= columns; ++i) out << ' ' << float(i) / columns << ' ' << float(j) / rows;
        out << "\n\t\t";
    }
    out << ";\n\tsetAttr -s " << points << " \".vt[0:" << points - 1 << "]\"";
    for (int j = 0; j <= rows; ++j) {
        for (int i = 0; i <= columns; ++i) out << ' ' << i << ' ' << ((i * 7 + j * 3) % 5) * 0.1 << ' ' << j;
        out << "\n\t\t";
    }
    // Edges: per row the horizontal ones, then the vertical ones.
    const int horizontal = columns * (rows + 1), vertical = (columns + 1) * rows;
    out << ";\n\tsetAttr -s " << horizontal + vertical << " \".ed[0:" << horizontal + vertical - 1 << "]\"";
    for (int j = 0; j <= rows; ++j) {
        for (int i = 0; i < columns; ++i) out << ' ' << j * (columns + 1) + i << ' ' << j * (columns + 1) + i + 1 << " 1";
    }
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i <= columns; ++i) out << ' ' << j * (columns + 1) + i << ' ' << (j + 1) * (columns + 1) + i << " 1";
        out << "\n\t\t";
    }
    out << ";\n\tsetAttr -s " << columns * rows << " \".fc[0:" << columns * rows - 1 << "]\" -type \"polyFaces\"";
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            const int bottom = j * columns + i, top = (j + 1) * columns + i;
            const int left = horizontal + j * (columns + 1) + i, right = left + 1;
            const int a = j * (columns + 1) + i;
            out << "\n\t\tf 4 " << bottom << ' ' << right << ' ' << -(top + 1) << ' ' << -(left + 1) << " mu 0 4 " << a << ' '
                << a + 1 << ' ' << a + columns + 2 << ' ' << a + columns + 1;
        }
    }
    out << ";\n";
}

// Runs q5xhost on the level; false when it failed. `peakMegabytes` is the child's resident peak,
// `documentMegabytes` the size of the document it wrote.
inline bool exportLevel(const std::string& scene, double& peakMegabytes, double& documentMegabytes,
                        const std::string& flags = "-shapes") {
    const std::string output = (std::filesystem::temp_directory_path() / "q5x_bench_export.q5x").string();
    const std::string command = "Q5XExporter " + flags + " -f \"" + output + "\"";
    const pid_t child = fork();
    if (child == 0) {
        freopen("/dev/null", "w", stdout);
        execl(Q5XHOST_PATH, Q5XHOST_PATH, scene.c_str(), "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return false;
    peakMegabytes = double(usage.ru_maxrss) / 1024.0;
    std::error_code noDocument;
    const auto documentBytes = std::filesystem::file_size(output, noDocument);
    documentMegabytes = noDocument ? 0.0 : double(documentBytes) / (1024.0 * 1024.0);
    std::filesystem::remove(output);
    std::filesystem::remove(output + ".shapes");
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline void runExport(benchmark::State& state, const std::string& scene, const std::string& flags = "-shapes") {
    double peak = 0.0;
    double document = 0.0;
    for (auto _ : state) {
        if (!exportLevel(scene, peak, document, flags)) state.SkipWithError("q5xhost failed");
    }
    state.counters["file_MB"] = double(std::filesystem::file_size(scene)) / (1024.0 * 1024.0);
    state.counters["document_MB"] = document;
    state.counters["peak_MB"] = peak;
}

}  // namespace levels

#endif
