#include "saveutil/XmlWriter.h"

#include <gtest/gtest.h>
#include <tinyxml2.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

using Q5XSaveUtil::XmlWriter;

namespace {

std::string streamText(double value) {
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << value;
    return stream.str();
}

std::string ourText(double value) {
    std::string text;
    Q5XSaveUtil::appendStreamNumber(text, value);
    return text;
}

// The value an XML reader gets back for attribute "a" of <e a="..."/>.
std::string readBack(const std::string& name) {
    std::string document = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\n";
    XmlWriter writer(document);
    writer.startTag(0, "e");
    writer.attribute("a", name);
    writer.endEmptyTag();
    tinyxml2::XMLDocument xml;
    if (xml.Parse(document.c_str(), document.size()) != tinyxml2::XML_SUCCESS) return "<not well-formed>";
    const char* value = xml.RootElement()->Attribute("a");
    return value ? value : "<missing>";
}

// TinyXML-2 hands back character references as UTF-8 and Latin-1 bytes as they stand; this is
// what an ISO-8859-1 reader would make of the bytes, re-encoded to UTF-8.
std::string latin1ToUtf8(const std::string& text) {
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

}  // namespace

TEST(XmlWriter, StreamNumbersAreTheStreamsOwnText) {
    const double fixed[] = {0.0, -0.0, 1.0, 0.5, 1e-05, 100000.0, 1e+06, 1.23456789, 999999.5, 9999995.0,
                            0.00001234565, 123456.5, -2.5e-300, 1e300, FLT_MIN, FLT_MAX, double(FLT_TRUE_MIN),
                            std::numeric_limits<double>::denorm_min(), 0.000099999995, 99999.95, 0.1, 1.0 / 3.0,
                            999999.0, -999999.0, 1000000.0, -1000000.0, 123456.0, -7.0, 2147483648.0, -2147483649.0};
    for (const double value : fixed) EXPECT_EQ(ourText(value), streamText(value)) << value;
    std::mt19937 random(7);
    std::uniform_int_distribution<std::uint32_t> bits;
    for (int i = -1000; i <= 1000; ++i) ASSERT_EQ(ourText(i), streamText(i)) << i;
    for (int i = 0; i < 200000; ++i) {
        const std::uint32_t word = bits(random);
        float value;
        std::memcpy(&value, &word, sizeof value);
        if (std::isnan(value)) continue;
        ASSERT_EQ(ourText(value), streamText(value)) << word;
        const double whole = std::trunc(double(value) / 1e32);  // whole numbers of every size
        ASSERT_EQ(ourText(whole), streamText(whole)) << word;
    }
}

TEST(XmlWriter, AttributeTextComesBackExactlyAndCannotAddMarkup) {
    EXPECT_EQ(readBack("R&D \"test\""), "R&D \"test\"");
    const std::string hostile = "box\" visibility=\"false\" nodeId=\"999\"/><ReferenceNode a=\"<b>";
    EXPECT_EQ(readBack(hostile), hostile);
    EXPECT_EQ(readBack("tab\there\nline\rend"), "tab\there\nline\rend");
    // Non-Latin folder names come back as the same characters.
    EXPECT_EQ(readBack("D:/\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88/\xF0\x9F\x98\x80.ma"),
              "D:/\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88/\xF0\x9F\x98\x80.ma");

    std::string text;
    XmlWriter writer(text);
    writer.attribute("plain", "crate_01 > 2");  // ASCII stays as it is, '>' included
    EXPECT_EQ(text, " plain=\"crate_01 > 2\"");
    text.clear();
    writer.attribute("a", "caf\xC3\xA9");  // Latin-1 characters become single bytes
    EXPECT_EQ(text, " a=\"caf\xE9\"");
    text.clear();
    writer.attribute("a", "\xFF\xC3");  // bytes that are no UTF-8 stay single Latin-1 characters
    EXPECT_EQ(text, " a=\"\xFF\xC3\"");
    EXPECT_EQ(latin1ToUtf8(readBack("caf\xC3\xA9")), "caf\xC3\xA9");
}

TEST(XmlWriter, ControlCharactersBecomeQuestionMarksAndAreCounted) {
    std::string text;
    XmlWriter writer(text);
    writer.attribute("a", std::string("x\x01y\x1B[31mz\0", 10));
    EXPECT_EQ(text, " a=\"x?y?[31mz?\"");
    EXPECT_EQ(writer.replacedControlCharacters(), 3u);
}

TEST(XmlWriter, NumbersAndFrames) {
    std::string text;
    XmlWriter writer(text);
    writer.startTag(2, "Shape");
    writer.attribute("id", std::uint32_t(4000000000u));
    writer.attribute("i", std::int32_t(-5));
    writer.hexAttribute("mask", 0xff00u);
    writer.attribute("f", 0.1f);
    writer.beginValue("t");
    writer.fixedValue(1.5f);
    writer.fixedValue(-0.0000001f);
    writer.fixedValue(123456789.0f);
    writer.endValue();
    writer.endStartTag();
    writer.endTag(2, "Shape");
    EXPECT_EQ(text, "    <Shape id=\"4000000000\" i=\"-5\" mask=\"0xff00\" f=\"0.1\" t=\"1.5 0 123456792\">\n    </Shape>\n");
}
