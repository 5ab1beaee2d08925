#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::records {

inline constexpr std::string_view builtInUser = "admin";
inline constexpr std::string_view builtInPassword = "583";
inline constexpr std::string_view adminRole = "Admin";
inline constexpr std::string_view testerRole = "Tester";

struct UserRow {
    std::int64_t id = 0;
    std::string name; // 用户名
    std::string passwordHash; // 密码
    std::string role; // 权限
};

// Only the role text "Admin", exactly so, grants the administrator's commands.
inline bool isAdminRole(std::string_view role) {
    return role == adminRole;
}

// The users of the station: table 用户组 of db/sys_set.mdb (ID, 用户名, 密码, 权限). Every operation opens
// the file and closes it again.
class UserStore {
public:
    explicit UserStore(std::filesystem::path databasePath) : path_(std::move(databasePath)) {}

    // A fresh station has no user database: it is made with the built-in user admin / "583" / "Admin".
    void ensureExists();

    std::vector<UserRow> users() const; // "Select * from 用户组", in table order
    std::optional<UserRow> find(std::string_view name) const;

    bool checkPassword(const UserRow& user, std::string_view password) const;

    void add(std::string_view name, std::string_view password, std::string_view role);
    void remove(std::int64_t id);
    void setPassword(std::int64_t id, std::string_view password);

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace vamo::records
