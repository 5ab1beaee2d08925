#include "plugin/evaluation/summary_store.h"

#include "storage/quoting.h"

#include <system_error>

namespace vamo::evaluation {

std::string createSummaryTable() {
    std::string statement = "Create Table test_result(ID int IDENTITY(1,1) PRIMARY KEY,";
    for (const char* column : {"wbbh", "synx", "sjpz", "qddj", "sjgg"}) {
        statement += std::string(column) + " Text(100),";
    }
    for (const char* column : {"speed", "numb", "kj", "mj", "xzxs"}) {
        statement += std::string(column) + " Text(10),";
    }
    for (int i = 1; i <= 24; ++i) {
        statement += "zhz" + std::to_string(i) + " Text(10),";
        statement += "qdz" + std::to_string(i) + " Text(10),";
    }
    statement += "yxlz Text(10),yxqd Text(10),lq Text(10),date_time Text(30),sjwj Text(255),"
                 "end_flag Text(10),read_flag Text(10))";
    return statement;
}

storage::Database openSummaryDatabase(const std::filesystem::path& programFolder) {
    const auto path = programFolder / "output" / "Normal.mdb";
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        const auto first = programFolder / "db" / "temp_normal1.mdb";
        const auto second = programFolder / "db" / "temp_normal2.mdb";
        const auto& source = std::filesystem::exists(first, ignored) ? first : second;
        if (std::filesystem::exists(source, ignored)) {
            std::filesystem::copy_file(source, path);
            try {
                auto database = storage::Database::open(path.string(), summaryPassword);
                database.execute(createSummaryTable());
                return database;
            } catch (...) {
                // A file without its table would refuse every later row: take it away again.
                std::filesystem::remove(path, ignored);
                throw;
            }
        }
    }
    return storage::Database::open(path.string(), summaryPassword);
}

std::string insertSummaryRow(const std::vector<SummaryValue>& values) {
    std::string columns;
    std::string texts;
    for (const auto& value : values) {
        if (!columns.empty()) {
            columns += ",";
            texts += ",";
        }
        columns += value.column;
        texts += storage::quoted(value.text);
    }
    return "insert into test_result(" + columns + ") values(" + texts + ")";
}

} // namespace vamo::evaluation
