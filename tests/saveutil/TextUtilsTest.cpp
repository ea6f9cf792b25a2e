#include "saveutil/TextUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

using namespace Q5XSaveUtil;

namespace {

std::string format(float value) {
    char buffer[kFloatTextSize];
    const char* text = formatFloat(value, buffer);
    return text ? text : "<null>";
}

// What formatFloat must give: printf's "%.6f" without trailing zeros, or null where that text
// does not fit the buffer.
std::string printfText(float value) {
    char reference[64];
    std::snprintf(reference, sizeof reference, "%.6f", static_cast<double>(value));
    std::string expected = reference;
    if (expected.size() > 15) return "<null>";
    while (expected.back() == '0') expected.pop_back();
    if (expected.back() == '.') expected.pop_back();
    return expected == "-0" ? "0" : expected;
}

}  // namespace

TEST(TextUtils, FormatFloatUsesAsFewDigitsAsSixDecimalsNeed) {
    EXPECT_EQ(format(1.5f), "1.5");
    EXPECT_EQ(format(2.0f), "2");
    EXPECT_EQ(format(0.1f), "0.1");
    EXPECT_EQ(format(100.0f), "100");
    EXPECT_EQ(format(-0.5f), "-0.5");
    EXPECT_EQ(format(-0.0000001f), "0");
    EXPECT_EQ(format(-0.0f), "0");
    EXPECT_EQ(format(0.0000004f), "0");
    EXPECT_EQ(format(0.0000006f), "0.000001");
    EXPECT_EQ(format(12345678.0f), "12345678");
    EXPECT_EQ(format(123456789.0f), "<null>");
    EXPECT_EQ(format(-1234567.0f), "-1234567");
}

TEST(TextUtils, FormatFloatMatchesPrintfOnRandomTiedAndWholeValues) {
    std::mt19937 random(17);
    std::uniform_real_distribution<float> magnitude(-12.0f, 12.0f);
    std::uniform_real_distribution<float> sign(-1.0f, 1.0f);
    for (int i = 0; i < 20000; ++i) {
        const float value = std::copysign(std::pow(10.0f, magnitude(random)), sign(random));
        EXPECT_EQ(format(value), printfText(value)) << value;
        EXPECT_EQ(format(std::trunc(value)), printfText(std::trunc(value))) << std::trunc(value);
    }
    for (const float whole : {0.0f, -0.0f, 1.0f, -1.0f, 9999999.0f, -9999999.0f, 1e7f, -1e7f, 99999992.0f, 1e8f, -1e8f, 16777217.0f}) {
        EXPECT_EQ(format(whole), printfText(whole)) << whole;
    }
    EXPECT_EQ(format(0.0078125f), "0.007812");  // an exact tie rounds to even, as printf does
    EXPECT_EQ(format(0.0234375f), "0.023438");
}

TEST(TextUtils, ParseFloatReadsOnlyTheDocumentedForms) {
    float value = 7.0f;
    const char* text = "  -1.25e2";
    const char* end = parseFloat(text, value);
    EXPECT_FLOAT_EQ(value, -125.0f);
    EXPECT_EQ(*end, '\0');

    text = "1E3";
    end = parseFloat(text, value);
    EXPECT_FLOAT_EQ(value, 1.0f);
    EXPECT_EQ(end, text + 1);

    text = "+3";
    end = parseFloat(text, value);
    EXPECT_FLOAT_EQ(value, 0.0f);
    EXPECT_EQ(end, text);

    parseFloat("2.5e-1 rest", value);
    EXPECT_FLOAT_EQ(value, 0.25f);
    parseFloat("1e10", value);
    EXPECT_FLOAT_EQ(value, 1e10f);
    parseFloat("-0", value);
    EXPECT_TRUE(std::signbit(value));
}

TEST(TextUtils, ParseIntWithPrefixesAndNoSign) {
    EXPECT_EQ(parseInt("0x1F"), 31);
    EXPECT_EQ(parseInt("0X1f"), 31);
    EXPECT_EQ(parseInt("0b101"), 5);
    EXPECT_EQ(parseInt("0o17"), 15);
    EXPECT_EQ(parseInt("12ab"), 12);
    EXPECT_EQ(parseInt("-5"), 0);
    EXPECT_EQ(parseInt(""), 0);
    EXPECT_EQ(parseInt("0"), 0);
    EXPECT_EQ(parseInt("0xFFFFFFFF"), -1);
}

TEST(TextUtils, ReplaceAllNeverSearchesItsOwnReplacements) {
    EXPECT_EQ(replaceAll("a.b.c", ".", ".."), "a..b..c");
    EXPECT_EQ(replaceAll("aaa", "a", "ba"), "bababa");
    EXPECT_EQ(replaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(replaceAll("abcabc", "abc", ""), "");
}

TEST(TextUtils, SplitListTrimsEachPiece) {
    std::vector<std::string> pieces;
    EXPECT_TRUE(splitList(" map1 ,\tuvSet2\r\n, ", ",", pieces));
    EXPECT_EQ(pieces, (std::vector<std::string>{"map1", "uvSet2", ""}));
    pieces.clear();
    EXPECT_FALSE(splitList("  ", ",", pieces));
    pieces.clear();
    splitList("a::b", "::", pieces);
    EXPECT_EQ(pieces, (std::vector<std::string>{"a", "b"}));
}

TEST(TextUtils, IgnoreSuffixIsCaseInsensitive) {
    EXPECT_TRUE(hasIgnoreSuffix("wall_IGNORE"));
    EXPECT_TRUE(hasIgnoreSuffix("_ignore"));
    EXPECT_FALSE(hasIgnoreSuffix("_ignor"));
    EXPECT_FALSE(hasIgnoreSuffix("wall_ignored"));
}
