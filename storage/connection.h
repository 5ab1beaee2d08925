#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace vamo::storage {

// One open SQLite connection and the bookkeeping the dialect needs: names for attached files,
// and attached files that a transaction still holds.
class Connection {
public:
    // Opens the file (never creates it unless openFlags say so) with the settings every database
    // of the station uses: rollback journal, synchronous=FULL, a 5 s busy timeout, no foreign keys.
    // Throws "cannot <purpose> database '<path>': <reason>".
    Connection(std::string path, int openFlags, std::string_view purpose = "open");
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* handle() const { return handle_; }
    const std::string& path() const { return path_; }

    // Runs SQL of our own (not of the callers' dialect); rows it yields are ignored.
    void run(std::string_view sql);

    // A table or view of the main file by name, ASCII letters in any case.
    bool hasTable(std::string_view name);

    std::string newSchemaName();

    // An attached file that cannot be detached while the open transaction has read it.
    void detachLater(std::string schema);
    // Detaches what detachLater kept, as far as the transaction state allows.
    void detachPending() noexcept;

private:
    void configure(std::string_view purpose);

    sqlite3* handle_ = nullptr;
    std::string path_;
    std::size_t schemaCounter_ = 0;
    std::vector<std::string> pendingDetach_;
};

// The SQLite URI of a file path, so that no part of the path is taken as an option.
std::string fileUri(std::string_view path, bool readOnly);

} // namespace vamo::storage
