#include "MelParser.h"

#include <gtest/gtest.h>

using mayahost::ParsedCommand;
using mayahost::parseCommandLine;

namespace {

std::vector<ParsedCommand> parse(const std::string& line) {
    std::vector<ParsedCommand> commands;
    std::string error;
    EXPECT_TRUE(parseCommandLine(line, commands, error)) << error;
    return commands;
}

std::string parseError(const std::string& line) {
    std::vector<ParsedCommand> commands;
    std::string error;
    EXPECT_FALSE(parseCommandLine(line, commands, error)) << line;
    return error;
}

}  // namespace

TEST(MelParser, WordsFlagsStringsAndNumbers) {
    const auto commands = parse("Q5XExporter -shapes -f \"out/level \\\"one\\\".q5x\" 12 -3 2.5 1e3 name;");
    ASSERT_EQ(commands.size(), 1u);
    const MArgList& args = commands[0].arguments;
    EXPECT_EQ(commands[0].name, "Q5XExporter");
    ASSERT_EQ(args.length(), 8u);
    EXPECT_EQ(args.flagIndex("shap", "shapes"), 0u);
    EXPECT_EQ(args.flagIndex("f"), 1u);
    EXPECT_EQ(args.flagIndex("x", "missing"), MArgList::kInvalidArgIndex);
    EXPECT_EQ(args.asString(2), "out/level \"one\".q5x");
    EXPECT_EQ(args.asInt(3), 12);
    EXPECT_EQ(args.asInt(4), -3);
    EXPECT_DOUBLE_EQ(args.asDouble(5), 2.5);
    EXPECT_DOUBLE_EQ(args.asDouble(6), 1000.0);
    EXPECT_EQ(args.asString(7), "name");
    EXPECT_EQ(args.asString(3), "12");

    MStatus status;
    args.asInt(7, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    args.asInt(5, &status);
    EXPECT_TRUE(status);
    args.asString(8, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
}

TEST(MelParser, ArraysAndSeveralCommands) {
    const auto commands = parse("cmdA {0, 1,2} {0.5,-1e-3}; cmdB {\"a\", \"b c\"} {} ;;");
    ASSERT_EQ(commands.size(), 2u);
    unsigned int index = 0;
    const MIntArray ints = commands[0].arguments.asIntArray(index);
    EXPECT_EQ(index, 1u);
    ASSERT_EQ(ints.length(), 3u);
    EXPECT_EQ(ints[2], 2);
    const MDoubleArray doubles = commands[0].arguments.asDoubleArray(index);
    EXPECT_EQ(index, 2u);
    ASSERT_EQ(doubles.length(), 2u);
    EXPECT_DOUBLE_EQ(doubles[1], -0.001);

    index = 0;
    const MStringArray strings = commands[1].arguments.asStringArray(index);
    ASSERT_EQ(strings.length(), 2u);
    EXPECT_EQ(strings[1], "b c");
    MStatus status;
    const MDoubleArray empty = commands[1].arguments.asDoubleArray(index, &status);
    EXPECT_TRUE(status);
    EXPECT_EQ(empty.length(), 0u);

    index = 0;
    commands[1].arguments.asDoubleArray(index, &status);
    EXPECT_EQ(status, MStatus::kInvalidParameter);
    EXPECT_EQ(index, 0u);
}

TEST(MelParser, MalformedLinesNameTheOffendingToken) {
    EXPECT_EQ(parseError("Q5XExporter -f \"out/level.q5x"), "unterminated string at column 16: \"out/level.q5x");
    EXPECT_EQ(parseError("cmd {1, 2"), "unterminated array at column 5: {1, 2");
    EXPECT_EQ(parseError("cmd {1, two}"), "invalid array element at column 9: two}");
    EXPECT_EQ(parseError("cmd {1, \"a\"}"), "array mixes numbers and strings at column 9: \"a\"}");
    EXPECT_EQ(parseError("cmd {1 2}"), "expected ',' or '}' in array at column 8: 2}");
    EXPECT_EQ(parseError("\"quoted\" -f"), "expected a command name at column 1: \"quoted\" -f");
    EXPECT_EQ(parseError("cmd , x"), "unexpected ',' at column 5: , x");
    EXPECT_EQ(parseError("cmd \"abc\\"), "unterminated string at column 5: \"abc\\");
}
