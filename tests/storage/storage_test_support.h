#pragma once

#include "storage/database.h"
#include "storage/query.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vamo::storage::support {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The UTF-8 path of a file in the folder.
    std::string file(const std::string& name) const;

private:
    std::filesystem::path path_;
};

// The message of the DatabaseError that action throws, or "(no error)".
template <typename Action>
std::string errorOf(Action&& action) {
    try {
        action();
    } catch (const DatabaseError& error) {
        return error.what();
    }
    return "(no error)";
}

// The named fields of every row of a query, row by row.
std::vector<std::vector<std::string>> rowsOf(Database& database, const std::string& select,
                                             const std::vector<std::string>& fields);

std::size_t rowCountOf(Database& database, const std::string& table);

// The names of the files attached to the connection besides main and temp.
std::vector<std::string> attachedSchemas(Database& database);

// The curve table statement as the host and the plug-ins join it, for a table name.
std::string curveTableStatement(const std::string& table);

} // namespace vamo::storage::support
