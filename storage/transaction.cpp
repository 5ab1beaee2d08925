#include "storage/transaction.h"

#include "storage/connection.h"

#include <sqlite3.h>

namespace vamo::storage {

Transaction::Transaction(Database& database) : connection_(database.connection()) {
    connection_.detachPending();
    connection_.run("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (open_) {
        // Fails harmlessly when SQLite has already rolled back (for example after a failed COMMIT).
        sqlite3_exec(connection_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    connection_.detachPending();
}

void Transaction::commit() {
    if (!open_) {
        throw DatabaseError("the transaction on database '" + connection_.path() + "' is already committed");
    }
    connection_.run("COMMIT");
    open_ = false;
    connection_.detachPending();
}

} // namespace vamo::storage
