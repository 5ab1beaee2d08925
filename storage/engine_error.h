#pragma once

#include "storage/dialect.h"

#include <string>
#include <string_view>
#include <vector>

namespace vamo::storage {

// A readable message for an error SQLite reported while running a statement:
//   a broken column limit    -> "text too long for column test_set.name (at most 50 characters)"
//   a missing table          -> "no such table: result7" ("... in database '<path>'" for an attached file)
//   anything else            -> the engine's message with the database path and the caller's statement text
std::string describeEngineError(std::string_view engineMessage, std::string_view databasePath,
                                std::string_view statementText, const std::vector<AttachedSource>& sources);

} // namespace vamo::storage
