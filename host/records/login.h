#pragma once

#include "host/records/user_store.h"
#include "platform/dialogs.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vamo::records {

// Who is logged on: empty before the first login, replaced by every successful one.
struct LoginState {
    std::string userName;
    std::string role;
};

// What the login dialog 登录 does, without its widgets.
class Login {
public:
    Login(UserStore& users, std::filesystem::path settingsFile, platform::Dialogs& dialogs)
        : users_(users),
          settingsFile_(std::move(settingsFile)),
          dialogs_(dialogs) {}

    // The user list: every 用户名 in table order (the dialog selects the first).
    std::vector<std::string> userNames() const;
    // The port list "COM1" to "COM16" and the entry to select: COM of 串口设置.
    static std::vector<std::string> portNames();
    int selectedPort() const;

    // 登录: true when the dialog may close. A wrong user or password shows "密码错误" / "错误"; a port text
    // without digits is reported as an error after the user has been taken over.
    bool submit(std::string_view userText, std::string_view password, std::string_view portText,
                LoginState& state);

private:
    UserStore& users_;
    std::filesystem::path settingsFile_;
    platform::Dialogs& dialogs_;
};

// What the user dialog 用户管理 does with its buttons, without its widgets.
class UserAdministration {
public:
    UserAdministration(UserStore& users, platform::Dialogs& dialogs) : users_(users), dialogs_(dialogs) {}

    // 新增用户. True when a user was added.
    bool addUser();
    // 删除用户 of the grid's current row. True when the row was deleted.
    bool deleteUser(const UserRow& current);
    // 修改密码 for the name in the edit and the grid's current row. True when the password was changed.
    bool changePassword(std::string_view nameInEdit, const UserRow& current);

private:
    UserStore& users_;
    platform::Dialogs& dialogs_;
};

} // namespace vamo::records
