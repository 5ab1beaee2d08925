#include "storage/query.h"

#include "storage/attached_files.h"
#include "storage/connection.h"
#include "storage/dialect.h"
#include "storage/select_form.h"
#include "storage/sql_tokenizer.h"
#include "storage/statement.h"

#include <sqlite3.h>

#include <algorithm>

namespace vamo::storage {
namespace {

constexpr std::string_view float32Type = "FLOAT32";

std::vector<Cell> cellsOf(const Statement& statement, int firstColumn) {
    std::vector<Cell> row;
    row.reserve(static_cast<std::size_t>(std::max(0, statement.columnCount() - firstColumn)));
    for (int column = firstColumn; column < statement.columnCount(); ++column) {
        row.push_back(statement.cell(column));
    }
    return row;
}

std::int64_t rowidOf(const Statement& statement) {
    const Cell cell = statement.cell(0);
    const auto* rowid = std::get_if<std::int64_t>(&cell);
    return rowid != nullptr ? *rowid : 0;
}

} // namespace

Query::Query(Database& database, std::string_view statement)
    : connection_(&database.connection()),
      statement_(statement) {
    connection_->detachPending();
    const auto tokens = tokenize(statement);
    const SelectForm form = analyseSelect(tokens);
    const auto translated =
        translateStatement(statement, tokens, [this] { return connection_->newSchemaName(); });
    std::string sql = translated.sql;
    const int firstField = form.editable ? 1 : 0;
    if (form.editable) {
        // SELECT itself is never rewritten, so it ends at the same offset in the translated text.
        const std::string rowid = quotedIdentifier(form.qualifier) + ".rowid";
        sql.insert(tokens[0].end, " " + rowid + ",");
        rowSql_ = "SELECT " + rowid + ", "
                  + translateTokens(statement, tokens, form.columnsFirst, form.columnsLast) + " FROM "
                  + translateTokens(statement, tokens, form.fromFirst, form.fromLast) + " WHERE " + rowid
                  + " = ?1";
    }
    {
        const AttachedFiles attached(*connection_, translated.sources, statement);
        Statement select(*connection_, sql, statement, translated.sources);
        for (int column = firstField; column < select.columnCount(); ++column) {
            names_.push_back(select.columnName(column));
            float32_.push_back(equalsIgnoringCase(select.columnDeclaredType(column), float32Type));
        }
        while (select.step()) {
            if (form.editable) {
                rowids_.push_back(rowidOf(select));
            }
            rows_.push_back(cellsOf(select, firstField));
        }
    }
    if (form.editable) {
        editable_ = true;
        table_ = form.table;
        Statement columns(*connection_, "SELECT name, type FROM pragma_table_info(?1, 'main')", statement);
        columns.bindText(1, table_);
        while (columns.step()) {
            baseColumns_.push_back(
                BaseColumn{cellText(columns.cell(0), false),
                           equalsIgnoringCase(cellText(columns.cell(1), false), float32Type)});
        }
    }
}

void Query::first() {
    postIfPending();
    current_ = 0;
}

void Query::next() {
    postIfPending();
    if (current_ < rows_.size()) {
        ++current_;
    }
}

void Query::last() {
    postIfPending();
    current_ = rows_.empty() ? 0 : rows_.size() - 1;
}

void Query::moveTo(std::size_t row) {
    postIfPending();
    current_ = std::min(row, rows_.size());
}

bool Query::hasField(std::string_view name) const {
    return std::any_of(names_.begin(), names_.end(),
                       [name](const std::string& field) { return equalsIgnoringCase(field, name); });
}

std::size_t Query::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (equalsIgnoringCase(names_[i], name)) {
            return i;
        }
    }
    fail("no field '" + std::string(name) + "'");
}

const Query::PendingValue* Query::pendingFor(std::string_view fieldName) const {
    for (const auto& value : pending_) {
        if (equalsIgnoringCase(baseColumns_[value.column].name, fieldName)) {
            return &value;
        }
    }
    return nullptr;
}

std::string Query::field(std::string_view name) const {
    const std::size_t index = fieldIndex(name);
    if (mode_ != Mode::Browse) {
        if (const auto* value = pendingFor(names_[index])) {
            return value->bytes;
        }
        if (mode_ == Mode::Append) {
            return {};
        }
    }
    if (eof()) {
        return {};
    }
    return cellText(rows_[current_][index], float32_[index]);
}

bool Query::isNull(std::string_view name) const {
    const std::size_t index = fieldIndex(name);
    if (mode_ != Mode::Browse) {
        if (const auto* value = pendingFor(names_[index])) {
            return value->kind == ValueKind::Null;
        }
        if (mode_ == Mode::Append) {
            return true;
        }
    }
    return eof() || std::holds_alternative<std::monostate>(rows_[current_][index]);
}

void Query::requireEditable() const {
    if (!editable_) {
        fail("the query cannot write back (only single-table queries can)");
    }
}

void Query::append() {
    requireEditable();
    postIfPending();
    mode_ = Mode::Append;
}

void Query::edit() {
    requireEditable();
    postIfPending();
    if (eof()) {
        fail("no current row to edit");
    }
    mode_ = Mode::Edit;
}

std::size_t Query::baseColumnIndex(std::string_view name) const {
    for (std::size_t i = 0; i < baseColumns_.size(); ++i) {
        if (equalsIgnoringCase(baseColumns_[i].name, name)) {
            return i;
        }
    }
    fail("no column '" + std::string(name) + "' in table '" + table_ + "'");
}

void Query::setPending(std::string_view name, ValueKind kind, std::string_view bytes) {
    if (mode_ == Mode::Browse) {
        fail("set '" + std::string(name) + "' needs append() or edit() first");
    }
    const std::size_t column = baseColumnIndex(name);
    PendingValue value{column, kind, std::string(bytes)};
    for (auto& existing : pending_) {
        if (existing.column == column) {
            existing = std::move(value);
            return;
        }
    }
    pending_.push_back(std::move(value));
}

void Query::set(std::string_view name, std::string_view text) {
    setPending(name, ValueKind::Text, text);
}

void Query::setBlob(std::string_view name, std::string_view bytes) {
    setPending(name, ValueKind::Blob, bytes);
}

void Query::setNull(std::string_view name) {
    setPending(name, ValueKind::Null, {});
}

void Query::post() {
    if (mode_ == Mode::Browse) {
        fail("nothing to post: append() or edit() first");
    }
    postIfPending();
}

void Query::cancel() {
    mode_ = Mode::Browse;
    pending_.clear();
}

void Query::postIfPending() {
    if (mode_ == Mode::Append) {
        insertPending();
    } else if (mode_ == Mode::Edit) {
        updatePending();
    }
    cancel();
}

void Query::bindPending(Statement& statement) const {
    int index = 1;
    for (const auto& value : pending_) {
        switch (value.kind) {
        case ValueKind::Null:
            statement.bindNull(index);
            break;
        case ValueKind::Blob:
            statement.bindBlob(index, value.bytes);
            break;
        case ValueKind::Text: {
            // A Single column holds the float nearest to the number written.
            const auto number = baseColumns_[value.column].float32 ? parseNumber(value.bytes) : std::nullopt;
            if (number) {
                statement.bindDouble(index, static_cast<float>(*number));
            } else {
                statement.bindText(index, value.bytes);
            }
            break;
        }
        }
        ++index;
    }
}

void Query::insertPending() {
    std::string sql = "INSERT INTO " + quotedIdentifier(table_);
    if (pending_.empty()) {
        sql += " DEFAULT VALUES";
    } else {
        std::string columns;
        std::string values;
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            columns += (i == 0 ? "" : ", ") + quotedIdentifier(baseColumns_[pending_[i].column].name);
            values += (i == 0 ? "?" : ", ?") + std::to_string(i + 1);
        }
        sql += "(" + columns + ") VALUES(" + values + ")";
    }
    Statement insert(*connection_, sql, sql);
    bindPending(insert);
    insert.runToEnd();
    const std::int64_t rowid = sqlite3_last_insert_rowid(connection_->handle());
    std::vector<Cell> row;
    cancel();
    if (readRow(rowid, row)) {
        rows_.push_back(std::move(row));
        rowids_.push_back(rowid);
        current_ = rows_.size() - 1;
    }
}

void Query::updatePending() {
    if (!pending_.empty()) {
        std::string assignments;
        for (std::size_t i = 0; i < pending_.size(); ++i) {
            assignments += (i == 0 ? "" : ", ") + quotedIdentifier(baseColumns_[pending_[i].column].name)
                           + " = ?" + std::to_string(i + 1);
        }
        const std::string sql = "UPDATE " + quotedIdentifier(table_) + " SET " + assignments
                                + " WHERE rowid = ?" + std::to_string(pending_.size() + 1);
        Statement update(*connection_, sql, sql);
        bindPending(update);
        update.bindInteger(static_cast<int>(pending_.size() + 1), rowids_[current_]);
        update.runToEnd();
    }
    cancel();
    if (!readRow(rowids_[current_], rows_[current_])) {
        rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
        rowids_.erase(rowids_.begin() + static_cast<std::ptrdiff_t>(current_));
    }
}

void Query::remove() {
    requireEditable();
    if (mode_ == Mode::Append) {
        cancel();
        return;
    }
    cancel();
    if (eof()) {
        fail("no current row to delete");
    }
    const std::string sql = "DELETE FROM " + quotedIdentifier(table_) + " WHERE rowid = ?1";
    Statement deletion(*connection_, sql, sql);
    deletion.bindInteger(1, rowids_[current_]);
    deletion.runToEnd();
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
    rowids_.erase(rowids_.begin() + static_cast<std::ptrdiff_t>(current_));
    // Like a data-aware grid: the next row becomes current, or the new last one.
    if (current_ >= rows_.size() && !rows_.empty()) {
        current_ = rows_.size() - 1;
    }
}

bool Query::readRow(std::int64_t rowid, std::vector<Cell>& row) {
    Statement read(*connection_, rowSql_, statement_);
    read.bindInteger(1, rowid);
    if (!read.step()) {
        return false;
    }
    row = cellsOf(read, 1);
    return true;
}

void Query::fail(const std::string& what) const {
    throw DatabaseError(what + " (database '" + connection_->path() + "', query: " + statement_ + ")");
}

} // namespace vamo::storage
