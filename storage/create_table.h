#pragma once

#include "storage/sql_tokenizer.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::storage {

struct CreateTableTranslation {
    std::string table; // name of the new table, as written
    std::string sql; // the statement for SQLite
};

// Rebuilds a CREATE TABLE text of the callers' dialect for SQLite:
//   int IDENTITY(1,1) PRIMARY KEY      -> INTEGER PRIMARY KEY AUTOINCREMENT (1, 2, 3, ... never reused)
//   int, integer, long, ...            -> INTEGER, refusing values that are not whole numbers
//   Single, real                       -> FLOAT32 (REAL affinity; read back as 32-bit floats)
//   double, float                      -> REAL
//   Text(n), varchar(n), char(n)       -> TEXT holding at most n characters
//   Text, string, char                 -> TEXT holding at most 255 characters
//   memo, longtext                     -> TEXT without limit
//   IMAGE, longbinary, oleobject       -> BLOB
//   default <bare words>               -> on a text column the words as written become a text default
// The limits are named CHECK constraints, so every write that breaks one fails as a whole;
// describeColumnCheck turns their names back into readable messages.
// Returns nullopt when the tokens are not a CREATE TABLE statement. Throws DatabaseError for
// forms that cannot be carried out faithfully.
std::optional<CreateTableTranslation> translateCreateTable(std::string_view statement,
                                                           const std::vector<Token>& tokens);

// The readable message for a failed CHECK constraint made by translateCreateTable, for example
// "text too long for column test_set.name (at most 50 characters)"; nullopt for other names.
std::optional<std::string> describeColumnCheck(std::string_view constraintName);

} // namespace vamo::storage
