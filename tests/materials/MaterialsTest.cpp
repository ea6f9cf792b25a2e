// Materials exported from small scenes, with every element and number worked out by hand from
// the scene's shader networks.
#include "support/ExportRun.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

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

namespace {

const char* const kTriangle = "\tsetAttr -s 3 \".vt[0:2]\"  0 0 0 1 0 0 0 1 0;\n\tsetAttr -s 3 \".ed[0:2]\"  0 1 0 1 2 0 2 0 0;\n"
                              "\tsetAttr \".fc[0]\" -type \"polyFaces\" f 3 0 1 2;\n";

// One triangle mesh per material, each material with its shading group.
std::string meshesUsing(const std::vector<std::string>& materials) {
    std::string text;
    for (const std::string& material : materials) {
        text += "createNode transform -n \"" + material + "Mesh\";\ncreateNode mesh -n \"" + material + "MeshShape\" -p \"" +
                material + "Mesh\";\n" + kTriangle;
        text += "createNode shadingEngine -n \"" + material + "SG\";\n";
    }
    return text;
}

std::string connections(const std::vector<std::string>& materials) {
    std::string text;
    for (const std::string& material : materials) {
        text += "connectAttr \"" + material + ".oc\" \"" + material + "SG.ss\";\n";
        text += "connectAttr \"" + material + "MeshShape.iog\" \"" + material + "SG.dsm\" -na;\n";
    }
    return text;
}

std::string colourWithAlpha(const std::string& name) {
    return "\taddAttr -ci true -sn \"" + name + "\" -ln \"" + name + "\" -at \"compound\" -nc 2;\n"
           "\taddAttr -ci true -sn \"" + name + "RGB\" -ln \"" + name + "RGB\" -at \"float3\" -p \"" + name + "\" -nc 3;\n"
           "\taddAttr -ci true -sn \"" + name + "R\" -ln \"" + name + "R\" -at \"float\" -p \"" + name + "RGB\";\n"
           "\taddAttr -ci true -sn \"" + name + "G\" -ln \"" + name + "G\" -at \"float\" -p \"" + name + "RGB\";\n"
           "\taddAttr -ci true -sn \"" + name + "B\" -ln \"" + name + "B\" -at \"float\" -p \"" + name + "RGB\";\n"
           "\taddAttr -ci true -sn \"" + name + "A\" -ln \"" + name + "A\" -at \"float\" -p \"" + name + "\";\n";
}

std::string stringAttribute(const std::string& name, const std::string& value) {
    return "\taddAttr -ci true -sn \"" + name + "\" -ln \"" + name + "\" -dt \"string\";\n\tsetAttr \"." + name +
           "\" -type \"string\" \"" + value + "\";\n";
}

}  // namespace

TEST(MaterialsSection, CustomShadersTakeValuesFromNodesAndTemplateChains) {
    TempFolder folder;
    const std::string game = folder.file("game/");
    std::filesystem::create_directories(folder.file("game/shaders"));
    std::filesystem::create_directories(folder.file("game/templates"));
    writeFile(folder.file("game/shaders/water.xml"),
              "<CustomShader>\n  <Parameters>\n"
              "    <Parameter name=\"tint\" type=\"float3\" template=\"look\"/>\n"
              "    <Parameter name=\"speed\" type=\"float\" template=\"look\"/>\n"
              "    <Parameter name=\"waves\" type=\"float\" arraySize=\"2\"><Default index=\"0\">1</Default><Default index=\"1\">2</Default></Parameter>\n"
              "    <Parameter name=\"broken\" type=\"float\" arraySize=\"3\"><Default index=\"0\">1</Default></Parameter>\n"
              "  </Parameters>\n"
              "  <Textures><Texture name=\"foam\" template=\"look\"/><Texture name=\"detail\"/></Textures>\n"
              "  <ParameterTemplates><ParameterTemplate id=\"look\" filename=\"$templates/child.xml\"/>"
              "<ParameterTemplate filename=\"$templates/nameless.xml\"/></ParameterTemplates>\n</CustomShader>\n");
    writeFile(folder.file("game/templates/child.xml"),
              "<templates id=\"child\" parentTemplateFilename=\"$templates/parent.xml\">\n"
              "  <template name=\"calm\" parentTemplate=\"still\" speed=\"0.5\"/>\n</templates>\n");
    writeFile(folder.file("game/templates/parent.xml"),
              "<templates id=\"parent\">\n  <template name=\"still\" tint=\"0.1 0.2 0.3\" foam=\"$textures/foam.png\"/>\n</templates>\n");
    // A classic material whose template file names itself as its parent.
    writeFile(folder.file("game/shaders/loop.xml"),
              "<CustomShader><Parameters><Parameter name=\"p\" type=\"float\" template=\"cyc\"/><Parameter name=\"q\" type=\"float2\"/>"
              "</Parameters><ParameterTemplates><ParameterTemplate id=\"cyc\" filename=\"$templates/cycle.xml\"/></ParameterTemplates></CustomShader>\n");
    writeFile(folder.file("game/templates/cycle.xml"),
              "<templates id=\"cycle\" parentTemplateFilename=\"$templates/cycle.xml\"><template name=\"a\" parentTemplate=\"a\"/></templates>\n");

    writeFile(folder.file("game/shaders/cut.xml"), "<CustomShader><Parameters><Parameter name=\"p\" type=\"flo");

    const std::vector<std::string> materials{"water", "plain", "missing", "loopy", "cut"};
    const std::string scene =
        "//Maya ASCII 2022 scene\nrequires maya \"2022\";\nrequires -nodeType \"GLSLShader\" \"glslShader\" \"1.0\";\n" +
        meshesUsing(materials) +
        "createNode GLSLShader -n \"water\";\n" + colourWithAlpha("diffuseColor") + colourWithAlpha("specularColor") +
        "\taddAttr -ci true -sn \"customParameter_enable_waves0\" -ln \"customParameter_enable_waves0\" -at \"bool\";\n"
        "\taddAttr -ci true -sn \"customParameter_waves0\" -ln \"customParameter_waves0\" -at \"float\";\n"
        "\taddAttr -ci true -sn \"customParameter_enable_detail\" -ln \"customParameter_enable_detail\" -at \"bool\";\n" +
        stringAttribute("customTexture_detail", "") + stringAttribute("customParameterTemplate_look_child", "calm") +
        stringAttribute("shadingRate", "1x1") +
        "\tsetAttr \".s\" -type \"string\" \"" + game + "shaders/water.ogsfx\";\n"
        "\tsetAttr \".t\" -type \"string\" \"alphaBlending\";\n"
        "\tsetAttr \".diffuseColorRGB\" -type \"float3\" 0.5 0.25 1;\n\tsetAttr \".diffuseColorA\" 0.75;\n"
        "\tsetAttr \".specularColorRGB\" -type \"float3\" 1 1 0;\n"
        "\tsetAttr \".customParameter_enable_waves0\" yes;\n\tsetAttr \".customParameter_waves0\" 1.123456;\n"
        "\tsetAttr \".customParameter_enable_detail\" yes;\n"
        "createNode file -n \"detailFile\";\n\tsetAttr \".ftn\" -type \"string\" \"" + game + "textures/detail.png\";\n"
        "createNode GLSLShader -n \"plain\";\n" + colourWithAlpha("emissiveColor") +
        "\tsetAttr \".s\" -type \"string\" \"" + game + "shaders/baseShader.ogsfx\";\n"
        "\tsetAttr \".emissiveColorRGB\" -type \"float3\" 1 0 0;\n"
        "createNode file -n \"glowFile\";\n\tsetAttr \".ftn\" -type \"string\" \"" + game + "textures/glow.png\";\n"
        "createNode GLSLShader -n \"missing\";\n\tsetAttr \".s\" -type \"string\" \"" + game + "shaders/gone.ogsfx\";\n"
        "createNode lambert -n \"loopy\";\n" + stringAttribute("customShader", "$shaders/loop.xml") +
        stringAttribute("customParameterTemplate_cyc_cycle", "a") + stringAttribute("customParameter_q", "7 8") +
        "createNode lambert -n \"cut\";\n" + stringAttribute("customShader", game + "shaders/cut.xml") +
        stringAttribute("customParameter_p", "1") + connections(materials) +
        "connectAttr \"detailFile.oc\" \"water.customTexture_detail\";\nconnectAttr \"glowFile.oc\" \"plain.diffuseMap\";\n"
        "// End of scene.ma\n";
    writeFile(folder.file("scene.ma"), scene);
    const ExportRun result = runExport(folder, folder.file("scene.ma"), "-shapes -gameRelativePaths -gamePath \"" + game + "\"");
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_FALSE(contains(result.run.output, "GLSLShader' comes from the plug-in")) << result.run.output;
    // The classic pass comes first: loopy's and cut's shader files take ids 1 and 2. water: the
    // colour with alpha as written, the specular colour's three values; its shader file takes id 3; "1x1" is the engine's default and stays unwritten. waves0 is the
    // node's own value (four digits), waves1 has no source; tint comes from the parent file's
    // "still" variant, which the child's "calm" names; speed from "calm" itself; the foam file
    // from "still"; the detail file from the file node plugged into the attribute.
    EXPECT_TRUE(contains(result.document,
                         "    <Material name=\"water\" materialId=\"1\" diffuseColor=\"0.5 0.25 1 0.75\" specularColor=\"1 1 0\" "
                         "customShaderId=\"3\" alphaBlending=\"true\">\n"
                         "      <CustomParameter name=\"speed\" value=\"0.5\"/>\n"
                         "      <CustomParameter name=\"tint\" value=\"0.1 0.2 0.3\"/>\n"
                         "      <CustomParameter name=\"waves0\" value=\"1.123\"/>\n"
                         "      <Custommap name=\"detail\" fileId=\"4\"/>\n"
                         "      <Custommap name=\"foam\" fileId=\"5\"/>\n"
                         "    </Material>\n"))
        << result.document;
    // plain: an emissive colour makes the diffuse file emissive; "baseShader" is no custom shader.
    EXPECT_TRUE(contains(result.document, "    <Material name=\"plain\" materialId=\"2\">\n      <Emissivemap fileId=\"6\"/>\n    </Material>\n"));
    EXPECT_TRUE(contains(result.document, "    <Material name=\"missing\" materialId=\"3\">\n    </Material>\n"));
    // loopy: its own text value for q; p's template chain loops back on itself and gives nothing.
    EXPECT_TRUE(contains(result.document, "    <Material name=\"loopy\" materialId=\"4\" diffuseColor=\"0.5 0.5 0.5 1\" customShaderId=\"1\">\n"
                                          "      <CustomParameter name=\"q\" value=\"7 8\"/>\n    </Material>\n"))
        << result.document;
    // cut: a truncated shader file gives no parameters; the material and its shader id stay.
    EXPECT_TRUE(contains(result.document, "    <Material name=\"cut\" materialId=\"5\" diffuseColor=\"0.5 0.5 0.5 1\" customShaderId=\"2\">\n"
                                          "    </Material>\n"));
    EXPECT_TRUE(contains(result.document, "filename=\"$shaders/water.xml\""));
    EXPECT_TRUE(contains(result.document, "filename=\"$textures/foam.png\""));
    const std::string& messages = result.run.output;
    for (const std::string& warning :
         {"Array parameter broken in custom shader " + game + "shaders/water.xml is malformed : arraySize attribute and entry number does not match",
          "ParameterTemplate $templates/nameless.xml in custom shader " + game + "shaders/water.xml has no id attribute",
          "Custom shader file " + game + "shaders/gone.xml set in GLSLShader missing does not exist",
          "Parameter template file " + game + "templates/cycle.xml leads back to its variant a",
          "Could not load custom shader file " + game + "shaders/cut.xml!"}) {
        EXPECT_TRUE(contains(messages, warning)) << warning << "\n" << messages;
    }
}
