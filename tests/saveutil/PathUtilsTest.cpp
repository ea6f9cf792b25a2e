#include "saveutil/PathUtils.h"

#include <gtest/gtest.h>

using namespace Q5XSaveUtil;

TEST(PathUtils, AbsolutePathsAreDrivesSharesAndPosixRoots) {
    EXPECT_TRUE(isAbsolutePath("C:/out/a.dds"));
    EXPECT_TRUE(isAbsolutePath("c:relative-to-drive"));
    EXPECT_TRUE(isAbsolutePath("\\\\server\\share"));
    EXPECT_TRUE(isAbsolutePath("/home/me/level.q5x"));
    EXPECT_FALSE(isAbsolutePath(""));
    EXPECT_FALSE(isAbsolutePath("tex/a.dds"));
    EXPECT_FALSE(isAbsolutePath("\\single"));
}

TEST(PathUtils, NormalizeSlashesKeepsSharesAndFixesDriveRelativePaths) {
    EXPECT_EQ(normalizeSlashes("C:\\a\\b"), "C:/a/b");
    EXPECT_EQ(normalizeSlashes("//server/share/x"), "\\\\server/share/x");
    EXPECT_EQ(normalizeSlashes("\\\\server\\share"), "\\\\server/share");
    EXPECT_EQ(normalizeSlashes("C:foo"), "C:/foo");
    EXPECT_EQ(normalizeSlashes("C:"), "C:");
}

TEST(PathUtils, NormalizePathRemovesParentPairsButNeverTheFirstSegment) {
    EXPECT_EQ(normalizePath("C:/a/b/../c"), "C:/a/c");
    EXPECT_EQ(normalizePath("C:\\a\\b\\..\\c"), "C:/a/c");
    EXPECT_EQ(normalizePath("x/a/../b"), "x/b");
    EXPECT_EQ(normalizePath("a/../b"), "a/../b");
    EXPECT_EQ(normalizePath("x/../../y"), "x/../../y");
    EXPECT_EQ(normalizePath("x/.hidden/../y"), "x/.hidden/../y");
    EXPECT_EQ(normalizePath("C:/a/b/c/../../d"), "C:/a/d");
}

TEST(PathUtils, CollapseParentRefsAlsoAtTheStart) {
    std::string path = "a/../b";
    EXPECT_TRUE(collapseParentRefs(path));
    EXPECT_EQ(path, "b");
    path = "C:/x/y/../../z";
    EXPECT_TRUE(collapseParentRefs(path));
    EXPECT_EQ(path, "C:/z");
    path = "../b";
    EXPECT_FALSE(collapseParentRefs(path));
    path = "C:/x/../y/../z";
    EXPECT_TRUE(collapseParentRefs(path));
    EXPECT_EQ(path, "C:/z");
}

TEST(PathUtils, DirectoryAndFileNameParts) {
    std::string out = "unchanged";
    getDirectory("/a.dds", out);
    EXPECT_EQ(out, "unchanged");
    getDirectory("a.dds", out);
    EXPECT_EQ(out, "unchanged");
    getDirectory("C:/t/a.dds", out);
    EXPECT_EQ(out, "C:/t/");

    getFileName("C:/maps/level.final.mb", out, false);
    EXPECT_EQ(out, "level.final");
    getFileName("C:/maps.old/level", out, false);
    EXPECT_EQ(out, "level");
    getFileName("C:/maps/level.final.mb", out, true);
    EXPECT_EQ(out, "level.final.mb");
    getFileName("plain", out, true);
    EXPECT_EQ(out, "plain");
}

TEST(PathUtils, JoinPathClimbsOneFolderPerParentGroup) {
    std::string out;
    joinPath("C:/a/b/", "../c.xml", out);
    EXPECT_EQ(out, "C:/a/c.xml");
    joinPath("C:/a/b", ".", out);
    EXPECT_EQ(out, "C:/a/b");
    joinPath("a/b", "../../c", out);
    EXPECT_EQ(out, "c");
    joinPath("x", "../../y", out);
    EXPECT_EQ(out, "../y");
    joinPath("C:/a/b/", "c/d.xml", out);
    EXPECT_EQ(out, "C:/a/b/c/d.xml");
    joinPath("C:/a/b/", "D:/e.xml", out);
    EXPECT_EQ(out, "D:/e.xml");
    joinPath("", "e.xml", out);
    EXPECT_EQ(out, "e.xml");
    // An absolute base that runs out of folders keeps the whole relative path.
    joinPath("C:/a", "../../e.xml", out);
    EXPECT_EQ(out, "C:/a/../../e.xml");
}

TEST(PathUtils, MakeRelativePathClimbsFromTheCommonFolder) {
    std::string out;
    EXPECT_TRUE(makeRelativePath("C:/out/", "C:/out/tex/a.png", "C:/out/tex/a.png", out));
    EXPECT_EQ(out, "tex/a.png");
    EXPECT_TRUE(makeRelativePath("C:/out/maps/", "C:/out/tex/a.png", "C:/out/tex/a.png", out));
    EXPECT_EQ(out, "../tex/a.png");
    EXPECT_TRUE(makeRelativePath("c:/out/", "c:/out/tex/a.png", "C:/Out/Tex/A.png", out));
    EXPECT_EQ(out, "Tex/A.png");
    EXPECT_FALSE(makeRelativePath("D:/x/", "C:/y", "C:/y", out));
    // Only the first character in common: no folder to climb to.
    EXPECT_FALSE(makeRelativePath("/x/", "/y/a.png", "/y/a.png", out));
}
