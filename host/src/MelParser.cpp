#include "MelParser.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <limits>

namespace mayahost {

namespace {

// Protects the host from command lines that would take unbounded memory in one token.
constexpr std::size_t kMaxArrayElements = std::size_t(1) << 28;

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isWordEnd(char c) {
    return isSpace(c) || c == ';' || c == '"' || c == '{' || c == '}' || c == ',';
}

enum class NumberKind { None, Integer, Real };

NumberKind classifyNumber(const std::string& word, double& value) {
    if (word.empty()) return NumberKind::None;
    const char first = word[0];
    if (!(std::isdigit(static_cast<unsigned char>(first)) || first == '-' || first == '+' || first == '.')) {
        return NumberKind::None;
    }
    char* end = nullptr;
    errno = 0;
    const long long integer = std::strtoll(word.c_str(), &end, 10);
    if (*end == '\0' && errno == 0 && integer >= std::numeric_limits<int>::min() &&
        integer <= std::numeric_limits<int>::max()) {
        value = static_cast<double>(integer);
        return NumberKind::Integer;
    }
    value = std::strtod(word.c_str(), &end);
    return *end == '\0' ? NumberKind::Real : NumberKind::None;
}

std::string excerpt(const std::string& line, std::size_t start) {
    std::string text = line.substr(start, 24);
    if (start + 24 < line.size()) text += "...";
    return text;
}

class Parser {
public:
    Parser(const std::string& line, std::vector<ParsedCommand>& commands, std::string& error)
        : line_(line), commands_(commands), error_(error) {}

    bool run() {
        while (true) {
            skipSpace();
            if (atEnd()) return true;
            if (peek() == ';') {
                ++position_;
                continue;
            }
            if (!parseCommand()) return false;
        }
    }

private:
    bool atEnd() const { return position_ >= line_.size(); }
    char peek() const { return line_[position_]; }

    void skipSpace() {
        while (!atEnd() && isSpace(peek())) ++position_;
    }

    bool fail(const std::string& message, std::size_t start) {
        error_ = message + " at column " + std::to_string(start + 1) + ": " + excerpt(line_, start);
        return false;
    }

    std::string readWord() {
        const std::size_t start = position_;
        while (!atEnd() && !isWordEnd(peek())) ++position_;
        return line_.substr(start, position_ - start);
    }

    bool readString(std::string& text) {
        const std::size_t start = position_++;
        text.clear();
        while (!atEnd()) {
            char c = line_[position_++];
            if (c == '"') return true;
            if (c == '\\') {
                if (atEnd()) break;
                c = line_[position_++];
                switch (c) {
                    case 'n': c = '\n'; break;
                    case 't': c = '\t'; break;
                    case 'r': c = '\r'; break;
                    default: break;
                }
            }
            text += c;
        }
        return fail("unterminated string", start);
    }

    bool parseCommand() {
        const std::size_t start = position_;
        ParsedCommand command;
        command.name = readWord();
        if (command.name.empty() || !(std::isalpha(static_cast<unsigned char>(command.name[0])) || command.name[0] == '_')) {
            return fail("expected a command name", start);
        }
        while (true) {
            skipSpace();
            if (atEnd() || peek() == ';') break;
            if (!parseArgument(command.arguments)) return false;
        }
        commands_.push_back(std::move(command));
        return true;
    }

    bool parseArgument(MArgList& arguments) {
        const std::size_t start = position_;
        const char c = peek();
        if (c == '"') {
            std::string text;
            if (!readString(text)) return false;
            arguments.addArg(MString(text.c_str(), static_cast<int>(text.size())));
            return true;
        }
        if (c == '{') return parseArray(arguments);
        if (c == '}' || c == ',') return fail("unexpected '" + std::string(1, c) + "'", start);
        const std::string word = readWord();
        double value = 0.0;
        switch (classifyNumber(word, value)) {
            case NumberKind::Integer: arguments.addArg(static_cast<int>(value)); break;
            case NumberKind::Real: arguments.addArg(value); break;
            case NumberKind::None: arguments.addArg(MString(word.c_str(), static_cast<int>(word.size()))); break;
        }
        return true;
    }

    bool parseArray(MArgList& arguments) {
        const std::size_t start = position_++;
        std::vector<double> numbers;
        MStringArray texts;
        bool allIntegers = true;
        while (true) {
            skipSpace();
            if (atEnd()) return fail("unterminated array", start);
            if (peek() == '}' && numbers.empty() && texts.length() == 0) break;
            const std::size_t elementStart = position_;
            if (numbers.size() + texts.length() >= kMaxArrayElements) return fail("array too long", start);
            if (peek() == '"') {
                std::string text;
                if (!readString(text)) return false;
                texts.append(MString(text.c_str(), static_cast<int>(text.size())));
            } else {
                const std::string word = readWord();
                double value = 0.0;
                const NumberKind kind = classifyNumber(word, value);
                if (kind == NumberKind::None) return fail("invalid array element", elementStart);
                allIntegers = allIntegers && kind == NumberKind::Integer;
                numbers.push_back(value);
            }
            if (!numbers.empty() && texts.length() != 0) return fail("array mixes numbers and strings", elementStart);
            skipSpace();
            if (atEnd()) return fail("unterminated array", start);
            if (peek() == ',') {
                ++position_;
                continue;
            }
            if (peek() == '}') break;
            return fail("expected ',' or '}' in array", position_);
        }
        ++position_;
        if (texts.length() != 0) {
            arguments.addArg(texts);
        } else if (allIntegers && !numbers.empty()) {
            MIntArray values(static_cast<unsigned int>(numbers.size()));
            for (unsigned int i = 0; i < values.length(); ++i) values[i] = static_cast<int>(numbers[i]);
            arguments.addArg(values);
        } else {
            MDoubleArray values(static_cast<unsigned int>(numbers.size()));
            for (unsigned int i = 0; i < values.length(); ++i) values[i] = numbers[i];
            arguments.addArg(values);
        }
        return true;
    }

    const std::string& line_;
    std::vector<ParsedCommand>& commands_;
    std::string& error_;
    std::size_t position_ = 0;
};

}  // namespace

bool parseCommandLine(const std::string& line, std::vector<ParsedCommand>& commands, std::string& error) {
    return Parser(line, commands, error).run();
}

}  // namespace mayahost
