// The Scene section of a level of 100k transforms with steering attributes, and the bounding
// volumes of a level with many requests.
#include "GeneratedScenes.h"

#include "saveutil/XmlWriter.h"
#include "scene/BoundingVolumes.h"
#include "scene/SceneModel.h"
#include "scene/SceneSection.h"

#include <mayahost/Host.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>

namespace {

constexpr int kGroups = 1000;
constexpr int kTransformsPerGroup = 99;  // 100k transforms with the groups

void generateScene(std::ofstream& out) {
    for (int g = 0; g < kGroups; ++g) {
        out << "createNode transform -n \"group" << g << "\";\n\tsetAttr \".t\" -type \"double3\" " << g << " 0 0 ;\n";
        for (int t = 0; t < kTransformsPerGroup; ++t) {
            out << "createNode transform -n \"node" << g << "_" << t << "\" -p \"group" << g << "\";\n"
                << "\taddAttr -ci true -sn \"q5X_collision\" -ln \"q5X_collision\" -at \"bool\";\n"
                << "\taddAttr -ci true -sn \"q5X_density\" -ln \"q5X_density\" -at \"float\";\n"
                << "\taddAttr -ci true -sn \"q5X_lod1\" -ln \"q5X_lod1\" -at \"float\";\n"
                << "\taddAttr -ci true -sn \"q5X_objectMask\" -ln \"q5X_objectMask\" -dt \"string\";\n"
                << "\tsetAttr \".q5X_collision\" " << (t % 2 ? "yes" : "no") << ";\n"
                << "\tsetAttr \".q5X_density\" " << 1 + t * 0.5 << ";\n"
                << "\tsetAttr \".q5X_lod1\" " << t * 10 << ";\n"
                << "\tsetAttr \".q5X_objectMask\" -type \"string\" \"0x0F\";\n"
                << "\tsetAttr \".t\" -type \"double3\" " << t << " 1.5 -2 ;\n"
                << "\tsetAttr \".r\" -type \"double3\" 0 " << t % 360 << " 0 ;\n";
        }
    }
}

void SceneSection100kTransforms(benchmark::State& state) {
    if (!benchscenes::openGeneratedScene(state, "q5x_bench_walk.ma", generateScene)) return;
    std::size_t bytes = 0;
    double modelSeconds = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ExportContext context;
        context.options.shapes = true;
        ExportModel model;
        buildSceneModel(context, model);
        modelSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::string scene;
        Q5XSaveUtil::XmlWriter out(scene);
        writeSceneSection(context, model, out);
        bytes = scene.size();
    }
    state.counters["model_ms"] = 1000.0 * modelSeconds / double(state.iterations());
    state.counters["scene_MB"] = double(bytes) / (1024.0 * 1024.0);
    mayahost::resetScene();
}

constexpr int kTargets = 20000;
constexpr int kHulls = 2000;

// 20,000 shapes and 2,000 hulls that each name one of them as their bounding-volume target.
void generateBoundingVolumeScene(std::ofstream& out) {
    for (int t = 0; t < kTargets; ++t) {
        out << "createNode transform -n \"rock" << t << "\";\n\tsetAttr \".t\" -type \"double3\" " << t << " 0 0 ;\n"
            << "createNode mesh -n \"rockShape" << t << "\" -p \"rock" << t << "\";\n";
    }
    for (int h = 0; h < kHulls; ++h) {
        out << "createNode transform -n \"hull" << h << "\";\n"
            << "\taddAttr -ci true -sn \"q5X_boundingVolume\" -ln \"q5X_boundingVolume\" -dt \"string\";\n"
            << "\tsetAttr \".q5X_boundingVolume\" -type \"string\" \"rock" << h * 7 << "\";\n"
            << "createNode mesh -n \"hullShape" << h << "\" -p \"hull" << h << "\";\n";
    }
}

void BoundingVolumes2000In22000Transforms(benchmark::State& state) {
    if (!benchscenes::openGeneratedScene(state, "q5x_bench_bounding_volumes.ma", generateBoundingVolumeScene)) return;
    std::size_t resolved = 0;
    for (auto _ : state) {
        ExportContext context;
        context.options.shapes = true;
        ExportModel model;
        buildSceneModel(context, model);
        resolveBoundingVolumes(context, model);
        resolved = model.boundingVolumes.size();
    }
    state.counters["resolved"] = double(resolved);
    mayahost::resetScene();
}

}  // namespace

BENCHMARK(BoundingVolumes2000In22000Transforms)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(SceneSection100kTransforms)->Unit(benchmark::kMillisecond)->Iterations(2);
