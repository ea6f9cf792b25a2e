// Materials exported from small scenes, with every element and number worked out by hand from
// the scene's shader networks.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string section(const std::string& document, const std::string& name) {
    const std::size_t start = document.find("  <" + name + ">");
    const std::size_t end = document.find("  </" + name + ">\n", start);
    if (start == std::string::npos || end == std::string::npos) return {};
    return document.substr(start, end + name.size() + 6 - start);
}

}  // namespace

TEST(MaterialsSection, ShaderNetworksBecomeMaterialElements) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("materials.ma"), "-shapes");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // brick: a file on the colour, a bump node of depth 0.5 over a second file on the normal.
    // glow: glow intensity 1 makes its colour file emissive. glass: colour (0.2 0.4 0.6) with
    // alpha 1 - max(0.2, 0.5, 0.1); translucence 0.5 blends; refractive index 1.5 asks for a
    // planar reflection (resolution 1024, mask "0x0F"); refractions with absorbance 0.25 give
    // coefficient 0.75. metal: a blinn written as phong, its specular file the brick's file
    // spelled "./tex/brick.png" (one id). layers: a layered texture's three files in layer order.
    EXPECT_EQ(section(result.document, "Materials"),
              "  <Materials>\n"
              "    <Material name=\"brick\" materialId=\"1\">\n"
              "      <Texture fileId=\"1\"/>\n"
              "      <Normalmap fileId=\"2\" bumpDepth=\"0.5\"/>\n"
              "    </Material>\n"
              "    <Material name=\"glow\" materialId=\"2\">\n"
              "      <Emissivemap fileId=\"3\"/>\n"
              "    </Material>\n"
              "    <Material name=\"glass\" materialId=\"3\" diffuseColor=\"0.2 0.4 0.6 0.5\" specularColor=\"1 1 1\" "
              "alphaBlending=\"true\" shadingRate=\"2x2\">\n"
              "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.5\" bumpScale=\"0.1\" resolution=\"1024\" shapesObjectMask=\"15\"/>\n"
              "      <Refractionmap type=\"planar\" coeff=\"0.75\" bumpScale=\"0.1\"/>\n"
              "    </Material>\n"
              "    <Material name=\"metal\" materialId=\"4\" diffuseColor=\"0.5 0.5 0.5 1\">\n"
              "      <Glossmap fileId=\"1\"/>\n"
              "    </Material>\n"
              "    <Material name=\"layers\" materialId=\"5\">\n"
              "      <Texture fileId=\"4\"/>\n"
              "      <Texture fileId=\"5\"/>\n"
              "      <Texture fileId=\"6\"/>\n"
              "    </Material>\n"
              "  </Materials>\n");
    const std::string scenes = std::string(Q5X_TEST_SCENES) + "/tex/";
    // The ampersand and the less-than sign come back unchanged from a reader.
    EXPECT_TRUE(contains(result.document, "<File fileId=\"3\" filename=\"" + scenes + "R&amp;D &lt;1>.png\" />"));
    EXPECT_TRUE(contains(result.document, "<File fileId=\"1\" filename=\"" + scenes + "brick.png\" />"));
    EXPECT_FALSE(contains(result.document, "fileId=\"7\""));
    const std::string& messages = result.run.output;
    EXPECT_TRUE(contains(messages, "Blinn shader type is not directly supported, approximating to phong shader "
                                   "(only lambert and phong supported): metal"));
    EXPECT_TRUE(contains(messages, "Unsupported shader type (only lambert and phong supported): fur is of type kAnisotropy"));
    EXPECT_TRUE(contains(messages, "Material sky is of type standardSurface"));
    // The standard surface's id stays on its shape, where the engine falls back to its default.
    EXPECT_TRUE(contains(result.check.output, "materialIds entry 6 names no Material"));
}

TEST(MaterialsSection, LoopsRangesAndEmptyNamesAreSurvived) {
    TempFolder folder;
    const ExportRun result = runExport(folder, testScene("materials_hostile.ma"), "-shapes");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    // Two layered textures feeding each other and one feeding itself: each file once, a warning each.
    EXPECT_TRUE(contains(result.document, "    <Material name=\"loop\" materialId=\"1\">\n      <Texture fileId=\"1\"/>\n    </Material>\n"));
    EXPECT_TRUE(contains(result.run.output, "Layered texture outer feeds itself through its layers (material loop)"));
    EXPECT_TRUE(contains(result.run.output, "Layered texture itself feeds itself through its layers (material loop)"));
    // 1e10 is no resolution and 0x1FFFFFFFF no 32-bit mask: the defaults stay, and are not written.
    EXPECT_TRUE(contains(result.document, "      <Reflectionmap type=\"planar\" refractiveIndex=\"1.25\" bumpScale=\"0.1\"/>\n"));
    EXPECT_TRUE(contains(result.run.output, "Material odd: the value of reflectionMapResolution is out of range; the default 512 is used"));
    EXPECT_TRUE(contains(result.run.output, "Material odd: the value of reflectionMapLightsObjectMask is out of range"));
    // A file node without a file name: no File element names a folder, and the colour is written.
    EXPECT_TRUE(contains(result.document, "<Material name=\"odd\" materialId=\"2\" diffuseColor="));
    EXPECT_EQ(section(result.document, "Files").find("File fileId=\"2\""), std::string::npos);
}
