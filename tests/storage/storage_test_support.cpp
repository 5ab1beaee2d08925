#include "storage_test_support.h"

#include <cstdlib>
#include <stdexcept>

namespace vamo::storage::support {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vamo_storage_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
}

std::string TempFolder::file(const std::string& name) const {
    return (path_ / name).string();
}

std::vector<std::vector<std::string>> rowsOf(Database& database, const std::string& select,
                                             const std::vector<std::string>& fields) {
    Query query(database, select);
    std::vector<std::vector<std::string>> rows;
    for (query.first(); !query.eof(); query.next()) {
        std::vector<std::string> row;
        for (const auto& field : fields) {
            row.push_back(query.field(field));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::size_t rowCountOf(Database& database, const std::string& table) {
    return Query(database, "select * from " + table).rowCount();
}

std::vector<std::string> attachedSchemas(Database& database) {
    std::vector<std::string> schemas;
    for (const auto& row : rowsOf(database, "PRAGMA database_list", {"name"})) {
        if (row[0] != "main" && row[0] != "temp") {
            schemas.push_back(row[0]);
        }
    }
    return schemas;
}

std::string curveTableStatement(const std::string& table) {
    return "Create Table " + table + "(ID int IDENTITY(1,1) PRIMARY KEY,"
           + "press Single default 0,run_time int," + "length Single default 0," + "length1 Single default 0,"
           + "length2 Single default 0," + "speed Single default 0)";
}

} // namespace vamo::storage::support
