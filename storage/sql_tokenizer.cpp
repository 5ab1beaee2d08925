#include "storage/sql_tokenizer.h"

#include "storage/database_error.h"

namespace vamo::storage {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isWordStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'
           || static_cast<unsigned char>(c) >= 0x80;
}

bool isWordPart(char c) {
    return isWordStart(c) || isDigit(c) || c == '$';
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view statement) : text_(statement) {}

    std::vector<Token> run() {
        while (skipSpaceAndComments()) {
            const char c = text_[pos_];
            if (c == '\'' || c == '"') {
                quoted(c, c == '\'' ? TokenKind::SingleQuoted : TokenKind::DoubleQuoted);
            } else if (c == '[') {
                bracketed();
            } else if (isDigit(c) || (c == '.' && pos_ + 1 < text_.size() && isDigit(text_[pos_ + 1]))) {
                number();
            } else if (isWordStart(c)) {
                word();
            } else {
                push(TokenKind::Punctuation, pos_, pos_ + 1, std::string(1, c));
                ++pos_;
            }
        }
        return std::move(tokens_);
    }

private:
    // Returns false at the end of the statement.
    bool skipSpaceAndComments() {
        while (pos_ < text_.size()) {
            if (isSpace(text_[pos_])) {
                ++pos_;
            } else if (text_.compare(pos_, 2, "--") == 0) {
                const auto lineEnd = text_.find('\n', pos_);
                pos_ = lineEnd == std::string_view::npos ? text_.size() : lineEnd + 1;
            } else if (text_.compare(pos_, 2, "/*") == 0) {
                const auto commentEnd = text_.find("*/", pos_ + 2);
                pos_ = commentEnd == std::string_view::npos ? text_.size() : commentEnd + 2;
            } else {
                return true;
            }
        }
        return false;
    }

    void quoted(char quote, TokenKind kind) {
        const std::size_t begin = pos_++;
        std::string content;
        while (true) {
            if (pos_ >= text_.size()) {
                fail("unterminated quoted text");
            }
            const char c = text_[pos_++];
            if (c == quote) {
                if (pos_ < text_.size() && text_[pos_] == quote) {
                    content += quote;
                    ++pos_;
                    continue;
                }
                break;
            }
            content += c;
        }
        push(kind, begin, pos_, std::move(content));
    }

    void bracketed() {
        const std::size_t begin = pos_;
        const auto close = text_.find(']', pos_ + 1);
        if (close == std::string_view::npos) {
            fail("unterminated bracket");
        }
        pos_ = close + 1;
        push(TokenKind::Bracketed, begin, pos_, std::string(text_.substr(begin + 1, close - begin - 1)));
    }

    void number() {
        const std::size_t begin = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            ++pos_;
        }
        if (pos_ < text_.size() && text_[pos_] == '.') {
            ++pos_;
            while (pos_ < text_.size() && isDigit(text_[pos_])) {
                ++pos_;
            }
        }
        if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
            std::size_t exponent = pos_ + 1;
            if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-')) {
                ++exponent;
            }
            if (exponent < text_.size() && isDigit(text_[exponent])) {
                pos_ = exponent;
                while (pos_ < text_.size() && isDigit(text_[pos_])) {
                    ++pos_;
                }
            }
        }
        push(TokenKind::Number, begin, pos_, std::string(text_.substr(begin, pos_ - begin)));
    }

    void word() {
        const std::size_t begin = pos_;
        while (pos_ < text_.size() && isWordPart(text_[pos_])) {
            ++pos_;
        }
        push(TokenKind::Word, begin, pos_, std::string(text_.substr(begin, pos_ - begin)));
    }

    void push(TokenKind kind, std::size_t begin, std::size_t end, std::string content) {
        tokens_.push_back(Token{kind, begin, end, std::move(content)});
    }

    [[noreturn]] void fail(std::string_view what) const {
        throw DatabaseError(std::string(what) + " in statement: " + std::string(text_));
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::vector<Token> tokens_;
};

} // namespace

std::vector<Token> tokenize(std::string_view statement) {
    return Tokenizer(statement).run();
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

bool isKeyword(const Token& token, std::string_view keyword) {
    return token.kind == TokenKind::Word && equalsIgnoringCase(token.text, keyword);
}

bool isPunctuation(const Token& token, char c) {
    return token.kind == TokenKind::Punctuation && token.text.size() == 1 && token.text[0] == c;
}

} // namespace vamo::storage
