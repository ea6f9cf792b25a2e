// The Animation section of 500 animated joints: one clip of 1,000 frames keyed on every frame on
// all nine transform channels, as XML and as the ".anim" block.
#include "GeneratedScenes.h"
#include "animation/AnimationSection.h"
#include "scene/SceneModel.h"

#include <mayahost/Host.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>

namespace {

constexpr int kJoints = 500;
constexpr int kFrames = 1000;
const char* const kChannels[9][2] = {{"tx", "TL"}, {"ty", "TL"}, {"tz", "TL"}, {"rx", "TA"}, {"ry", "TA"},
                                     {"rz", "TA"}, {"sx", "TU"}, {"sy", "TU"}, {"sz", "TU"}};

void generateScene(std::ofstream& out) {
    for (int j = 0; j < kJoints; ++j) out << "createNode joint -n \"joint" << j << "\";\n";
    out << "createNode character -n \"character1\";\n";
    out << "createNode clipLibrary -n \"character1Clips1\";\n";
    out << "createNode animClip -n \"runSource\";\n\tsetAttr \".se\" " << kFrames - 1 << ";\n\tsetAttr \".ci\" no;\n";
    for (int j = 0; j < kJoints; ++j) {
        for (int c = 0; c < 9; ++c) {
            out << "createNode animCurve" << kChannels[c][1] << " -n \"joint" << j << "_" << kChannels[c][0] << "\";\n";
            out << "\tsetAttr -s " << kFrames << " \".ktv[0:" << kFrames - 1 << "]\"";
            for (int f = 0; f < kFrames; ++f) out << ' ' << f << ' ' << (c >= 6 ? 1.0 : 0.0) + std::sin(0.01 * f + j + c);
            out << ";\n";
        }
    }
    int member = 0;
    for (int j = 0; j < kJoints; ++j) {
        for (int c = 0; c < 9; ++c, ++member) {
            out << "connectAttr \"joint" << j << "." << kChannels[c][0] << "\" \"character1.dnsm[" << member << "]\";\n";
            out << "connectAttr \"joint" << j << "_" << kChannels[c][0] << ".a\" \"character1Clips1.cel[0].cev[" << member
                << "].cevr\";\n";
        }
    }
    out << "connectAttr \"character1.am\" \"character1Clips1.cd[0].cm\";\n";
    out << "connectAttr \"runSource.cl\" \"character1Clips1.sc[0]\";\n// End of q5x_bench_animation.ma\n";
}

void Animation500Joints1000Frames(benchmark::State& state) {
    if (!benchscenes::openGeneratedScene(state, "q5x_bench_animation.ma", generateScene)) return;
    ExportContext context;
    context.options.binaryFiles = state.range(0) != 0;
    context.options.ignoreBindPoses = true;
    ExportModel model;
    buildSceneModel(context, model);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text;
        Q5XSaveUtil::XmlWriter xml(text);
        std::vector<std::uint8_t> block;
        writeAnimation(context, model.nodeTable, xml, block);
        bytes = text.size() + block.size();
    }
    state.counters["MB"] = double(bytes) / (1024.0 * 1024.0);
    mayahost::resetScene();
}
BENCHMARK(Animation500Joints1000Frames)->Arg(0)->Arg(1)->ArgName("binary")->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
