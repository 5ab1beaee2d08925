#include "storage/connection.h"

#include "storage/database_error.h"
#include "storage/engine_error.h"
#include "storage/quoting.h"
#include "storage/statement.h"

#include <sqlite3.h>

namespace vamo::storage {
namespace {

// Long enough to ride out a write of the outside upload program, short enough to report a stuck lock.
constexpr int busyTimeoutMs = 5000;

bool isUriSafe(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
           || c == '_' || c == '~' || c == '/';
}

} // namespace

Connection::Connection(std::string path, int openFlags, std::string_view purpose) : path_(std::move(path)) {
    const std::string uri = fileUri(path_, false);
    const int result = sqlite3_open_v2(uri.c_str(), &handle_, openFlags | SQLITE_OPEN_URI, nullptr);
    if (result != SQLITE_OK) {
        const std::string reason = handle_ != nullptr ? sqlite3_errmsg(handle_) : sqlite3_errstr(result);
        sqlite3_close(handle_);
        throw DatabaseError("cannot " + std::string(purpose) + " database '" + path_ + "': " + reason);
    }
    try {
        configure(purpose);
    } catch (...) {
        sqlite3_close(handle_);
        throw;
    }
}

Connection::~Connection() {
    sqlite3_close(handle_);
}

void Connection::configure(std::string_view purpose) {
    sqlite3_extended_result_codes(handle_, 1);
    // Double quotes always name identifiers; the dialect layer has already turned the callers'
    // double-quoted strings into literals.
    sqlite3_db_config(handle_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(handle_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_timeout(handle_, busyTimeoutMs);
    // SQLite reads the file only now: this first read tells a database from any other file.
    const int result = sqlite3_exec(handle_, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) {
        const bool notADatabase = (result & 0xff) == SQLITE_NOTADB;
        throw DatabaseError("cannot " + std::string(purpose) + " database '" + path_
                            + "': " + (notADatabase ? "file is not a database" : sqlite3_errmsg(handle_)));
    }
    // One file at rest (no WAL), and a write that returns is on disk.
    run("PRAGMA journal_mode=DELETE");
    run("PRAGMA synchronous=FULL");
    run("PRAGMA foreign_keys=OFF");
}

void Connection::run(std::string_view sql) {
    const std::string text(sql);
    if (sqlite3_exec(handle_, text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        throw DatabaseError(describeEngineError(sqlite3_errmsg(handle_), path_, text, {}));
    }
}

bool Connection::hasTable(std::string_view name) {
    Statement lookup(
        *this, "SELECT 1 FROM sqlite_schema WHERE type IN ('table','view') AND name = ?1 COLLATE NOCASE",
        "table lookup");
    lookup.bindText(1, name);
    return lookup.step();
}

std::string Connection::newSchemaName() {
    return "vamo_source_" + std::to_string(++schemaCounter_);
}

void Connection::detachLater(std::string schema) {
    pendingDetach_.push_back(std::move(schema));
}

void Connection::detachPending() noexcept {
    if (pendingDetach_.empty() || sqlite3_get_autocommit(handle_) == 0) {
        return;
    }
    std::vector<std::string> stillAttached;
    for (auto& schema : pendingDetach_) {
        const std::string sql = "DETACH DATABASE " + quotedIdentifier(schema);
        if (sqlite3_exec(handle_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            stillAttached.push_back(std::move(schema));
        }
    }
    pendingDetach_ = std::move(stillAttached);
}

std::string fileUri(std::string_view path, bool readOnly) {
    std::string uri = "file:";
    std::string normalised(path);
#ifdef _WIN32
    for (char& c : normalised) {
        if (c == '\\') {
            c = '/';
        }
    }
    const bool hasDrive = normalised.size() >= 2 && normalised[1] == ':';
    if (hasDrive) {
        uri += "///";
    }
#else
    constexpr bool hasDrive = false;
#endif
    // An empty authority, so that a path beginning with "//" stays a path.
    if (normalised.starts_with('/')) {
        uri += "//";
    }
    static constexpr char hex[] = "0123456789ABCDEF";
    for (std::size_t i = 0; i < normalised.size(); ++i) {
        const auto c = static_cast<unsigned char>(normalised[i]);
        if (isUriSafe(c) || (hasDrive && i == 1)) {
            uri += static_cast<char>(c);
        } else {
            uri += '%';
            uri += hex[c >> 4];
            uri += hex[c & 0x0f];
        }
    }
    if (readOnly) {
        uri += "?mode=ro";
    }
    return uri;
}

} // namespace vamo::storage
