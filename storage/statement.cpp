#include "storage/statement.h"

#include "storage/connection.h"
#include "storage/database_error.h"
#include "storage/engine_error.h"

#include <sqlite3.h>

namespace vamo::storage {
namespace {

// What may follow the one statement: blanks, semicolons and comments.
bool onlySeparatorsLeft(std::string_view rest) {
    std::size_t pos = 0;
    while (pos < rest.size()) {
        const char c = rest[pos];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == ';') {
            ++pos;
        } else if (rest.compare(pos, 2, "--") == 0) {
            const auto lineEnd = rest.find('\n', pos);
            pos = lineEnd == std::string_view::npos ? rest.size() : lineEnd + 1;
        } else if (rest.compare(pos, 2, "/*") == 0) {
            const auto commentEnd = rest.find("*/", pos + 2);
            pos = commentEnd == std::string_view::npos ? rest.size() : commentEnd + 2;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

Statement::Statement(Connection& connection, std::string_view sql, std::string_view shownText,
                     std::vector<AttachedSource> sources)
    : connection_(connection),
      shownText_(shownText),
      sources_(std::move(sources)) {
    const char* tail = nullptr;
    const int result = sqlite3_prepare_v2(connection_.handle(), sql.data(), static_cast<int>(sql.size()),
                                          &statement_, &tail);
    if (result != SQLITE_OK) {
        fail();
    }
    const std::string_view rest(tail, static_cast<std::size_t>(sql.data() + sql.size() - tail));
    if (statement_ == nullptr || !onlySeparatorsLeft(rest)) {
        sqlite3_finalize(statement_);
        throw DatabaseError(std::string(statement_ == nullptr ? "empty statement" : "more than one statement")
                            + " (database '" + connection_.path() + "', statement: " + shownText_ + ")");
    }
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

void Statement::fail() const {
    throw DatabaseError(
        describeEngineError(sqlite3_errmsg(connection_.handle()), connection_.path(), shownText_, sources_));
}

void Statement::checkBind(int result) const {
    if (result != SQLITE_OK) {
        fail();
    }
}

void Statement::bindNull(int index) {
    checkBind(sqlite3_bind_null(statement_, index));
}

void Statement::bindInteger(int index, std::int64_t value) {
    checkBind(sqlite3_bind_int64(statement_, index, value));
}

void Statement::bindDouble(int index, double value) {
    checkBind(sqlite3_bind_double(statement_, index, value));
}

void Statement::bindText(int index, std::string_view text) {
    checkBind(
        sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8));
}

void Statement::bindBlob(int index, std::string_view bytes) {
    checkBind(sqlite3_bind_blob64(statement_, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT));
}

bool Statement::step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) {
        return true;
    }
    if (result == SQLITE_DONE) {
        return false;
    }
    fail();
}

void Statement::runToEnd() {
    while (step()) {
    }
}

int Statement::columnCount() const {
    return sqlite3_column_count(statement_);
}

std::string Statement::columnName(int column) const {
    const char* name = sqlite3_column_name(statement_, column);
    return name != nullptr ? name : "";
}

std::string Statement::columnDeclaredType(int column) const {
    const char* type = sqlite3_column_decltype(statement_, column);
    return type != nullptr ? type : "";
}

Cell Statement::cell(int column) const {
    switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
        return std::int64_t{sqlite3_column_int64(statement_, column)};
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement_, column);
    case SQLITE_TEXT: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
        return std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
    }
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement_, column));
        return size == 0 ? std::string() : std::string(bytes, size);
    }
    default:
        return std::monostate{};
    }
}

} // namespace vamo::storage
