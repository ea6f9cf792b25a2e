// Whole q5xhost runs (load, export, write) on generated levels: one mesh of a million triangles,
// ten thousand small meshes, and DAGs that stress size and shape (a flat million transforms, a
// 20,000-deep chain, many unnamed nodes, one name shared by many nodes). Time and the child's
// peak memory are recorded.
#include "LevelRunner.h"

namespace {

using namespace levels;

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

// One mesh of 1,003,520 triangles (784 x 640 quads) with normals and one UV set.
std::string bigMeshLevel() {
    return generatedLevel("big_mesh", [](std::ofstream& out) { writeGridMesh(out, "terrain", 784, 640); });
}

// 10,000 meshes of 100 triangles each.
std::string manyMeshesLevel() {
    return generatedLevel("many_meshes", [](std::ofstream& out) {
        for (int m = 0; m < 10000; ++m) {
            writeGridMesh(out, "rock" + std::to_string(m), 10, 5);
            out << "connectAttr \"rock" << m << "Shape.iog\" \":initialShadingGroup.dsm\" -na;\n";
        }
    });
}

void BigMeshXml(benchmark::State& state) {
    runExport(state, bigMeshLevel(), "-shapes -normals -uvs");
}

void BigMeshBinary(benchmark::State& state) {
    runExport(state, bigMeshLevel(), "-shapes -normals -uvs -bin");
}

void ManyMeshesXml(benchmark::State& state) {
    runExport(state, manyMeshesLevel(), "-shapes -normals -uvs");
}

}  // namespace

BENCHMARK(BigMeshXml)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BigMeshBinary)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ManyMeshesXml)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(FlatMillionTransforms)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(Chain20000Deep)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(UnnamedNodes40000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(OneName40000Times)->Unit(benchmark::kMillisecond)->Iterations(1);
