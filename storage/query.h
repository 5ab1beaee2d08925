#pragma once

#include "storage/cell_text.h"
#include "storage/database.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::storage {

class Statement;

// The rows of one SELECT text, read into memory when the query opens, with a current row.
// Fields are found by name (ASCII letters in any case) and read as text: null as "", numbers as
// their shortest exact text (FLOAT32 columns as 32-bit floats), blobs as their bytes.
//
// Single-table queries (select <columns|*> from <table> [alias] [where ...] [order by ...]) can
// write back: append() or edit(), set fields, post(); remove() deletes the current row. Rows are
// addressed by rowid, so tables without a primary key work too. As in a data-aware grid, append(),
// edit() and every move post a pending change first; a query destroyed with a pending change
// drops it. A query must not outlive its Database.
class Query {
public:
    Query(Database& database, std::string_view statement);

    std::size_t rowCount() const { return rows_.size(); }
    std::size_t position() const { return current_; }
    // No current row: the query is empty or has moved past its last row.
    bool eof() const { return current_ >= rows_.size(); }
    void first();
    void next();
    void last();
    void moveTo(std::size_t row);

    const std::vector<std::string>& fieldNames() const { return names_; }
    bool hasField(std::string_view name) const;
    // The field of the current row (of the pending change while editing); "" without a current row.
    std::string field(std::string_view name) const;
    bool isNull(std::string_view name) const;

    bool editable() const { return editable_; }
    void append();
    void edit();
    void set(std::string_view name, std::string_view text);
    void setBlob(std::string_view name, std::string_view bytes);
    void setNull(std::string_view name);
    void post();
    void cancel();
    void remove();

private:
    enum class Mode { Browse, Edit, Append };
    enum class ValueKind { Null, Text, Blob };
    struct BaseColumn {
        std::string name;
        bool float32 = false;
    };
    struct PendingValue {
        std::size_t column = 0; // index into baseColumns_
        ValueKind kind = ValueKind::Null;
        std::string bytes;
    };

    std::size_t fieldIndex(std::string_view name) const;
    std::size_t baseColumnIndex(std::string_view name) const;
    const PendingValue* pendingFor(std::string_view fieldName) const;
    void requireEditable() const;
    void setPending(std::string_view name, ValueKind kind, std::string_view bytes);
    void postIfPending();
    void insertPending();
    void updatePending();
    void bindPending(Statement& statement) const;
    // Reads one row by rowid with the query's own columns; false if it is gone.
    bool readRow(std::int64_t rowid, std::vector<Cell>& row);
    [[noreturn]] void fail(const std::string& what) const;

    Connection* connection_;
    std::string statement_;
    std::vector<std::string> names_;
    std::vector<bool> float32_;
    std::vector<std::vector<Cell>> rows_;
    std::vector<std::int64_t> rowids_;
    std::size_t current_ = 0;

    bool editable_ = false;
    std::string table_;
    std::string rowSql_;
    std::vector<BaseColumn> baseColumns_;
    Mode mode_ = Mode::Browse;
    std::vector<PendingValue> pending_;
};

} // namespace vamo::storage
