#include "host/records/user_store.h"

#include "host/records/password_hash.h"
#include "storage/database.h"
#include "storage/query.h"
#include "storage/transaction.h"

#include <system_error>

namespace vamo::records {

namespace {

constexpr std::string_view createUserTable =
    "Create Table 用户组(ID int IDENTITY(1,1) PRIMARY KEY,用户名 Text(50),密码 string,权限 Text(50))";

UserRow rowOf(const storage::Query& query) {
    UserRow row;
    row.id = std::stoll(query.field("ID"));
    row.name = query.field("用户名");
    row.passwordHash = query.field("密码");
    row.role = query.field("权限");
    return row;
}

std::string selectUser(std::string_view name) {
    return "select * from 用户组 where 用户名 =" + storage::quoted(name);
}

std::string selectId(std::int64_t id) {
    return "select * from 用户组 where ID=" + std::to_string(id);
}

} // namespace

void UserStore::ensureExists() {
    std::error_code ignored;
    if (std::filesystem::exists(path_, ignored)) {
        return;
    }
    // Made under a temporary name and renamed, so that a failure never leaves a user database without admin.
    const auto temporary = std::filesystem::path(path_.string() + ".new");
    std::filesystem::remove(temporary, ignored);
    {
        auto database = storage::Database::create(temporary.string());
        database.execute(createUserTable);
        database.execute("insert into 用户组(用户名,密码,权限) values(" + storage::quoted(builtInUser) + ","
                         + storage::quoted(hashPassword(builtInPassword)) + "," + storage::quoted(adminRole)
                         + ")");
    }
    std::filesystem::rename(temporary, path_);
}

std::vector<UserRow> UserStore::users() const {
    auto database = storage::Database::open(path_.string());
    storage::Query query(database, "Select * from 用户组");
    std::vector<UserRow> rows;
    for (query.first(); !query.eof(); query.next()) {
        rows.push_back(rowOf(query));
    }
    return rows;
}

std::optional<UserRow> UserStore::find(std::string_view name) const {
    auto database = storage::Database::open(path_.string());
    storage::Query query(database, selectUser(name));
    if (query.eof()) {
        return std::nullopt;
    }
    return rowOf(query);
}

bool UserStore::checkPassword(const UserRow& user, std::string_view password) const {
    return verifyPassword(user.passwordHash, password);
}

void UserStore::add(std::string_view name, std::string_view password, std::string_view role) {
    const std::string hash = hashPassword(password);
    auto database = storage::Database::open(path_.string());
    database.execute("insert into 用户组(用户名,密码,权限) values(" + storage::quoted(name) + ","
                     + storage::quoted(hash) + "," + storage::quoted(role) + ")");
}

void UserStore::remove(std::int64_t id) {
    auto database = storage::Database::open(path_.string());
    database.execute("delete from 用户组 where ID=" + std::to_string(id));
}

void UserStore::setPassword(std::int64_t id, std::string_view password) {
    const std::string hash = hashPassword(password);
    auto database = storage::Database::open(path_.string());
    storage::Query query(database, selectId(id));
    if (query.eof()) {
        throw storage::DatabaseError("the user was removed in the meantime");
    }
    query.edit();
    query.set("密码", hash);
    query.post();
}

} // namespace vamo::records
