#include "storage/attached_files.h"

#include "storage/connection.h"
#include "storage/database_error.h"
#include "storage/quoting.h"
#include "storage/statement.h"

#include <sqlite3.h>

#include <filesystem>

namespace vamo::storage {
namespace {

bool isFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(std::u8string(path.begin(), path.end())),
                                            error);
}

} // namespace

AttachedFiles::AttachedFiles(Connection& connection, const std::vector<AttachedSource>& sources,
                             std::string_view statementText)
    : connection_(connection) {
    try {
        for (const auto& source : sources) {
            if (!isFile(source.path)) {
                throw DatabaseError("cannot open database '" + source.path + "': file not found");
            }
            Statement attach(connection_, "ATTACH DATABASE ?1 AS " + quotedIdentifier(source.schema),
                             statementText);
            attach.bindText(1, fileUri(source.path, true));
            attach.runToEnd();
            schemas_.push_back(source.schema);
        }
    } catch (...) {
        detachAll();
        throw;
    }
}

AttachedFiles::~AttachedFiles() {
    detachAll();
}

void AttachedFiles::detachAll() noexcept {
    for (const auto& schema : schemas_) {
        const std::string sql = "DETACH DATABASE " + quotedIdentifier(schema);
        if (sqlite3_exec(connection_.handle(), sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            connection_.detachLater(schema);
        }
    }
    schemas_.clear();
}

} // namespace vamo::storage
