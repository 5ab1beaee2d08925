#pragma once

#include "storage/dialect.h"

#include <string>
#include <string_view>
#include <vector>

namespace vamo::storage {

class Connection;

// The files of a statement's [;database=PATH] references, attached read-only for as long as the
// object lives. A missing file is an error and is never created. Detaching waits for the end of
// an open transaction that has read from the file (SQLite keeps it locked until then).
class AttachedFiles {
public:
    AttachedFiles(Connection& connection, const std::vector<AttachedSource>& sources,
                  std::string_view statementText);
    ~AttachedFiles();
    AttachedFiles(const AttachedFiles&) = delete;
    AttachedFiles& operator=(const AttachedFiles&) = delete;

private:
    void detachAll() noexcept;

    Connection& connection_;
    std::vector<std::string> schemas_;
};

} // namespace vamo::storage
