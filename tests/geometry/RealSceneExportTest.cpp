// Scenes written the way Maya saves them export whole and at their true size: long face lists in
// chunks, metre scenes, colour sets of one component, skin clusters with a gap in their influences,
// values beyond single precision, shapes whose history cannot be evaluated.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

const char* const kHeader = "//Maya ASCII 2022 scene\nrequires maya \"2022\";\n";

// A flat grid of `columns` x `rows` quads of `cell` units in the XY plane, facing +Z, stored as
// Maya stores it: ".vt", ".ed" and ".fc" in chunks of at most 500 elements, "-type" only on the
// first chunk of the faces; one colour per vertex from an alpha-only colour set of value 0.25.
std::string gridMesh(int columns, int rows, double cell) {
    const int points = (columns + 1) * (rows + 1);
    auto chunked = [](std::ostream& out, const std::string& attribute, int count, const char* type, auto&& element) {
        for (int first = 0; first < count; first += 500) {
            const int last = std::min(count, first + 500) - 1;
            out << "\tsetAttr \"." << attribute << "[" << first << ":" << last << "]\"";
            if (first == 0 && type) out << " -type \"" << type << "\"";
            for (int i = first; i <= last; ++i) out << ' ' << element(i);
            out << ";\n";
        }
    };
    std::ostringstream out;
    out << "\tsetAttr \".clst[0].clsn\" -type \"string\" \"alpha\";\n\tsetAttr \".clst[0].rprt\" 1;\n";
    out << "\tsetAttr -s " << points << " \".clst[0].clsp[0:" << points - 1 << "]\"";
    for (int i = 0; i < points; ++i) out << " 0.25";
    out << ";\n";
    chunked(out, "vt", points, nullptr, [&](int i) {
        std::ostringstream p;
        p << (i % (columns + 1)) * cell << ' ' << (i / (columns + 1)) * cell << " 0";
        return p.str();
    });
    const int horizontal = (rows + 1) * columns;
    const int edges = horizontal + rows * (columns + 1);
    chunked(out, "ed", edges, nullptr, [&](int e) {
        std::ostringstream p;
        if (e < horizontal) {
            const int a = (e / columns) * (columns + 1) + e % columns;
            p << a << ' ' << a + 1 << " 0";
        } else {
            const int a = e - horizontal;
            p << a << ' ' << a + columns + 1 << " 0";
        }
        return p.str();
    });
    chunked(out, "fc", columns * rows, "polyFaces", [&](int f) {
        const int i = f % columns, j = f / columns;
        const int bottom = j * columns + i, top = (j + 1) * columns + i;
        const int left = horizontal + j * (columns + 1) + i, right = left + 1;
        const int a = j * (columns + 1) + i;
        std::ostringstream p;
        p << "f 4 " << bottom << ' ' << right << ' ' << -top - 1 << ' ' << -left - 1 << " mc 0 4 " << a << ' ' << a + 1 << ' '
          << a + columns + 2 << ' ' << a + columns + 1;
        return p.str();
    });
    return out.str();
}

std::string summaryValue(const std::string& check, const std::string& key) {
    const std::size_t at = check.find(key + "=");
    return at == std::string::npos ? std::string() : check.substr(at + key.size() + 1, check.find_first_of(" \n", at) - at - key.size() - 1);
}

}  // namespace

TEST(RealSceneExport, ChunkedFacesOfAMetreSceneExportWholeAtTheirSize) {
    // 40 x 30 cells of 0.05 m: a 2 m x 1.5 m panel of 1,200 quads under a transform 0.78 m up.
    TempFolder folder;
    writeFile(folder.file("panel.ma"), std::string(kHeader) + "currentUnit -l meter -a degree -t film;\n"
                                           "createNode transform -n \"panel\";\n\tsetAttr \".t\" -type \"double3\" 0 0.78 0 ;\n"
                                           "createNode mesh -n \"panelShape\" -p \"panel\";\n" +
                                           gridMesh(40, 30, 0.05) + "// End of panel.ma\n");
    for (const char* mode : {"", " -binaryfiles"}) {
        const ExportRun result = runExport(folder, folder.file("panel.ma"), std::string("-shapes -normals -colors") + mode);
        ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
        EXPECT_EQ(result.run.output.find("Warning"), std::string::npos) << result.run.output;
        EXPECT_EQ(summaryValue(result.check.output, "triangles"), "2400") << result.check.output;
        EXPECT_EQ(summaryValue(result.check.output, "vertices"), "1271");
        EXPECT_NE(result.document.find("<Shape name=\"panel\" translation=\"0 0.78 0\""), std::string::npos) << result.document;
    }
    const ExportRun xml = runExport(folder, folder.file("panel.ma"), "-shapes -normals -colors");
    // The document is in the scene's unit: the panel's corners are (0, 0) and (2, 1.5), its
    // bounding sphere's radius the half diagonal 1.25; every vertex is white with alpha 0.25.
    EXPECT_NE(xml.document.find("bvCenter=\"1 0.75 0\" bvRadius=\"1.25\""), std::string::npos);
    EXPECT_NE(xml.document.find("<v p=\"2 1.5 0\" n=\"0 0 1\" c=\"1 1 1 0.25\"/>"), std::string::npos);
    EXPECT_EQ(xml.document.find("c=\"0"), std::string::npos);
}

TEST(RealSceneExport, BlendIndicesFollowTheBindListAcrossAMissingInfluence) {
    // "matrix" elements 0 (hip), 2 (no joint, a stored matrix) and 3 (knee): the bind list has three
    // entries, and weights on element 3 are blend index 2, not 1.
    TempFolder folder;
    writeFile(folder.file("gap.ma"),
              std::string(kHeader) +
                  "createNode joint -n \"hip\";\ncreateNode joint -n \"knee\" -p \"hip\";\n"
                  "createNode transform -n \"leg\";\ncreateNode mesh -n \"legShape\" -p \"leg\";\n"
                  "createNode mesh -n \"legShapeOrig\" -p \"leg\";\n\tsetAttr \".io\" yes;\n"
                  "\tsetAttr -s 3 \".vt[0:2]\"  0 0 0 1 0 0 0 1 0;\n\tsetAttr -s 3 \".ed[0:2]\"  0 1 0 1 2 0 2 0 0;\n"
                  "\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2;\n"
                  "createNode skinCluster -n \"skinCluster1\";\n"
                  "\tsetAttr -s 4 \".wl\";\n\tsetAttr \".wl[0:3].w\" 1 3 1 1 0 1 2 0 0.25 3 0.75 1 0 1;\n"
                  "\tsetAttr \".ma[2]\" -type \"matrix\" 1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1;\n"
                  "connectAttr \"hip.wm\" \"skinCluster1.ma[0]\";\nconnectAttr \"knee.wm\" \"skinCluster1.ma[3]\";\n"
                  "connectAttr \"legShapeOrig.w\" \"skinCluster1.ip[0].ig\";\nconnectAttr \"skinCluster1.og[0]\" \"legShape.i\";\n"
                  "// End of gap.ma\n");
    const ExportRun result = runExport(folder, folder.file("gap.ma"), "-shapes -skinWeights -ignoreBindPoses");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_NE(result.document.find("skinBindNodeIds=\"1 0 2\""), std::string::npos) << result.document;
    EXPECT_NE(result.document.find("<v p=\"0 0 0\" bw=\"1 0 0 0\" bi=\"2 0 0 0\"/>"), std::string::npos) << result.document;
    EXPECT_NE(result.document.find("<v p=\"1 0 0\" bw=\"1 0 0 0\" bi=\"0 0 0 0\"/>"), std::string::npos);
    EXPECT_NE(result.document.find("<v p=\"0 1 0\" bw=\"0.75 0.25 0 0\" bi=\"2 0 0 0\"/>"), std::string::npos);
    EXPECT_NE(result.run.output.find("binds influences that are not exported: matrix[2] (no single node)"), std::string::npos)
        << result.run.output;
    // A fourth weight for a mesh of three points: the mesh lost a point after it was bound.
    EXPECT_NE(result.run.output.find("q5xExport: Skin cluster skinCluster1 has weights for 4 vertices, but legShape has 3; "
                                     "the rest are ignored"),
              std::string::npos);
}

TEST(RealSceneExport, ValuesBeyondSinglePrecisionNeverReachTheDocument) {
    // A scale of 1e39 and a point at 1e39 are finite doubles but infinite floats.
    TempFolder folder;
    writeFile(folder.file("huge.ma"),
              std::string(kHeader) +
                  "createNode transform -n \"blown\";\n\tsetAttr \".s\" -type \"double3\" 1e39 2 1 ;\n"
                  "createNode mesh -n \"blownShape\" -p \"blown\";\n"
                  "\tsetAttr -s 3 \".vt[0:2]\"  0 0 0 1e39 0 0 0 1 0;\n\tsetAttr -s 3 \".ed[0:2]\"  0 1 0 1 2 0 2 0 0;\n"
                  "\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2;\n// End of huge.ma\n");
    for (const char* mode : {"", " -binaryfiles"}) {
        const ExportRun result = runExport(folder, folder.file("huge.ma"), std::string("-shapes") + mode);
        ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
        EXPECT_NE(result.document.find("<Shape name=\"blown\" scale=\"1 2 1\""), std::string::npos) << result.document;
        EXPECT_EQ(result.document.find("inf"), std::string::npos);
        EXPECT_NE(result.run.output.find("q5xExport: blown has values that are not finite numbers"), std::string::npos)
            << result.run.output;
        EXPECT_NE(result.run.output.find("q5xExport: Mesh blownShape has values that are not finite numbers"), std::string::npos);
    }
}

TEST(RealSceneExport, ShapesWithoutGeometryAreCountedInTheSummary) {
    // The history of this mesh ends in a plug-in node the stand-in cannot evaluate.
    TempFolder folder;
    writeFile(folder.file("plugin.ma"), std::string(kHeader) +
                                            "requires -nodeType \"fancyGenerator\" \"fancyTools\" \"1.0\";\n"
                                            "createNode transform -n \"thing\";\ncreateNode mesh -n \"thingShape\" -p \"thing\";\n"
                                            "createNode fancyGenerator -n \"gen1\";\n"
                                            "connectAttr \"gen1.out\" \"thingShape.i\";\n// End of plugin.ma\n");
    const ExportRun result = runExport(folder, folder.file("plugin.ma"), "-shapes");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_NE(result.run.output.find("node type 'fancyGenerator' comes from the plug-in 'fancyTools', which is not loaded here"),
              std::string::npos)
        << result.run.output;
    EXPECT_NE(result.run.output.find("mesh thingShape: its geometry cannot be had; it is exported without polygons"),
              std::string::npos);
    EXPECT_NE(result.run.output.find("files written, 1 shapes without geometry, "), std::string::npos);
    EXPECT_NE(result.document.find("<Shape name=\"thing\""), std::string::npos);
}
