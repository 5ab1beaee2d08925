#pragma once

#include <stdexcept>

namespace vamo::storage {

// Every failure of the record database layer: the message names what failed and where
// (file, table, column or statement).
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace vamo::storage
