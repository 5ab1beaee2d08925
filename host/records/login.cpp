#include "host/records/login.h"

#include "host/controller/serial_settings.h"
#include "host/settings/single_settings.h"

namespace vamo::records {

std::vector<std::string> Login::userNames() const {
    std::vector<std::string> names;
    for (const auto& user : users_.users()) {
        names.push_back(user.name);
    }
    return names;
}

std::vector<std::string> Login::portNames() {
    std::vector<std::string> names;
    for (int port = 1; port <= 16; ++port) {
        names.push_back("COM" + std::to_string(port));
    }
    return names;
}

int Login::selectedPort() const {
    return settings::readSerialSettings(settingsFile_).port;
}

bool Login::submit(std::string_view userText, std::string_view password, std::string_view portText,
                   LoginState& state) {
    const auto user = users_.find(userText);
    if (!user || !users_.checkPassword(*user, password)) {
        dialogs_.message("密码错误", "错误");
        return false;
    }
    state.userName = user->name;
    state.role = user->role;
    try {
        const int port = controller::portNumberFromText(portText);
        settings::writeSerialPort(settingsFile_, port - 1);
    } catch (const std::exception& error) {
        dialogs_.error(error.what());
        return false;
    }
    return true;
}

bool UserAdministration::addUser() {
    const auto name = dialogs_.input("输入用户名", "输入用户名：");
    if (!name || name->empty()) {
        dialogs_.message("用户名为空!", "用户名空");
        return false;
    }
    if (users_.find(*name)) {
        dialogs_.message("用户名重复!", "用户名重复");
        return false;
    }
    if (*name == builtInUser) {
        users_.add(builtInUser, builtInPassword, adminRole);
        return true;
    }
    const auto password = dialogs_.input("输入密码", "输入用户密码：");
    if (!password || password->empty()) {
        dialogs_.message("密码空!", "密码不能为空");
        return false;
    }
    users_.add(*name, *password, testerRole);
    return true;
}

bool UserAdministration::deleteUser(const UserRow& current) {
    if (current.name == builtInUser) {
        dialogs_.message("管理员admin不能删", "不能删");
        return false;
    }
    users_.remove(current.id);
    return true;
}

bool UserAdministration::changePassword(std::string_view nameInEdit, const UserRow& current) {
    const std::string name(nameInEdit);
    if (!name.empty()) {
        const auto old = dialogs_.input("输入老密码", "输入：(" + name + ") 老密码            ");
        if (old && !old->empty() && users_.checkPassword(current, *old)) {
            const auto fresh = dialogs_.input("新密码输入:", "用户：" + name + "  的新密码    ");
            if (fresh && !fresh->empty()) {
                users_.setPassword(current.id, *fresh);
                return true;
            }
        }
    }
    dialogs_.message("密码错", "密码错");
    return false;
}

} // namespace vamo::records
