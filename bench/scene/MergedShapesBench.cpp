// A merge group of 256 members (the most one merged shape binds), each a subdivided cube of 1,200
// triangles: the scene model and the merged shape's extraction, welding and writing.
#include "geometry/ShapesSection.h"
#include "GeneratedScenes.h"

#include "saveutil/XmlWriter.h"
#include "scene/SceneModel.h"

#include <mayahost/Host.h>

#include <benchmark/benchmark.h>

#include <fstream>

namespace {

constexpr int kMembers = 256;

void generateScene(std::ofstream& out) {
    for (int m = 0; m < kMembers; ++m) {
        out << "createNode transform -n \"brick" << m << "\";\n"
            << "\taddAttr -ci true -sn \"q5X_mergeGroup\" -ln \"q5X_mergeGroup\" -at \"long\";\n"
            << "\tsetAttr \".q5X_mergeGroup\" 1;\n\tsetAttr \".t\" -type \"double3\" " << m % 16 << " 0 " << m / 16 << " ;\n"
            << "createNode mesh -n \"brickShape" << m << "\" -p \"brick" << m << "\";\n"
            << "createNode polyCube -n \"brickCube" << m << "\";\n\tsetAttr \".sw\" 10;\n\tsetAttr \".sh\" 10;\n\tsetAttr \".sd\" 10;\n"
            << "connectAttr \"brickCube" << m << ".out\" \"brickShape" << m << ".i\";\n";
    }
    out << "// End of merged.ma\n";
}

void MergeGroupOf256Members(benchmark::State& state) {
    if (!benchscenes::openGeneratedScene(state, "q5x_bench_merged.ma", generateScene)) return;
    std::size_t bytes = 0;
    for (auto _ : state) {
        ExportContext context;
        context.options.shapes = context.options.mergeGroups = true;
        ExportModel model;
        buildSceneModel(context, model);
        std::string shapes;
        Q5XSaveUtil::XmlWriter out(shapes);
        CompanionRecordList records;
        ShapeExportOptions options;
        options.normals = options.textureCoords = true;
        writeShapes(options, model, out, records, [](std::size_t, std::size_t) {});
        bytes = shapes.size();
    }
    state.counters["triangles"] = double(kMembers) * 1200.0;
    state.counters["shapes_MB"] = double(bytes) / (1024.0 * 1024.0);
    mayahost::resetScene();
}

}  // namespace

BENCHMARK(MergeGroupOf256Members)->Unit(benchmark::kMillisecond)->Iterations(2);
