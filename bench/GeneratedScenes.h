#ifndef Q5X_BENCH_GENERATEDSCENES_H
#define Q5X_BENCH_GENERATEDSCENES_H

// Scenes a benchmark writes once into the temporary folder and opens in the stand-in.
#include <mayahost/Host.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace benchscenes {

// Opens the scene `fileName`, written when it is not there yet: a scene file's header, then what
// `generate` writes. False, with the benchmark skipped, when it cannot be read. The host's
// messages are silenced.
inline bool openGeneratedScene(benchmark::State& state, const char* fileName, void (*generate)(std::ofstream& out)) {
    mayahost::setOutputStream(nullptr);
    const std::string path = (std::filesystem::temp_directory_path() / fileName).string();
    if (!std::filesystem::exists(path)) {
        std::ofstream out(path);
        out << "//Maya ASCII 2016 scene\nrequires maya \"2016\";\ncurrentUnit -l centimeter -a degree -t film;\n";
        generate(out);
    }
    std::string error;
    if (mayahost::openScene(path, error)) return true;
    state.SkipWithError(error.c_str());
    return false;
}

}  // namespace benchscenes

#endif
