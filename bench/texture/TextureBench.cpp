// Writing a 4096 x 4096 RGBA float texture as the texture command receives it: a double array.
#include "texture/PixelConversion.h"
#include "texture/TextureCommand.h"

#include <mayahost/Host.h>
#include <maya/MArgList.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr unsigned kSide = 4096;
constexpr unsigned kChannels = 4;
constexpr std::size_t kValues = std::size_t(kSide) * kSide * kChannels;

MDoubleArray gradient() {
    MDoubleArray values(static_cast<unsigned>(kValues));
    for (std::size_t i = 0; i < kValues; ++i) values[static_cast<unsigned>(i)] = double(i % 4096) / 4095.0;
    return values;
}

void ConvertToFloat(benchmark::State& state) {
    MDoubleArray values = gradient();
    std::vector<std::uint8_t> out(kValues * 4);
    for (auto _ : state) {
        convertChannels(&values[0], kValues, DdsStorage::Float, out.data());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size()));
}

void ConvertToHalf(benchmark::State& state) {
    MDoubleArray values = gradient();
    std::vector<std::uint8_t> out(kValues * 2);
    for (auto _ : state) {
        convertChannels(&values[0], kValues, DdsStorage::Half, out.data());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size()));
}

// The whole command: argument copy, conversion and the staged file write.
void WriteTextureCommand(benchmark::State& state) {
    mayahost::setOutputStream(nullptr);
    MArgList args;
    const std::string path = "/tmp/q5x_bench_texture.dds";
    args.addArg(MString(path.c_str()));
    args.addArg(int(kSide));
    args.addArg(int(kSide));
    args.addArg(int(kChannels));
    args.addArg(1);
    args.addArg(MString("float"));
    args.addArg(gradient());
    for (auto _ : state) {
        if (!runWriteTexture(args)) state.SkipWithError("texture write failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * kValues * 4));
    std::remove(path.c_str());
}

}  // namespace

BENCHMARK(ConvertToFloat)->Unit(benchmark::kMillisecond);
BENCHMARK(ConvertToHalf)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteTextureCommand)->Unit(benchmark::kMillisecond)->Iterations(3);
