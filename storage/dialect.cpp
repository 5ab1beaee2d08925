#include "storage/dialect.h"

#include "storage/database_error.h"
#include "storage/quoting.h"

namespace vamo::storage {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool isDatabaseReference(const Token& token) {
    return token.kind == TokenKind::Bracketed && trimmed(token.text).starts_with(';');
}

// The value of "database=" among the ";key=value" parts of a reference.
std::string referencedPath(std::string_view reference, std::string_view statement) {
    std::size_t start = 0;
    while (start <= reference.size()) {
        auto end = reference.find(';', start);
        if (end == std::string_view::npos) {
            end = reference.size();
        }
        const auto part = reference.substr(start, end - start);
        const auto equals = part.find('=');
        if (equals != std::string_view::npos
            && equalsIgnoringCase(trimmed(part.substr(0, equals)), "database")) {
            const auto path = trimmed(part.substr(equals + 1));
            if (!path.empty()) {
                return std::string(path);
            }
        }
        start = end + 1;
    }
    throw DatabaseError("database reference [" + std::string(reference)
                        + "] names no file in statement: " + std::string(statement));
}

class Rewriter {
public:
    Rewriter(std::string_view statement, const std::vector<Token>& tokens,
             const std::function<std::string()>* newSchemaName)
        : statement_(statement),
          tokens_(tokens),
          newSchemaName_(newSchemaName) {}

    // Rewrites tokens [first, last); the text between them is copied as it is.
    std::string run(std::size_t first, std::size_t last, std::size_t textBegin, std::size_t textEnd) {
        std::string sql;
        std::size_t copied = textBegin;
        for (std::size_t i = first; i < last; ++i) {
            const Token& token = tokens_[i];
            sql.append(statement_.substr(copied, token.begin - copied));
            copied = token.end;
            if (token.kind == TokenKind::DoubleQuoted) {
                sql += quoted(token.text);
            } else if (isDatabaseReference(token)) {
                sql += reference(i, last);
                i += 2;
                copied = tokens_[i].end;
            } else if (token.kind == TokenKind::Bracketed) {
                sql += quotedIdentifier(token.text);
            } else {
                sql.append(statement_.substr(token.begin, token.end - token.begin));
            }
        }
        sql.append(statement_.substr(copied, textEnd - copied));
        return sql;
    }

    std::vector<AttachedSource> takeSources() { return std::move(sources_); }

private:
    std::string reference(std::size_t index, std::size_t last) {
        const Token& token = tokens_[index];
        if (newSchemaName_ == nullptr) {
            fail("a database reference is not allowed here");
        }
        const bool followedByTable = index + 2 < last && isPunctuation(tokens_[index + 1], '.')
                                     && (tokens_[index + 2].kind == TokenKind::Word
                                         || tokens_[index + 2].kind == TokenKind::Bracketed);
        if (!followedByTable) {
            fail("database reference [" + token.text + "] must be followed by .table");
        }
        AttachedSource source{referencedPath(token.text, statement_), (*newSchemaName_)()};
        std::string sql = quotedIdentifier(source.schema) + "." + quotedIdentifier(tokens_[index + 2].text);
        sources_.push_back(std::move(source));
        return sql;
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw DatabaseError(what + " in statement: " + std::string(statement_));
    }

    std::string_view statement_;
    const std::vector<Token>& tokens_;
    const std::function<std::string()>* newSchemaName_;
    std::vector<AttachedSource> sources_;
};

} // namespace

TranslatedStatement translateStatement(std::string_view statement, const std::vector<Token>& tokens,
                                       const std::function<std::string()>& newSchemaName) {
    Rewriter rewriter(statement, tokens, &newSchemaName);
    TranslatedStatement result;
    result.sql = rewriter.run(0, tokens.size(), 0, statement.size());
    result.sources = rewriter.takeSources();
    return result;
}

std::string translateTokens(std::string_view statement, const std::vector<Token>& tokens, std::size_t first,
                            std::size_t last) {
    if (first >= last) {
        return {};
    }
    return Rewriter(statement, tokens, nullptr).run(first, last, tokens[first].begin, tokens[last - 1].end);
}

} // namespace vamo::storage
