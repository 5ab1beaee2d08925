#pragma once

#include "storage/sql_tokenizer.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vamo::storage {

// Where a query's rows come from, for writing them back. Editable are the single-table forms
//     select <columns|*> from <table> [[as] alias] [where ...] [order by ...] [limit ...]
// without DISTINCT, aggregates, joins, grouping or compound parts.
struct SelectForm {
    bool editable = false;
    std::string table; // the base table
    std::string qualifier; // the alias, or the table: the name that reaches the rowid
    std::size_t columnsFirst = 0; // token range of the column list
    std::size_t columnsLast = 0;
    std::size_t fromFirst = 0; // token range of "table [as alias]"
    std::size_t fromLast = 0;
};

SelectForm analyseSelect(const std::vector<Token>& tokens);

} // namespace vamo::storage
