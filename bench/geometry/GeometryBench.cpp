// The geometry hot path on a generated 1M-triangle soup and on real meshes, against meshoptimizer.
#include "ObjReader.h"

#include "geometry/BoundingSphere.h"
#include "geometry/CreateIndexedTriangleSet.h"
#include "geometry/Tangents.h"
#include "geometry/VertexCache.h"
#include "geometry/Weld.h"

#include <benchmark/benchmark.h>
#include <meshoptimizer.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <random>

namespace {

BuildVertex makeCorner(float x, float y, float z) {
    BuildVertex v;
    std::memset(&v, 0, sizeof v);
    v.position[0] = x;
    v.position[1] = y;
    v.position[2] = z;
    v.normal[2] = 1.0f;
    v.uv[0][0] = x * 0.1f;
    v.uv[0][1] = y * 0.1f;
    return v;
}

// A 708 x 708 quad grid on a gentle wave: 1,002,528 triangles as a soup of 3M corners. With hard
// edges every quad has a normal of its own, so each grid point carries four vertices.
MeshBuildBuffer gridSoup(bool hardEdges) {
    constexpr int kSide = 708;
    MeshBuildBuffer buffer;
    buffer.vertexFormat = kVertexNormal | kVertexUv0 | kVertexTangent;
    buffer.vertices.reserve(std::size_t(kSide) * kSide * 6);
    auto height = [](int x, int y) { return 0.5f * std::sin(x * 0.05f) * std::cos(y * 0.05f); };
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const BuildVertex a = makeCorner(float(x), float(y), height(x, y));
            const BuildVertex b = makeCorner(float(x + 1), float(y), height(x + 1, y));
            const BuildVertex c = makeCorner(float(x + 1), float(y + 1), height(x + 1, y + 1));
            const BuildVertex d = makeCorner(float(x), float(y + 1), height(x, y + 1));
            for (const BuildVertex* v : {&a, &b, &c, &a, &c, &d}) {
                buffer.vertices.push_back(*v);
                if (hardEdges) buffer.vertices.back().normal[0] = 0.01f * float((x + 3 * y) % 7);
            }
        }
    }
    for (std::uint32_t i = 0; i < buffer.vertices.size(); i += 3) buffer.triangles.push_back({{i, i + 1, i + 2}, 0, 1});
    // Tangents are per corner before welding, as mesh extraction makes them.
    computeTangents(buffer);
    return buffer;
}

MeshBuildBuffer soupOf(const ObjMesh& mesh) {
    MeshBuildBuffer buffer;
    buffer.vertexFormat = kVertexNormal | kVertexUv0;
    for (unsigned int corner : mesh.corners) {
        buffer.vertices.push_back(makeCorner(mesh.positions[3 * corner], mesh.positions[3 * corner + 1],
                                             mesh.positions[3 * corner + 2]));
    }
    for (std::uint32_t i = 0; i < buffer.vertices.size(); i += 3) buffer.triangles.push_back({{i, i + 1, i + 2}, 0, 1});
    return buffer;
}

std::vector<unsigned int> indicesOf(const IndexedTriangleSet& set) {
    std::vector<unsigned int> indices(set.numIndices);
    for (std::uint32_t i = 0; i < set.numIndices; ++i) indices[i] = set.index(i);
    return indices;
}

struct MeshoptResult {
    std::vector<unsigned int> indices;
    std::size_t vertexCount = 0;
};

MeshoptResult meshoptPipeline(const MeshBuildBuffer& soup) {
    const std::size_t count = soup.vertices.size();
    std::vector<unsigned int> remap(count);
    const std::size_t unique =
        meshopt_generateVertexRemap(remap.data(), nullptr, count, soup.vertices.data(), count, sizeof(BuildVertex));
    std::vector<BuildVertex> vertices(unique);
    meshopt_remapVertexBuffer(vertices.data(), soup.vertices.data(), count, sizeof(BuildVertex), remap.data());
    MeshoptResult result{std::vector<unsigned int>(count), unique};
    meshopt_remapIndexBuffer(result.indices.data(), nullptr, count, remap.data());
    meshopt_optimizeVertexCache(result.indices.data(), result.indices.data(), count, unique);
    benchmark::DoNotOptimize(vertices.data());
    return result;
}

std::unique_ptr<IndexedTriangleSet> ourPipeline(MeshBuildBuffer& soup) {
    weldVertices(soup);
    auto set = createIndexedTriangleSet(soup);
    optimizeVertexCache(*set);
    return set;
}

void reportCacheMissRates(benchmark::State& state, const IndexedTriangleSet& ours, const MeshoptResult& theirs) {
    const std::vector<unsigned int> indices = indicesOf(ours);
    for (unsigned cache : {16u, 32u}) {
        const double acmr = meshopt_analyzeVertexCache(indices.data(), indices.size(), ours.numVertices, cache, 0, 0).acmr;
        const double reference =
            meshopt_analyzeVertexCache(theirs.indices.data(), theirs.indices.size(), theirs.vertexCount, cache, 0, 0).acmr;
        state.counters["acmr" + std::to_string(cache)] = acmr;
        state.counters["acmr" + std::to_string(cache) + "_ratio"] = acmr / reference;
    }
}

const MeshBuildBuffer& generatedSoup() {
    static const MeshBuildBuffer soup = gridSoup(false);
    return soup;
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Both pipelines in turn on every iteration, so that the ratio compares runs under the same load;
// the fastest run of each counts.
void compareWithMeshoptimizer(benchmark::State& state, const MeshBuildBuffer& soup) {
    std::unique_ptr<IndexedTriangleSet> set;
    MeshoptResult theirs;
    double oursBest = 1e30, theirsBest = 1e30;
    for (auto _ : state) {
        MeshBuildBuffer copy = soup;  // welding works in place; the copy is not the work measured
        auto start = std::chrono::steady_clock::now();
        set = ourPipeline(copy);
        oursBest = std::min(oursBest, millisecondsSince(start));
        start = std::chrono::steady_clock::now();
        theirs = meshoptPipeline(soup);
        theirsBest = std::min(theirsBest, millisecondsSince(start));
    }
    reportCacheMissRates(state, *set, theirs);
    state.counters["ours_ms"] = oursBest;
    state.counters["meshopt_ms"] = theirsBest;
    state.counters["time_ratio"] = oursBest / theirsBest;
    state.counters["vertices"] = set->numVertices;
    state.counters["triangles"] = double(soup.triangles.size());
}

void WeldCreateOptimizeVsMeshoptimizer_Grid1M(benchmark::State& state) {
    compareWithMeshoptimizer(state, generatedSoup());
}

void WeldCreateOptimizeVsMeshoptimizer_HardEdgedGrid1M(benchmark::State& state) {
    compareWithMeshoptimizer(state, gridSoup(true));
}

void WeldOnly_Grid1M(benchmark::State& state) {
    const MeshBuildBuffer& soup = generatedSoup();
    for (auto _ : state) {
        state.PauseTiming();
        MeshBuildBuffer copy = soup;
        state.ResumeTiming();
        weldVertices(copy);
        benchmark::DoNotOptimize(copy.vertices.data());
    }
}

void VertexCacheOnly_Grid1M(benchmark::State& state) {
    MeshBuildBuffer welded = generatedSoup();
    weldVertices(welded);
    const auto created = createIndexedTriangleSet(welded);
    for (auto _ : state) {
        state.PauseTiming();
        auto set = created->clone();
        state.ResumeTiming();
        optimizeVertexCache(*set);
        benchmark::DoNotOptimize(set->indices32.data());
    }
}

void VertexCache_Fan100k(benchmark::State& state) {
    MeshBuildBuffer fan;
    fan.vertices.push_back(makeCorner(0, 0, 0));
    const std::uint32_t rim = 100000;
    for (std::uint32_t i = 0; i <= rim; ++i) fan.vertices.push_back(makeCorner(std::cos(i * 1e-4f), std::sin(i * 1e-4f), 0));
    for (std::uint32_t i = 1; i <= rim; ++i) fan.triangles.push_back({{0, i, i + 1}, 0, 1});
    const auto created = createIndexedTriangleSet(fan);
    for (auto _ : state) {
        auto set = created->clone();
        optimizeVertexCache(*set);
        benchmark::DoNotOptimize(set->indices32.data());
    }
}

void BoundingSphere_3M(benchmark::State& state) {
    std::mt19937 random(5);
    std::normal_distribution<float> normal;
    std::vector<float> points(9000000);
    for (float& p : points) p = normal(random);
    for (auto _ : state) benchmark::DoNotOptimize(computeBoundingSphere(points.data(), points.size() / 3));
}

void RealMeshes(benchmark::State& state, const std::string& path) {
    ObjMesh mesh;
    if (!readObj(path, mesh)) {
        state.SkipWithError("cannot read the mesh");
        return;
    }
    compareWithMeshoptimizer(state, soupOf(mesh));
}

// The meshes that the V-HACD package ships beside its header.
void registerRealMeshes() {
    const std::filesystem::path folder = std::filesystem::path(Q5X_VHACD_MESHES);
    if (!std::filesystem::is_directory(folder)) return;
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".obj") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        // Best of 200: a small mesh takes a millisecond or two, far less than this machine's swings.
        benchmark::RegisterBenchmark(("RealMesh/" + file.stem().string()).c_str(), RealMeshes, file.string())
            ->Unit(benchmark::kMillisecond)
            ->Iterations(200);
    }
}

}  // namespace

BENCHMARK(WeldCreateOptimizeVsMeshoptimizer_Grid1M)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WeldCreateOptimizeVsMeshoptimizer_HardEdgedGrid1M)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(WeldOnly_Grid1M)->Unit(benchmark::kMillisecond);
BENCHMARK(VertexCacheOnly_Grid1M)->Unit(benchmark::kMillisecond);
BENCHMARK(VertexCache_Fan100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BoundingSphere_3M)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    registerRealMeshes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
