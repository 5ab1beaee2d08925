#include "storage/create_table.h"

#include "storage/database_error.h"
#include "storage/quoting.h"

#include <charconv>

namespace vamo::storage {
namespace {

constexpr long defaultTextLength = 255;

constexpr std::string_view maxLengthCheck = "max_length";

enum class ColumnKind { Integer, Float32, Double, Text, Blob };

struct ColumnType {
    ColumnKind kind = ColumnKind::Text;
    std::optional<long> maxLength;
    bool identity = false;
};

bool isOneOf(const std::string& word, std::initializer_list<std::string_view> names) {
    for (auto name : names) {
        if (equalsIgnoringCase(word, name)) {
            return true;
        }
    }
    return false;
}

class CreateTableParser {
public:
    CreateTableParser(std::string_view statement, const std::vector<Token>& tokens)
        : statement_(statement),
          tokens_(tokens) {}

    CreateTableTranslation run() {
        pos_ = 2; // CREATE TABLE
        CreateTableTranslation result;
        result.table = name("a table name");
        if (!atEnd() && isPunctuation(peek(), '.')) {
            fail("qualified table names are not supported");
        }
        table_ = result.table;
        expect('(');
        std::string columns;
        while (true) {
            if (!columns.empty()) {
                columns += ", ";
            }
            columns += column();
            if (atEnd()) {
                fail("the column list is not closed");
            }
            if (isPunctuation(peek(), ')')) {
                ++pos_;
                break;
            }
            expect(',');
        }
        while (!atEnd() && isPunctuation(peek(), ';')) {
            ++pos_;
        }
        if (!atEnd()) {
            fail("unexpected text after the column list");
        }
        result.sql = "CREATE TABLE " + quotedIdentifier(result.table) + "(" + columns + ")";
        return result;
    }

private:
    std::string column() {
        const std::string columnName = name("a column name");
        if (isOneOf(columnName, {"constraint", "primary", "unique", "check", "foreign"})) {
            fail("table constraints are not supported");
        }
        ColumnType columnType = type(columnName);
        bool primaryKey = false;
        bool notNull = false;
        bool unique = false;
        std::string defaultValue;
        while (!atEnd() && !isPunctuation(peek(), ',') && !isPunctuation(peek(), ')')) {
            const Token& clause = take();
            if (isKeyword(clause, "identity")) {
                identity(columnName, columnType);
            } else if (isKeyword(clause, "primary")) {
                expectKeyword("key");
                primaryKey = true;
            } else if (isKeyword(clause, "not")) {
                expectKeyword("null");
                notNull = true;
            } else if (isKeyword(clause, "null")) {
                // Nullable is what a column is anyway.
            } else if (isKeyword(clause, "unique")) {
                unique = true;
            } else if (isKeyword(clause, "default")) {
                defaultValue = defaultClause(columnName, columnType.kind);
            } else {
                fail("unsupported clause '" + clause.text + "' for column " + columnName);
            }
        }
        return columnDefinition(columnName, columnType, primaryKey, notNull, unique, defaultValue);
    }

    std::string columnDefinition(const std::string& columnName, const ColumnType& columnType, bool primaryKey,
                                 bool notNull, bool unique, const std::string& defaultValue) const {
        const std::string column = quotedIdentifier(columnName);
        if (columnType.identity) {
            return column + " INTEGER PRIMARY KEY AUTOINCREMENT";
        }
        std::string definition = column;
        switch (columnType.kind) {
        case ColumnKind::Integer:
            definition += " INTEGER";
            break;
        case ColumnKind::Float32:
            definition += " FLOAT32";
            break;
        case ColumnKind::Double:
            definition += " REAL";
            break;
        case ColumnKind::Text:
            definition += " TEXT";
            break;
        case ColumnKind::Blob:
            definition += " BLOB";
            break;
        }
        if (primaryKey) {
            definition += " PRIMARY KEY";
        }
        if (notNull) {
            definition += " NOT NULL";
        }
        if (unique) {
            definition += " UNIQUE";
        }
        if (!defaultValue.empty()) {
            definition += " DEFAULT " + defaultValue;
        }
        const std::string where = table_ + "." + columnName;
        // Number columns take what their affinity makes of a value, as SQLite does; a check of every
        // value's type would cost a curve copy of 50 000 points several times its own time.
        switch (columnType.kind) {
        case ColumnKind::Integer:
        case ColumnKind::Float32:
        case ColumnKind::Double:
            break;
        case ColumnKind::Text:
            if (columnType.maxLength) {
                const std::string limit = std::to_string(*columnType.maxLength);
                definition += " CONSTRAINT "
                              + quotedIdentifier(std::string(maxLengthCheck) + ":" + where + ":" + limit)
                              + " CHECK(length(" + column + ") <= " + limit + ")";
            }
            break;
        case ColumnKind::Blob:
            break;
        }
        return definition;
    }

    ColumnType type(const std::string& columnName) {
        if (atEnd() || peek().kind != TokenKind::Word) {
            fail("column " + columnName + " has no type");
        }
        const std::string word = take().text;
        std::vector<long> arguments;
        if (!atEnd() && isPunctuation(peek(), '(')) {
            arguments = numberList();
        }
        ColumnType result;
        if (isOneOf(word, {"int", "integer", "long", "smallint", "short", "tinyint", "byte"})) {
            result.kind = ColumnKind::Integer;
        } else if (isOneOf(word, {"counter", "autoincrement"})) {
            result.kind = ColumnKind::Integer;
            requireIdentityStep(columnName, arguments);
            result.identity = true;
            return result;
        } else if (isOneOf(word, {"single", "real"})) {
            // Jet's REAL is the 4-byte float, like Single.
            result.kind = ColumnKind::Float32;
        } else if (isOneOf(word, {"double", "float"})) {
            result.kind = ColumnKind::Double;
        } else if (isOneOf(word, {"text", "string", "char", "varchar", "nchar", "nvarchar"})) {
            result.kind = ColumnKind::Text;
            result.maxLength = defaultTextLength;
            if (arguments.size() == 1) {
                if (arguments[0] < 1) {
                    fail("the length of column " + columnName + " must be at least 1");
                }
                result.maxLength = arguments[0];
            }
            return checkArguments(columnName, word, arguments, 1, result);
        } else if (isOneOf(word, {"memo", "longtext"})) {
            result.kind = ColumnKind::Text;
        } else if (isOneOf(word, {"image", "longbinary", "oleobject"})) {
            result.kind = ColumnKind::Blob;
        } else {
            fail("unsupported column type '" + word + "' for column " + columnName);
        }
        return checkArguments(columnName, word, arguments, 0, result);
    }

    ColumnType checkArguments(const std::string& columnName, const std::string& word,
                              const std::vector<long>& arguments, std::size_t allowed,
                              const ColumnType& result) {
        if (arguments.size() > allowed) {
            fail("type '" + word + "' of column " + columnName + " takes no such size");
        }
        return result;
    }

    void identity(const std::string& columnName, ColumnType& columnType) {
        if (columnType.kind != ColumnKind::Integer) {
            fail("IDENTITY needs an integer column, not column " + columnName);
        }
        std::vector<long> arguments;
        if (!atEnd() && isPunctuation(peek(), '(')) {
            arguments = numberList();
        }
        requireIdentityStep(columnName, arguments);
        columnType.identity = true;
    }

    // SQLite numbers rows from 1 by 1 and nothing else.
    void requireIdentityStep(const std::string& columnName, const std::vector<long>& arguments) {
        if (arguments.empty() || (arguments.size() == 2 && arguments[0] == 1 && arguments[1] == 1)) {
            return;
        }
        std::string written;
        for (long argument : arguments) {
            written += (written.empty() ? "" : ",") + std::to_string(argument);
        }
        fail("IDENTITY(" + written + ") of column " + columnName + " is not supported (only IDENTITY(1,1))");
    }

    // A parenthesised list of whole numbers, the opening parenthesis next.
    std::vector<long> numberList() {
        expect('(');
        std::vector<long> numbers;
        while (true) {
            bool negative = false;
            if (!atEnd() && isPunctuation(peek(), '-')) {
                negative = true;
                ++pos_;
            }
            if (atEnd() || peek().kind != TokenKind::Number) {
                fail("a whole number is expected in a type size or IDENTITY");
            }
            const std::string& digits = take().text;
            long value = 0;
            const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
            if (error != std::errc() || end != digits.data() + digits.size()) {
                fail("'" + digits + "' is not a whole number");
            }
            numbers.push_back(negative ? -value : value);
            if (!atEnd() && isPunctuation(peek(), ',')) {
                ++pos_;
                continue;
            }
            expect(')');
            return numbers;
        }
    }

    // The default value up to the next comma or closing parenthesis of the column list.
    std::string defaultClause(const std::string& columnName, ColumnKind kind) {
        const std::size_t first = pos_;
        int depth = 0;
        while (!atEnd()) {
            const Token& token = peek();
            if (depth == 0 && (isPunctuation(token, ',') || isPunctuation(token, ')'))) {
                break;
            }
            if (isPunctuation(token, '(')) {
                ++depth;
            } else if (isPunctuation(token, ')')) {
                --depth;
            }
            ++pos_;
        }
        const std::size_t last = pos_;
        if (first == last) {
            fail("DEFAULT of column " + columnName + " has no value");
        }
        const Token& only = tokens_[first];
        const bool single = last - first == 1;
        if (single && (only.kind == TokenKind::SingleQuoted || only.kind == TokenKind::DoubleQuoted)) {
            return quoted(only.text);
        }
        if (single && isKeyword(only, "null")) {
            return "NULL";
        }
        const std::string written(
            statement_.substr(tokens_[first].begin, tokens_[last - 1].end - tokens_[first].begin));
        switch (kind) {
        case ColumnKind::Text:
            return quoted(written);
        case ColumnKind::Integer:
        case ColumnKind::Float32:
        case ColumnKind::Double:
            if (isSignedNumber(first, last)) {
                return written;
            }
            fail("DEFAULT " + written + " of column " + columnName + " is not a number");
        case ColumnKind::Blob:
            break;
        }
        fail("DEFAULT " + written + " of column " + columnName + " is not supported");
    }

    bool isSignedNumber(std::size_t first, std::size_t last) const {
        if (last - first == 2 && (isPunctuation(tokens_[first], '-') || isPunctuation(tokens_[first], '+'))) {
            ++first;
        }
        return last - first == 1 && tokens_[first].kind == TokenKind::Number;
    }

    std::string name(std::string_view what) {
        if (atEnd() || (peek().kind != TokenKind::Word && peek().kind != TokenKind::Bracketed)) {
            fail(std::string(what) + " is expected");
        }
        return take().text;
    }

    void expect(char c) {
        if (atEnd() || !isPunctuation(peek(), c)) {
            fail(std::string("'") + c + "' is expected");
        }
        ++pos_;
    }

    void expectKeyword(std::string_view keyword) {
        if (atEnd() || !isKeyword(peek(), keyword)) {
            fail(std::string(keyword) + " is expected");
        }
        ++pos_;
    }

    bool atEnd() const { return pos_ >= tokens_.size(); }
    const Token& peek() const { return tokens_[pos_]; }
    const Token& take() { return tokens_[pos_++]; }

    [[noreturn]] void fail(const std::string& what) const {
        throw DatabaseError(what + " in statement: " + std::string(statement_));
    }

    std::string_view statement_;
    const std::vector<Token>& tokens_;
    std::size_t pos_ = 0;
    std::string table_;
};

} // namespace

std::optional<CreateTableTranslation> translateCreateTable(std::string_view statement,
                                                           const std::vector<Token>& tokens) {
    if (tokens.size() < 2 || !isKeyword(tokens[0], "create") || !isKeyword(tokens[1], "table")) {
        return std::nullopt;
    }
    return CreateTableParser(statement, tokens).run();
}

std::optional<std::string> describeColumnCheck(std::string_view constraintName) {
    const auto kindEnd = constraintName.find(':');
    if (kindEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const auto kind = constraintName.substr(0, kindEnd);
    const auto rest = constraintName.substr(kindEnd + 1);
    if (kind == maxLengthCheck) {
        const auto limitStart = rest.rfind(':');
        if (limitStart == std::string_view::npos) {
            return std::nullopt;
        }
        return "text too long for column " + std::string(rest.substr(0, limitStart)) + " (at most "
               + std::string(rest.substr(limitStart + 1)) + " characters)";
    }
    return std::nullopt;
}

} // namespace vamo::storage
