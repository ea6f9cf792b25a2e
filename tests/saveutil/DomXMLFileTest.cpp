// Dotted-path queries over XML files: the path language, the step cache read in any order, counts,
// array sizes, failed loads and hostile files.
#include "saveutil/DomXMLFile.h"
#include "saveutil/FileSystem.h"
#include "saveutil/NativeFileLoader.h"

#include "support/LogCapture.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

using Q5XSaveUtil::DomXMLFile;

namespace {

const char* const kShader =
    "<?xml version=\"1.0\"?>\n<CustomShader name=\"water\">\n  <Parameters>\n"
    "    <Parameter name=\"a\"><Default>1</Default></Parameter>\n"
    "    <Parameter name=\"b\" arraySize=\"0x10\"><Default>2 3</Default></Parameter>\n"
    "    <Parameter name=\"c\" arraySize=\"99999999999\"><Default/></Parameter>\n"
    "    <Other/>\n"
    "    <Parameter name=\"d\" arraySize=\"-3\"><Default>4</Default></Parameter>\n"
    "  </Parameters>\n</CustomShader>\n";

class XmlFiles : public ::testing::Test {
protected:
    void SetUp() override {
        loader_ = std::make_unique<Q5XSaveUtil::ScopedLoader>(Q5XSaveUtil::FileSystem::instance(),
                                                              std::make_unique<Q5XSaveUtil::NativeFileLoader>(folder_.root()));
    }
    std::string write(const std::string& name, const std::string& text) {
        writeFile(folder_.file(name), text);
        return folder_.file(name);
    }

    TempFolder folder_;
    std::unique_ptr<Q5XSaveUtil::ScopedLoader> loader_;
};

}  // namespace

TEST_F(XmlFiles, PathsReachElementsAttributesAndTextsInAnyOrder) {
    DomXMLFile file;
    ASSERT_TRUE(file.load(write("water.xml", kShader)));
    EXPECT_STREQ(file.getText("CustomShader#name", false), "water");
    EXPECT_STREQ(file.getText("CustomShader.Parameters.Parameter(1)#name", false), "b");
    EXPECT_EQ(file.getText("Shader.Parameters.Parameter#name", false), nullptr);  // not the root's name
    EXPECT_EQ(file.getText("CustomShader.Parameters.Parameter(-1)#name", false), nullptr);
    EXPECT_EQ(file.getText("CustomShader.Parameters.Parameter(9)#name", false), nullptr);
    EXPECT_EQ(file.getText("CustomShader.Parameters.Parameter(2).Default", false), nullptr);
    EXPECT_STREQ(file.getText("CustomShader.Parameters.Parameter(2).Default", true), "");
    EXPECT_STREQ(file.getText("CustomShader.Parameters.*(3)", false), nullptr);  // <Other/> has no text
    EXPECT_STREQ(file.getAttribute("CustomShader.Parameters.*(3)", "name", "none"), "none");
    EXPECT_EQ(file.count("CustomShader.Parameters.Parameter"), 4u);
    EXPECT_EQ(file.count("CustomShader.Parameters.Parameter(2)"), 2u);
    EXPECT_EQ(file.count("CustomShader.Parameters.*"), 5u);
    EXPECT_EQ(file.count("CustomShader.Textures.Texture"), 0u);
    // The texts of Parameter(i).Default read in order, backwards and in a jump agree: the cache
    // reuses a step only from the same parent.
    const char* const expected[] = {"1", "2 3", nullptr, "4"};
    for (const int order : {0, 1, 2}) {
        for (int k = 0; k < 4; ++k) {
            const int i = order == 0 ? k : order == 1 ? 3 - k : (k * 3) % 4;
            const char* text = file.getText("CustomShader.Parameters.Parameter(" + std::to_string(i) + ").Default", false);
            if (expected[i]) {
                EXPECT_STREQ(text, expected[i]) << order << " " << i;
            } else {
                EXPECT_EQ(text, nullptr) << order << " " << i;
            }
        }
    }
    EXPECT_EQ(file.getArraySize("CustomShader.Parameters.Parameter(0)"), 0);
    EXPECT_EQ(file.getArraySize("CustomShader.Parameters.Parameter(1)"), 16);
    EXPECT_EQ(file.getArraySize("CustomShader.Parameters.Parameter(2)"), std::nullopt);  // beyond 32 bits: malformed
    EXPECT_EQ(file.getArraySize("CustomShader.Parameters.Parameter(3)"), -3);
}

TEST_F(XmlFiles, FailedLoadsLeaveNothingAndSayWhy) {
    LogCapture log;
    DomXMLFile file;
    ASSERT_TRUE(file.load(write("water.xml", kShader)));
    const std::string empty = write("empty.xml", "");
    EXPECT_FALSE(file.load(empty));
    EXPECT_EQ(file.getText("CustomShader#name", false), nullptr);  // nothing answers from the earlier file
    EXPECT_FALSE(file.load(write("blank.xml", "  \n\t  \n")));
    EXPECT_FALSE(file.load(write("broken.xml", "<CustomShader><Parameters></CustomShader>")));
    EXPECT_FALSE(file.load(folder_.file("missing.xml")));
    ASSERT_EQ(log.errors.size(), 4u);
    EXPECT_EQ(log.errors[0], "Error: Trying to open empty xml file '" + empty + "'.\n");
    EXPECT_NE(log.errors[1].find("XML_ERROR_EMPTY_DOCUMENT"), std::string::npos) << log.errors[1];
    EXPECT_NE(log.errors[2].find("broken.xml"), std::string::npos);
    EXPECT_EQ(log.errors[3], "Error: Failed to open xml file '" + folder_.file("missing.xml") + "'.\n");
    // An internal DTD's entities are not expanded; nesting deeper than the parser allows fails.
    EXPECT_FALSE(file.parse("<!DOCTYPE x [<!ENTITY a 'aaaa'>]><x>&a;&a;</x>", 45) && file.getText("x", false) &&
                 std::string(file.getText("x", false)).find("aaaa") != std::string::npos);
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<a>";
    EXPECT_FALSE(file.parse(deep.data(), deep.size()));
}

TEST(TinyXMLPrinter, EscapesValuesAndIndents) {
    DomXMLFile file;
    const std::string text = "<r a=\"x&amp;&lt;&quot;&apos;>\"><c>t&amp;&lt;></c><e/></r>";
    ASSERT_TRUE(file.parse(text.data(), text.size()));
    ASSERT_TRUE(file.setText("r.n(1)#k", "v"));
    EXPECT_STREQ(file.getText("r.n(1)#k", false), "v");
    EXPECT_EQ(file.count("r.n"), 2u);
    tinyxml2::XMLDocument document;
    document.Parse(text.data(), text.size());
    Q5XSaveUtil::TinyXMLPrinter printer(false);
    document.Accept(&printer);
    EXPECT_EQ(printer.text(), "\xEF\xBB\xBF<r a=\"x&amp;&lt;&quot;&apos;>\">\n    <c>\n        t&amp;&lt;>\n    </c>\n    <e/>\n</r>");
}
