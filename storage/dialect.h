#pragma once

#include "storage/sql_tokenizer.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::storage {

// A second database file named in a statement as [;database=PATH].table.
struct AttachedSource {
    std::string path; // as written after "database="
    std::string schema; // the name it is attached under
};

struct TranslatedStatement {
    std::string sql;
    std::vector<AttachedSource> sources; // to attach before the statement runs
};

// Carries a statement of the callers' dialect over to SQLite, leaving everything else as written:
//   "text"                  -> 'text' (double quotes delimit strings, as in Jet)
//   [name]                  -> "name"
//   [;database=PATH].table  -> "schema"."table", PATH to be attached under a schema from newSchemaName
TranslatedStatement translateStatement(std::string_view statement, const std::vector<Token>& tokens,
                                       const std::function<std::string()>& newSchemaName);

// The same for the tokens [first, last) only, from the first token's start to the last one's end.
// A database reference in that range is an error.
std::string translateTokens(std::string_view statement, const std::vector<Token>& tokens, std::size_t first,
                            std::size_t last);

} // namespace vamo::storage
