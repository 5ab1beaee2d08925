#pragma once

#include "storage/database_error.h"
#include "storage/quoting.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::storage {

class Connection;

// One record database: a single SQLite file at the path the caller names (UTF-8), kept in
// rollback-journal mode so that a file at rest is that one file. Statements are the callers'
// own texts in the Jet dialect; the layer translates what SQLite would do differently (column
// types, text limits, identity numbering, double-quoted strings, [;database=PATH].table).
//
// Password protection (a lock against opening a file by mistake, not encryption): a protected
// file holds the table
//     vamo_password(salt TEXT NOT NULL, hash TEXT NOT NULL)
// with one row. salt is 16 random bytes as 32 lower-case hex digits; hash is the 32-byte keyed
// BLAKE2b (libsodium crypto_generichash) of the password's UTF-8 bytes keyed with the salt bytes,
// as 64 lower-case hex digits; in Python hashlib.blake2b(password, key=bytes.fromhex(salt),
// digest_size=32).hexdigest(). A file without that table is not protected. The table is not
// listed by tableNames().
class Database {
public:
    // Opens an existing file; never creates one. Errors: the file is missing or not a database;
    // the file is protected and no password or a wrong one is given. A password for an
    // unprotected file is ignored; an empty password counts as none.
    static Database open(const std::string& path, const std::optional<std::string>& password = std::nullopt);

    // Creates an empty database file (header written), protected when a non-empty password is
    // given. The file must not exist yet.
    static Database create(const std::string& path,
                           const std::optional<std::string>& password = std::nullopt);

    ~Database();
    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;

    // Runs one statement of the callers' dialect, as the caller wrote it. Rows of a SELECT are ignored.
    void execute(std::string_view statement);

    // For a file of scratch data that is made anew when it is lost (the curve of the running specimen):
    // its writes are no longer flushed to disk one by one. A crash of the program loses nothing
    // written; a power failure may lose the last writes or spoil the file.
    void markAsScratch();

    // The tables of the file in the order they were created, without internal ones.
    std::vector<std::string> tableNames() const;
    // Whether the file has a table of that name (ASCII letters in any case).
    bool hasTable(std::string_view name) const;

    const std::string& path() const;

private:
    explicit Database(std::unique_ptr<Connection> connection);
    Connection& connection() const;

    std::unique_ptr<Connection> connection_;

    friend class Query;
    friend class Transaction;
};

} // namespace vamo::storage
