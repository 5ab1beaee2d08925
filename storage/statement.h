#pragma once

#include "storage/cell_text.h"
#include "storage/dialect.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace vamo::storage {

class Connection;

// One prepared SQLite statement. Errors are thrown as DatabaseError naming the caller's text.
class Statement {
public:
    // sql must hold exactly one statement. shownText is what the caller wrote (for messages);
    // sources are the files attached for it.
    Statement(Connection& connection, std::string_view sql, std::string_view shownText,
              std::vector<AttachedSource> sources = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bindNull(int index);
    void bindInteger(int index, std::int64_t value);
    void bindDouble(int index, double value);
    void bindText(int index, std::string_view text);
    void bindBlob(int index, std::string_view bytes);

    // Advances to the next row; false when the statement is done.
    bool step();
    void runToEnd();

    int columnCount() const;
    std::string columnName(int column) const;
    std::string columnDeclaredType(int column) const;
    Cell cell(int column) const;

private:
    [[noreturn]] void fail() const;
    void checkBind(int result) const;

    Connection& connection_;
    sqlite3_stmt* statement_ = nullptr;
    std::string shownText_;
    std::vector<AttachedSource> sources_;
};

} // namespace vamo::storage
