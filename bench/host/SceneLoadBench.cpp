// Loading a large Maya ASCII scene: 10k transforms with small meshes, 1M vertices in all.
#include "ma/MaReader.h"
#include "scene/Scene.h"

#include <mayahost/Host.h>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr int kTransforms = 10000;
constexpr int kGridSide = 10;  // vertices per mesh side: 100 vertices, 81 quads

std::string generatedScenePath() {
    return (std::filesystem::temp_directory_path() / "q5x_bench_level_v2.ma").string();
}

void writeMesh(std::ofstream& out, int index) {
    out << "createNode mesh -n \"meshShape" << index << "\" -p \"mesh" << index << "\";\n";
    out << "\tsetAttr -s " << kGridSide * kGridSide << " \".vt[0:" << kGridSide * kGridSide - 1 << "]\"";
    for (int y = 0; y < kGridSide; ++y) {
        for (int x = 0; x < kGridSide; ++x) out << ' ' << x * 0.1234567f + index << ' ' << y * 0.4567891f << ' ' << -0.25f * x * y;
        out << "\n\t\t";
    }
    out << ";\n";
    out << "\tsetAttr \".uvst[0].uvsn\" -type \"string\" \"map1\";\n";
    out << "\tsetAttr -s " << kGridSide * kGridSide << " \".uvst[0].uvsp[0:" << kGridSide * kGridSide - 1 << "]\" -type \"float2\"";
    for (int v = 0; v < kGridSide * kGridSide; ++v) out << ' ' << (v % kGridSide) / 9.0f << ' ' << (v / kGridSide) / 9.0f;
    out << ";\n";
    int edges = 0;
    std::string edgeText;
    for (int y = 0; y < kGridSide; ++y) {
        for (int x = 0; x < kGridSide; ++x) {
            const int v = y * kGridSide + x;
            if (x + 1 < kGridSide) edgeText += ' ' + std::to_string(v) + ' ' + std::to_string(v + 1) + " 0", ++edges;
            if (y + 1 < kGridSide) edgeText += ' ' + std::to_string(v) + ' ' + std::to_string(v + kGridSide) + " 0", ++edges;
        }
    }
    out << "\tsetAttr -s " << edges << " \".ed[0:" << edges - 1 << "]\"" << edgeText << ";\n";
    const int faces = (kGridSide - 1) * (kGridSide - 1);
    out << "\tsetAttr -s " << faces << " -ch " << faces * 4 << " \".fc[0:" << faces - 1 << "]\" -type \"polyFaces\"";
    for (int f = 0; f < faces; ++f) out << "\n\t\tf 4 " << f << ' ' << f + 1 << ' ' << -(f + 2) << ' ' << -(f + 3) << "\n\t\tmu 0 4 " << f << ' ' << f + 1 << ' ' << f + 11 << ' ' << f + 10;
    out << ";\n";
}

void generateScene(const std::string& path) {
    std::ofstream out(path);
    out.precision(9);
    out << "//Maya ASCII 2016 scene\n//Name: level.ma\nrequires maya \"2016\";\ncurrentUnit -l centimeter -a degree -t film;\n";
    for (int i = 0; i < kTransforms; ++i) {
        out << "createNode transform -n \"mesh" << i << "\";\n";
        out << "\tsetAttr \".t\" -type \"double3\" " << i << " 0 " << -i << " ;\n";
        out << "\taddAttr -ci true -sn \"q5X_lod\" -ln \"q5X_lod\" -at \"long\";\n\tsetAttr \".q5X_lod\" " << i % 4 << ";\n";
        writeMesh(out, i);
    }
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void LoadLargeScene(benchmark::State& state) {
    mayahost::setOutputStream(nullptr);
    const std::string path = generatedScenePath();
    if (!std::filesystem::exists(path)) generateScene(path);
    const double megabytes = double(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
    const long before = peakResidentKilobytes();
    for (auto _ : state) {
        std::string error;
        if (!mayahost::loadMayaAsciiFile(path, mayahost::Scene::current(), error)) state.SkipWithError(error.c_str());
    }
    state.counters["file_MB"] = megabytes;
    state.counters["MB_per_s"] = benchmark::Counter(megabytes * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak_growth_x_file"] = double(peakResidentKilobytes() - before) / 1024.0 / megabytes;
    mayahost::resetScene();
}

}  // namespace

BENCHMARK(LoadLargeScene)->Unit(benchmark::kMillisecond)->Iterations(2);
