#include "MaLexer.h"

namespace mayahost {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool endsWord(char c) {
    return isSpace(c) || c == ';' || c == '"';
}

}  // namespace

void MaLexer::skipSpaceAndComments() {
    while (position_ < text_.size()) {
        const char c = text_[position_];
        if (c == '\n') {
            ++line_;
            ++position_;
        } else if (isSpace(c)) {
            ++position_;
        } else if (c == '/' && position_ + 1 < text_.size() && text_[position_ + 1] == '/') {
            while (position_ < text_.size() && text_[position_] != '\n') ++position_;
        } else {
            return;
        }
    }
}

bool MaLexer::next(MaToken& token, std::string& error) {
    skipSpaceAndComments();
    token.line = line_;
    if (position_ >= text_.size()) {
        token.kind = MaToken::Kind::Eof;
        token.text = {};
        return true;
    }
    const char c = text_[position_];
    const std::size_t start = position_;
    if (c == ';' || c == '(' || c == ')' || c == '+') {
        token.kind = c == ';' ? MaToken::Kind::End
                   : c == '(' ? MaToken::Kind::Open
                   : c == ')' ? MaToken::Kind::Close
                              : MaToken::Kind::Plus;
        // '+' and ')' stand alone only between strings; elsewhere they belong to a word.
        if (c == ';' || c == '(' || position_ + 1 >= text_.size() || endsWord(text_[position_ + 1])) {
            token.text = text_.substr(position_, 1);
            ++position_;
            return true;
        }
    }
    if (c == '"') {
        ++position_;
        while (position_ < text_.size() && text_[position_] != '"') {
            if (text_[position_] == '\\' && position_ + 1 < text_.size()) ++position_;
            if (text_[position_] == '\n') ++line_;
            ++position_;
        }
        if (position_ >= text_.size()) {
            error = "unterminated string";
            line_ = token.line;
            return false;
        }
        token.kind = MaToken::Kind::String;
        token.text = text_.substr(start + 1, position_ - start - 1);
        ++position_;
        return true;
    }
    while (position_ < text_.size() && !endsWord(text_[position_])) ++position_;
    token.kind = MaToken::Kind::Word;
    token.text = text_.substr(start, position_ - start);
    return true;
}

std::string MaLexer::unescape(std::string_view raw) {
    std::string value;
    value.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (c == '\\' && i + 1 < raw.size()) {
            c = raw[++i];
            switch (c) {
                case 'n': c = '\n'; break;
                case 't': c = '\t'; break;
                case 'r': c = '\r'; break;
                default: break;
            }
        }
        value += c;
    }
    return value;
}

}  // namespace mayahost
