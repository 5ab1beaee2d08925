#pragma once

#include "storage/database.h"

namespace vamo::storage {

// BEGIN IMMEDIATE on construction; everything written through the database until commit() is
// kept whole or, when the transaction is destroyed without commit(), not at all. Statements of
// every kind (CREATE TABLE, the copy from an attached file, queries) work inside it.
class Transaction {
public:
    explicit Transaction(Database& database);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& connection_;
    bool open_ = true;
};

} // namespace vamo::storage
