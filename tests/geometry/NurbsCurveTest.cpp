// NURBS curves as shapes: the control vertices an engine needs (a closed curve without the CV
// that repeats its first, a periodic one without the `degree` that wrap around), in XML and as
// kind-2 records of the companion file.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace {

std::string littleEndian(std::uint32_t value) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) bytes += char((value >> shift) & 0xFF);
    return bytes;
}

std::string littleEndianFloat(float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return littleEndian(bits);
}

}  // namespace

TEST(NurbsCurves, ControlVerticesAsTheEngineClosesThem) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("nurbs_curves.ma"), "-shapes -nurbscurves");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    const std::string& document = result.document;
    // The degree-1 square saved closed with 5 CVs keeps 4.
    EXPECT_TRUE(contains(document, "    <NurbsCurve name=\"loopShape\" shapeId=\"2\" degree=\"1\" form=\"closed\">\n"
                                   "          <cv c=\"0 0 0\"/>\n          <cv c=\"10 0 0\"/>\n          <cv c=\"10 10 0\"/>\n"
                                   "          <cv c=\"0 10 0\"/>\n    </NurbsCurve>\n"))
        << document;
    // The periodic cubic of 11 CVs keeps 8 and reads as closed; the rational arc keeps its three
    // points (the weight stays with the curve); the open rail keeps all 21 (read from numbers the
    // stand-in stores compactly, as integers).
    EXPECT_TRUE(contains(document, "<NurbsCurve name=\"ringShape\" shapeId=\"3\" degree=\"3\" form=\"closed\">\n"
                                   "          <cv c=\"10 0 0\"/>\n"));
    EXPECT_TRUE(contains(document, "          <cv c=\"7 0 -7\"/>\n    </NurbsCurve>\n"));
    EXPECT_TRUE(contains(document, "<NurbsCurve name=\"arcShape\" shapeId=\"4\" degree=\"2\" form=\"open\">\n"
                                   "          <cv c=\"10 0 0\"/>\n          <cv c=\"10 10 0\"/>\n          <cv c=\"0 10 0\"/>\n"));
    EXPECT_TRUE(contains(document, "          <cv c=\"475 10 0\"/>\n          <cv c=\"500 0 0\"/>\n    </NurbsCurve>\n"));
    // Each curve's node refers to its shape; the curve made by history is said to be empty.
    EXPECT_TRUE(contains(document, "<Shape name=\"loop\" translation=\"0 0 100\" shapeId=\"2\" nodeId=\"2\"/>"));
    EXPECT_TRUE(contains(document, "<NurbsCurve name=\"drawnShape\" shapeId=\"5\" degree=\"1\" form=\"open\">\n    </NurbsCurve>\n"));
    EXPECT_TRUE(contains(result.run.output, "curve drawnShape: it holds no saved curve and its history is not evaluated"));
    EXPECT_TRUE(contains(result.run.output, "1 shapes without geometry"));
    EXPECT_TRUE(contains(result.check.output, "control vertices=36 curves=5")) << result.check.output;

    // Without -nurbscurves the curves are neither shapes nor nodes.
    const ExportRun without = runExport(folder, testScene("nurbs_curves.ma"), "-shapes", "without.q5x");
    EXPECT_FALSE(contains(without.document, "NurbsCurve"));
    EXPECT_FALSE(contains(without.document, "shapeId"));
}

TEST(NurbsCurves, BinaryRecordsHoldNameShapeIdClosedFlagAndPoints) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("nurbs_curves.ma"), "-shapes -nurbscurves -binaryfiles");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    const std::string shapes = readFile(folder.file("out.q5x.shapes"));
    // The square: kind 2, 80 bytes = name length 4 + "loopShape" padded to 12 + shape id, closed
    // flag and count 12 + 4 points of 12 bytes + no value channels 4.
    std::string loop = littleEndian(2) + littleEndian(80) + littleEndian(9) + std::string("loopShape\0\0\0", 12) + littleEndian(2) +
                       littleEndian(1) + littleEndian(4);
    for (const float c : {0.f, 0.f, 0.f, 10.f, 0.f, 0.f, 10.f, 10.f, 0.f, 0.f, 10.f, 0.f}) loop += littleEndianFloat(c);
    loop += littleEndian(0);
    EXPECT_TRUE(contains(shapes, loop));
    EXPECT_EQ(shapes.substr(0, 8), littleEndian(10) + littleEndian(5));
}

TEST(NurbsCurves, AMetreSceneWritesMetres) {
    // Saved in metres, read in centimetres, written in the scene's unit again: 2.5 m stays 2.5.
    TempFolder folder;
    writeFile(folder.file("metres.ma"), "//Maya ASCII 2022 scene\nrequires maya \"2022\";\ncurrentUnit -l meter -a degree -t film;\n"
                                        "createNode transform -n \"wire\";\ncreateNode nurbsCurve -n \"wireShape\" -p \"wire\";\n"
                                        "\tsetAttr \".cc\" -type \"nurbsCurve\" 1 1 0 no 3 2 0 1 2 0 0 0 2.5 0 0;\n");
    const ExportRun result = runExport(folder, folder.file("metres.ma"), "-shapes -nurbscurves");
    EXPECT_TRUE(contains(result.document, "<cv c=\"0 0 0\"/>\n          <cv c=\"2.5 0 0\"/>")) << result.document;
}
