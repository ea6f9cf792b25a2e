// Whole q5xhost runs on geometry that once took minutes or all the memory: a 20-million-triangle
// plane (peak memory), a skin cluster of 10,000 influences, one face with 10,000 holes, one face of
// 100,000 corners.
#include "LevelRunner.h"

#include <cmath>

namespace {

using namespace levels;

void Plane20MillionTriangles(benchmark::State& state) {
    runExport(state, generatedLevel("plane_20m", [](std::ofstream& out) {
                  out << "createNode transform -n \"floor\";\ncreateNode mesh -n \"floorShape\" -p \"floor\";\n"
                         "createNode polyPlane -n \"wide\";\n\tsetAttr \".sw\" 3163;\n\tsetAttr \".sh\" 3162;\n"
                         "connectAttr \"wide.out\" \"floorShape.i\";\n";
              }),
              "-shapes -normals -uvs -bin");
}

void SkinOf10000Influences(benchmark::State& state) {
    runExport(state, generatedLevel("influences_10000", [](std::ofstream& out) {
                  for (int i = 0; i < 10000; ++i) out << "createNode joint -n \"j" << i << "\";\n";
                  out << "createNode transform -n \"m\";\ncreateNode mesh -n \"mShape\" -p \"m\";\n"
                         "createNode mesh -n \"mShapeOrig\" -p \"m\";\n\tsetAttr \".io\" yes;\n"
                         "\tsetAttr -s 3 \".vt[0:2]\" 0 0 0 1 0 0 0 1 0;\n\tsetAttr -s 3 \".ed[0:2]\" 0 1 0 1 2 0 2 0 0;\n"
                         "\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2;\n"
                         "createNode skinCluster -n \"sc\";\n\tsetAttr \".wl[0:2].w\" 1 0 1 1 1 1 1 2 1;\n";
                  for (int i = 0; i < 10000; ++i) out << "connectAttr \"j" << i << ".wm\" \"sc.ma[" << i << "]\";\n";
                  out << "connectAttr \"mShapeOrig.w\" \"sc.ip[0].ig\";\nconnectAttr \"sc.og[0]\" \"mShape.i\";\n";
              }),
              "-shapes -skinWeights");
}

// One face: an outline of `corners` points on a circle (wavy when `wavy`), with a grid of
// `holeColumns` x `holeColumns` square holes inside it.
void writeBigFace(std::ofstream& out, int corners, bool wavy, int holeColumns) {
    const int holes = holeColumns * holeColumns;
    const int points = corners + 4 * holes;
    out << "createNode transform -n \"face\";\ncreateNode mesh -n \"faceShape\" -p \"face\";\n";
    out << "\tsetAttr -s " << points << " \".vt[0:" << points - 1 << "]\"";
    const double radius = 2.0 * holeColumns + 4;
    for (int i = 0; i < corners; ++i) {
        const double angle = 2 * M_PI * i / corners, r = wavy && i % 2 ? radius * 1.05 : radius;
        out << ' ' << r * std::cos(angle) << ' ' << r * std::sin(angle) << " 0";
    }
    for (int h = 0; h < holes; ++h) {
        const double x = 2.0 * (h % holeColumns) - holeColumns, y = 2.0 * (h / holeColumns) - holeColumns;
        out << ' ' << x << ' ' << y << " 0 " << x << ' ' << y + 1 << " 0 " << x + 1 << ' ' << y + 1 << " 0 " << x + 1 << ' ' << y << " 0";
    }
    out << ";\n\tsetAttr -s " << points << " \".ed[0:" << points - 1 << "]\"";
    for (int i = 0; i < corners; ++i) out << ' ' << i << ' ' << (i + 1) % corners << " 0";
    for (int h = 0; h < holes; ++h) {
        for (int k = 0; k < 4; ++k) out << ' ' << corners + 4 * h + k << ' ' << corners + 4 * h + (k + 1) % 4 << " 0";
    }
    out << ";\n\tsetAttr \".fc[0]\" -type \"polyFaces\" f " << corners;
    for (int i = 0; i < corners; ++i) out << ' ' << i;
    for (int h = 0; h < holes; ++h) out << " h 4 " << corners + 4 * h << ' ' << corners + 4 * h + 1 << ' ' << corners + 4 * h + 2 << ' ' << corners + 4 * h + 3;
    out << ";\n";
}

void FaceWith10000Holes(benchmark::State& state) {
    runExport(state, generatedLevel("holes_10000", [](std::ofstream& out) { writeBigFace(out, 64, false, 100); }), "-shapes -normals");
}

void FaceOf100000Corners(benchmark::State& state) {
    runExport(state, generatedLevel("corners_100000", [](std::ofstream& out) { writeBigFace(out, 100000, true, 0); }),
              "-shapes -normals");
}

}  // namespace

BENCHMARK(Plane20MillionTriangles)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(SkinOf10000Influences)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(FaceWith10000Holes)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(FaceOf100000Corners)->Unit(benchmark::kMillisecond)->Iterations(1);
