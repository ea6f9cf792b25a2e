// The Files table's keys and the Files section's names, against the rules worked out by hand.
#include "lookup/FilePaths.h"
#include "materials/FilesSection.h"

#include "support/ExportRun.h"

#include <mayahost/Host.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

std::string fileElement(const ExportContext& context, const std::string& name, const std::string& sourceImages = "") {
    std::string text;
    Q5XSaveUtil::XmlWriter out(text);
    writeFileElement(context, name, 7, sourceImages, out);
    return text;
}

}  // namespace

TEST(FilePaths, SceneNamesBecomeTableKeys) {
    EXPECT_EQ(resolveFilePath("C:\\textures\\x.dds", false, "", "c:/scenes/"), "C:/textures/x.png");
    EXPECT_EQ(resolveFilePath("./tex/a.png", false, "", "c:/scenes/"), "c:/scenes/tex/a.png");
    EXPECT_EQ(resolveFilePath("tex/../b.png", false, "", "c:/scenes/"), "c:/scenes/b.png");
    EXPECT_EQ(resolveFilePath("$data/x.png", true, "D:/game/", "c:/scenes/"), "D:/game/data/x.png");
    EXPECT_EQ(resolveFilePath("$data/x.png", false, "D:/game/", "c:/scenes/"), "$data/x.png");
    // A name beginning with '/' is absolute here; "../" never climbs past a drive, a root or a share.
    EXPECT_EQ(resolveFilePath("/srv/tex/a.png", false, "", "c:/scenes/"), "/srv/tex/a.png");
    EXPECT_EQ(resolveFilePath("C:/art/../../tex/a.png", false, "", ""), "C:/tex/a.png");
    EXPECT_EQ(resolveFilePath("/art/../../../tex/a.png", false, "", ""), "/tex/a.png");
    EXPECT_EQ(resolveFilePath("//server/share/../a.png", false, "", ""), "//server/share/a.png");
    // An unsaved scene keeps a relative name relative, "../" it cannot collapse included.
    EXPECT_EQ(resolveFilePath("../a.png", false, "", ""), "../a.png");
    EXPECT_EQ(resolveFilePath("", false, "", "c:/scenes/"), "");
}

TEST(FilesSection, NamesAreWrittenAsTheFlagsSay) {
    ExportContext context;
    EXPECT_EQ(fileElement(context, "a.png", "C:/proj/sourceimages/"),
              "    <File fileId=\"7\" filename=\"C:/proj/sourceimages/a.png\" />\n");
    EXPECT_EQ(fileElement(context, "/srv/tex/a.png", "C:/proj/sourceimages/"), "    <File fileId=\"7\" filename=\"/srv/tex/a.png\" />\n");
    context.options.gameRelativePaths = true;
    context.gamePath = "D:/game/";
    EXPECT_EQ(fileElement(context, "d:/GAME/data/x.png"), "    <File fileId=\"7\" filename=\"$data/x.png\" />\n");
    context.options.gameRelativePaths = false;
    context.options.relativePaths = true;
    context.outputDirectory = "c:/proj/";
    EXPECT_EQ(fileElement(context, "C:/proj/tex/a.png"), "    <File fileId=\"7\" filename=\"tex/a.png\" />\n");
    EXPECT_EQ(fileElement(context, "D:/other/a.png"), "    <File fileId=\"7\" filename=\"D:/other/a.png\" />\n");
    context.outputDirectory = "c:/proj/maps/";
    EXPECT_EQ(fileElement(context, "C:/proj/textures/a.png"), "    <File fileId=\"7\" filename=\"../textures/a.png\" />\n");
    // Markup in a name is escaped: a reader gets the name back unchanged.
    context.options.relativePaths = false;
    EXPECT_EQ(fileElement(context, "C:/R&D/<\"a\">.png"), "    <File fileId=\"7\" filename=\"C:/R&amp;D/&lt;&quot;a&quot;>.png\" />\n");
}

TEST(FilesSection, TheProjectGivesTheSourceImagesFolder) {
    // A project whose workspace.mel moves the source images, a scene two folders below it, and a
    // reference spelled two ways: one File, whose name lies below the scene's folder.
    TempFolder folder;
    std::filesystem::create_directories(folder.file("proj/scenes/level"));
    writeFile(folder.file("proj/workspace.mel"), "//Maya 2022 Project Definition\n\nworkspace -fr \"sourceImages\" \"art/images\";\n");
    writeFile(folder.file("proj/scenes/level/yard.ma"),
              "//Maya ASCII 2022 scene\nrequires maya \"2022\";\n"
              "createNode transform -n \"a\";\n\taddAttr -ci true -sn \"q5X_referenceFilename\" -ln \"q5X_referenceFilename\" -dt \"string\";\n"
              "\tsetAttr \".q5X_referenceFilename\" -type \"string\" \"./props/crate.q5x\";\n"
              "createNode transform -n \"b\";\n\taddAttr -ci true -sn \"q5X_referenceFilename\" -ln \"q5X_referenceFilename\" -dt \"string\";\n"
              "\tsetAttr \".q5X_referenceFilename\" -type \"string\" \"props/old/../crate.q5x\";\n// End of yard.ma\n");
    const ExportRun result = runExport(folder, folder.file("proj/scenes/level/yard.ma"), "", "out.q5x",
                                       {"workspace -expandName \"\"", "workspace -fileRuleEntry \"sourceImages\""});
    ASSERT_EQ(result.run.exitCode, 0) << result.run.output;
    EXPECT_NE(result.run.output.find("// Result: " + folder.file("proj/") + " //"), std::string::npos) << result.run.output;
    EXPECT_NE(result.run.output.find("// Result: art/images //"), std::string::npos);
    EXPECT_NE(result.document.find("  <Files>\n    <File fileId=\"1\" filename=\"" + folder.file("proj/scenes/level/props/crate.q5x") +
                                   "\" />\n  </Files>\n"),
              std::string::npos)
        << result.document;
    EXPECT_NE(result.document.find("<ReferenceNode name=\"a\" referenceId=\"1\""), std::string::npos);
    EXPECT_NE(result.document.find("<ReferenceNode name=\"b\" referenceId=\"1\""), std::string::npos);
    // -proj names the project as Maya's batch mode does.
    const HostRun project = runHost({folder.file("proj/scenes/level/yard.ma"), "-proj", folder.file("proj/scenes"), "-c",
                                     "workspace -expandName \"\"", "-c", "workspace -fileRuleEntry \"sourceImages\""});
    EXPECT_NE(project.output.find("// Result: " + folder.file("proj/scenes/") + " //"), std::string::npos) << project.output;
    EXPECT_NE(project.output.find("// Result: sourceimages //"), std::string::npos);
}
