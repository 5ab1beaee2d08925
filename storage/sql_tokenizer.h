#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::storage {

enum class TokenKind {
    Word, // identifier or keyword; any byte of a multi-byte UTF-8 character counts as a letter
    Number, // 12, 1.0, .5, 1e-3
    SingleQuoted, // 'text', '' inside stands for one quote
    DoubleQuoted, // "text", "" inside stands for one quote
    Bracketed, // [name] or [;database=path]
    Punctuation, // any other single character
};

struct Token {
    TokenKind kind;
    std::size_t begin; // byte offset of the token in the statement
    std::size_t end; // one past its last byte
    std::string text; // as written; quoted and bracketed forms without their delimiters
};

// Splits a statement into tokens. Whitespace and comments separate tokens and are not returned.
// Throws DatabaseError for an unterminated quote or bracket.
std::vector<Token> tokenize(std::string_view statement);

// ASCII letters compare without case; other bytes must be equal.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

bool isKeyword(const Token& token, std::string_view keyword);
bool isPunctuation(const Token& token, char c);

} // namespace vamo::storage
