#ifndef MAYAHOST_MALEXER_H
#define MAYAHOST_MALEXER_H

#include <cstddef>
#include <string>
#include <string_view>

namespace mayahost {

struct MaToken {
    enum class Kind { Word, String, Open, Close, Plus, End, Eof };
    Kind kind = Kind::Eof;
    std::string_view text;  // words: as written; strings: the raw text between the quotes
    int line = 0;
};

// Splits Maya ASCII text into words, quoted strings, '(' ')' '+' of string concatenations and
// the ';' that ends each statement. "//" starts a comment up to the end of the line.
class MaLexer {
public:
    explicit MaLexer(std::string_view text) : text_(text) {}

    // False with a message on a string that never ends.
    bool next(MaToken& token, std::string& error);
    int line() const { return line_; }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return text_.size() - position_; }
    std::size_t size() const { return text_.size(); }

    // The value of a string token, escapes resolved.
    static std::string unescape(std::string_view raw);

private:
    void skipSpaceAndComments();

    std::string_view text_;
    std::size_t position_ = 0;
    int line_ = 1;
};

}  // namespace mayahost

#endif
