// Collision cooking of generated meshes: a rolling terrain cooked as a triangle mesh (weld, BVH,
// edge map, blob) and a sphere of points cooked as a convex hull (two hull computations and the
// mass integrals).
#include "physics/PhysicsCookingInterface.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

std::unique_ptr<IndexedTriangleSet> terrain(int cells) {
    auto set = std::make_unique<IndexedTriangleSet>();
    const int side = cells + 1;
    set->numVertices = std::uint32_t(side * side);
    for (int z = 0; z < side; ++z) {
        for (int x = 0; x < side; ++x) set->positions.insert(set->positions.end(), {float(x), std::sin(x * 0.1f) * std::cos(z * 0.13f) * 4.0f, float(z)});
    }
    set->resizeIndices(std::uint32_t(6 * cells * cells));
    std::uint32_t i = 0;
    for (int z = 0; z < cells; ++z) {
        for (int x = 0; x < cells; ++x) {
            const std::uint32_t a = std::uint32_t(z * side + x), b = a + 1, c = a + std::uint32_t(side) + 1, d = a + std::uint32_t(side);
            for (const std::uint32_t v : {a, d, c, a, c, b}) set->setIndex(i++, v);
        }
    }
    return set;
}

std::unique_ptr<IndexedTriangleSet> pointSphere(int rings) {
    auto set = std::make_unique<IndexedTriangleSet>();
    for (int r = 1; r < rings; ++r) {
        for (int s = 0; s < 2 * rings; ++s) {
            const float theta = float(M_PI) * float(r) / float(rings), phi = float(M_PI) * float(s) / float(rings);
            set->positions.insert(set->positions.end(), {std::sin(theta) * std::cos(phi), std::cos(theta), std::sin(theta) * std::sin(phi)});
        }
    }
    set->numVertices = std::uint32_t(set->positions.size() / 3);
    return set;
}

void BM_CookTriangleMesh(benchmark::State& state) {
    const auto mesh = terrain(int(state.range(0)));
    Q5XSaveUtil::PhysicsCookingInterface cooking;
    std::vector<std::uint8_t> blob;
    for (auto _ : state) {
        cooking.cookTriangleMesh(*mesh, blob);
        benchmark::DoNotOptimize(blob.data());
    }
    state.counters["triangles"] = double(mesh->numIndices / 3);
    state.counters["blob_KB"] = double(blob.size()) / 1024.0;
}
BENCHMARK(BM_CookTriangleMesh)->Arg(64)->Arg(180)->Unit(benchmark::kMillisecond);

void BM_CookConvexHull(benchmark::State& state) {
    const auto mesh = pointSphere(int(state.range(0)));
    Q5XSaveUtil::PhysicsCookingInterface cooking;
    std::vector<std::uint8_t> blob;
    for (auto _ : state) {
        cooking.cookConvexHull(*mesh, blob);
        benchmark::DoNotOptimize(blob.data());
    }
    state.counters["points"] = double(mesh->numVertices);
}
BENCHMARK(BM_CookConvexHull)->Arg(16)->Arg(40)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
