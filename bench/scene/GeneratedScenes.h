#ifndef Q5X_BENCH_GENERATEDSCENES_H
#define Q5X_BENCH_GENERATEDSCENES_H

// Scenes a benchmark writes once into the temporary folder and opens in the stand-in.
#include <mayahost/Host.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace benchscenes {

// Opens the scene `fileName`, written by `generate` when it is not there yet; false, with the
// benchmark skipped, when it cannot be read. The host's messages are silenced.
inline bool openGeneratedScene(benchmark::State& state, const char* fileName, void (*generate)(const std::string& path)) {
    mayahost::setOutputStream(nullptr);
    const std::string path = (std::filesystem::temp_directory_path() / fileName).string();
    if (!std::filesystem::exists(path)) generate(path);
    std::string error;
    if (mayahost::openScene(path, error)) return true;
    state.SkipWithError(error.c_str());
    return false;
}

}  // namespace benchscenes

#endif
