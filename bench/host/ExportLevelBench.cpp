// Whole q5xhost runs (load, export, write) on generated levels that stress the size and shape of
// the DAG: a flat million transforms, a 20,000-deep chain, many unnamed nodes, one name shared by
// many nodes. Time and the child's peak memory are recorded.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

using LevelWriter = std::function<void(std::ofstream&)>;

std::string generatedLevel(const std::string& name, const LevelWriter& write) {
    const std::string path = (std::filesystem::temp_directory_path() / ("q5x_bench_" + name + ".ma")).string();
    if (std::filesystem::exists(path)) return path;
    std::ofstream out(path);
    out << "//Maya ASCII 2016 scene\nrequires maya \"2016\";\ncurrentUnit -l centimeter -a degree -t film;\n";
    write(out);
    out << "// End of " << name << ".ma\n";
    return path;
}

// Runs q5xhost on the level; false when it failed. `peakMegabytes` is the child's resident peak.
bool exportLevel(const std::string& scene, double& peakMegabytes) {
    const std::string output = (std::filesystem::temp_directory_path() / "q5x_bench_export.q5x").string();
    const std::string command = "Q5XExporter -shapes -f \"" + output + "\"";
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
    std::filesystem::remove(output);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void runExport(benchmark::State& state, const std::string& scene) {
    double peak = 0.0;
    for (auto _ : state) {
        if (!exportLevel(scene, peak)) state.SkipWithError("q5xhost failed");
    }
    state.counters["file_MB"] = double(std::filesystem::file_size(scene)) / (1024.0 * 1024.0);
    state.counters["peak_MB"] = peak;
}

void FlatMillionTransforms(benchmark::State& state) {
    runExport(state, generatedLevel("flat_million", [](std::ofstream& out) {
                  for (int i = 0; i < 1000000; ++i) {
                      out << "createNode transform -n \"t" << i << "\";\n\tsetAttr \".t\" -type \"double3\" " << i % 1000
                          << " 0 " << i / 1000 << " ;\n";
                  }
              }));
}

void Chain20000Deep(benchmark::State& state) {
    runExport(state, generatedLevel("chain_20000", [](std::ofstream& out) {
                  out << "createNode transform -n \"n0\";\n";
                  for (int i = 1; i < 20000; ++i) out << "createNode transform -n \"n" << i << "\" -p \"n" << i - 1 << "\";\n";
              }));
}

void UnnamedNodes40000(benchmark::State& state) {
    runExport(state, generatedLevel("unnamed_40000", [](std::ofstream& out) {
                  for (int i = 0; i < 40000; ++i) out << "createNode transform;\n";
              }));
}

void OneName40000Times(benchmark::State& state) {
    runExport(state, generatedLevel("one_name_40000", [](std::ofstream& out) {
                  for (int i = 0; i < 40000; ++i) {
                      out << "createNode transform -n \"g" << i << "\";\ncreateNode transform -n \"geo\" -p \"g" << i << "\";\n";
                  }
              }));
}

}  // namespace

BENCHMARK(FlatMillionTransforms)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Chain20000Deep)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(UnnamedNodes40000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(OneName40000Times)->Unit(benchmark::kMillisecond)->Iterations(1);
