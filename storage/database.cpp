#include "storage/database.h"

#include "storage/attached_files.h"
#include "storage/cell_text.h"
#include "storage/connection.h"
#include "storage/create_table.h"
#include "storage/dialect.h"
#include "storage/password.h"
#include "storage/sql_tokenizer.h"
#include "storage/statement.h"

#include <sqlite3.h>

#include <filesystem>

namespace vamo::storage {
namespace {

// "VAMO": marks the files this layer creates; writing it also writes the file's header.
constexpr int applicationId = 0x56414D4F;

std::filesystem::path fileSystemPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::optional<std::string> nonEmpty(const std::optional<std::string>& password) {
    if (password && !password->empty()) {
        return password;
    }
    return std::nullopt;
}

void checkPassword(Connection& connection, const std::optional<std::string>& password) {
    if (!connection.hasTable(passwordTable)) {
        return;
    }
    Statement read(connection, "SELECT salt, hash FROM " + quotedIdentifier(passwordTable), "password check");
    if (!read.step()) {
        throw DatabaseError("the password record of database '" + connection.path() + "' is damaged");
    }
    const std::string salt = cellText(read.cell(0), false);
    const std::string hash = cellText(read.cell(1), false);
    if (!password) {
        throw DatabaseError("database '" + connection.path() + "' is protected by a password");
    }
    if (!passwordMatches(*password, salt, hash)) {
        throw DatabaseError("wrong password for database '" + connection.path() + "'");
    }
}

void writeEmptyDatabase(Connection& connection, const std::optional<std::string>& password) {
    connection.run("BEGIN IMMEDIATE");
    try {
        connection.run("PRAGMA application_id = " + std::to_string(applicationId));
        if (password) {
            const std::string table = quotedIdentifier(passwordTable);
            connection.run("CREATE TABLE " + table + "(salt TEXT NOT NULL, hash TEXT NOT NULL)");
            const std::string salt = newPasswordSalt();
            Statement insert(connection, "INSERT INTO " + table + "(salt, hash) VALUES(?1, ?2)",
                             "password record");
            insert.bindText(1, salt);
            insert.bindText(2, passwordHash(*password, salt));
            insert.runToEnd();
        }
        connection.run("COMMIT");
    } catch (...) {
        sqlite3_exec(connection.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace

Database::Database(std::unique_ptr<Connection> connection) : connection_(std::move(connection)) {
}

Database::~Database() = default;
Database::Database(Database&& other) noexcept = default;
Database& Database::operator=(Database&& other) noexcept = default;

Database Database::open(const std::string& path, const std::optional<std::string>& password) {
    const auto file = fileSystemPath(path);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        throw DatabaseError("cannot open database '" + path + "': file not found");
    }
    if (!std::filesystem::is_regular_file(file, error)) {
        throw DatabaseError("cannot open database '" + path + "': not a file");
    }
    // SQLite would take an empty file for an empty database; a database file always has a header.
    if (std::filesystem::file_size(file, error) == 0) {
        throw DatabaseError("cannot open database '" + path + "': file is not a database");
    }
    auto connection = std::make_unique<Connection>(path, SQLITE_OPEN_READWRITE);
    checkPassword(*connection, nonEmpty(password));
    return Database(std::move(connection));
}

Database Database::create(const std::string& path, const std::optional<std::string>& password) {
    const auto file = fileSystemPath(path);
    std::error_code error;
    if (std::filesystem::exists(file, error)) {
        throw DatabaseError("cannot create database '" + path + "': file already exists");
    }
    std::unique_ptr<Connection> connection;
    try {
        connection = std::make_unique<Connection>(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, "create");
        writeEmptyDatabase(*connection, nonEmpty(password));
    } catch (...) {
        // A half-made file would pass for a database later.
        connection.reset();
        std::filesystem::remove(file, error);
        throw;
    }
    return Database(std::move(connection));
}

Connection& Database::connection() const {
    if (!connection_) {
        throw DatabaseError("the database is closed (moved from)");
    }
    return *connection_;
}

void Database::execute(std::string_view statement) {
    Connection& database = connection();
    database.detachPending();
    const auto tokens = tokenize(statement);
    if (auto create = translateCreateTable(statement, tokens)) {
        if (database.hasTable(create->table)) {
            throw DatabaseError("table '" + create->table + "' already exists");
        }
        Statement(database, create->sql, statement).runToEnd();
        return;
    }
    const auto translated =
        translateStatement(statement, tokens, [&database] { return database.newSchemaName(); });
    const AttachedFiles attached(database, translated.sources, statement);
    Statement run(database, translated.sql, statement, translated.sources);
    run.runToEnd();
}

void Database::markAsScratch() {
    connection().run("PRAGMA synchronous=OFF");
}

std::vector<std::string> Database::tableNames() const {
    Statement list(
        connection(),
        "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"
        " AND name <> ?1 COLLATE NOCASE ORDER BY rowid",
        "table list");
    list.bindText(1, passwordTable);
    std::vector<std::string> names;
    while (list.step()) {
        names.push_back(cellText(list.cell(0), false));
    }
    return names;
}

bool Database::hasTable(std::string_view name) const {
    return !equalsIgnoringCase(name, passwordTable) && connection().hasTable(name);
}

const std::string& Database::path() const {
    return connection().path();
}

} // namespace vamo::storage
