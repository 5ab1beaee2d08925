#include "host/records/login.h"
#include "host/records/user_store.h"
#include "platform/ini_file.h"
#include "storage/database.h"
#include "storage/query.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_station.h"

#include <gtest/gtest.h>

namespace vamo::records {
namespace {

using platform::DialogAnswer;

struct Users : ::testing::Test {
    vamo::testing::TempStation station;
    UserStore store{station / "db/sys_set.mdb"};
    vamo::testing::ScriptedDialogs dialogs;

    void SetUp() override { store.ensureExists(); }

    std::vector<std::string> names() {
        std::vector<std::string> result;
        for (const auto& user : store.users()) {
            result.push_back(user.name + "/" + user.role);
        }
        return result;
    }
};

TEST_F(Users, FreshStationHasAdminWithAHashedPassword) {
    EXPECT_EQ(names(), (std::vector<std::string>{"admin/Admin"}));
    auto database = storage::Database::open((station / "db/sys_set.mdb").string());
    storage::Query query(database, "Select * from 用户组");
    EXPECT_NE(query.field("密码"), "583") << "never the plain text";
    EXPECT_EQ(query.field("ID"), "1");
    EXPECT_TRUE(store.checkPassword(*store.find("admin"), "583"));
    EXPECT_FALSE(store.checkPassword(*store.find("admin"), "584"));
}

TEST_F(Users, LoginRefusesUnknownUsersAndWrongPasswordsAndTakesThePort) {
    Login login(store, station.settingsFile(), dialogs);
    LoginState state;
    EXPECT_FALSE(login.submit("nobody", "583", "COM1", state));
    EXPECT_FALSE(login.submit("admin", "58", "COM1", state));
    EXPECT_FALSE(login.submit("ADMIN", "583", "COM1", state));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>(3, "密码错误|错误")));
    EXPECT_TRUE(state.userName.empty()) << "a failed login leaves the state as it was";

    EXPECT_TRUE(login.submit("admin", "583", "COM3", state));
    EXPECT_EQ(state.userName, "admin");
    EXPECT_EQ(state.role, "Admin");
    EXPECT_EQ(platform::readIniValue(station.settingsFile(), "串口设置", "COM", ""), "2");
    EXPECT_EQ(login.selectedPort(), 2);
    EXPECT_EQ(login.userNames(), (std::vector<std::string>{"admin"}));

    LoginState other;
    EXPECT_FALSE(login.submit("admin", "583", "串口", other))
        << "a port without digits keeps the dialog open";
    EXPECT_EQ(other.userName, "admin") << "the user was taken over before the port failed";
    EXPECT_EQ(dialogs.errors().size(), 1u);
}

TEST_F(Users, AddingUsersRefusesEmptyAndDuplicateNamesAndRecreatesAdmin) {
    UserAdministration admin(store, dialogs);
    dialogs.answerInput("");
    EXPECT_FALSE(admin.addUser());
    dialogs.answerInput(std::nullopt);
    EXPECT_FALSE(admin.addUser());
    dialogs.answerInput("admin");
    EXPECT_FALSE(admin.addUser());
    dialogs.answerInput("li");
    dialogs.answerInput("");
    EXPECT_FALSE(admin.addUser());
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"用户名为空!|用户名空", "用户名为空!|用户名空",
                                        "用户名重复!|用户名重复", "密码空!|密码不能为空"}));

    dialogs.answerInput("li");
    dialogs.answerInput("pw'1");
    EXPECT_TRUE(admin.addUser());
    EXPECT_EQ(names(), (std::vector<std::string>{"admin/Admin", "li/Tester"}));
    EXPECT_TRUE(store.checkPassword(*store.find("li"), "pw'1"));

    EXPECT_FALSE(admin.deleteUser(*store.find("admin")));
    EXPECT_EQ(dialogs.messages().back(), "管理员admin不能删|不能删");
    store.remove(store.find("admin")->id);
    dialogs.answerInput("admin");
    EXPECT_TRUE(admin.addUser()) << "re-created without asking for a password";
    const auto recreated = store.find("admin");
    ASSERT_TRUE(recreated);
    EXPECT_EQ(recreated->role, "Admin");
    EXPECT_TRUE(store.checkPassword(*recreated, "583"));
    EXPECT_TRUE(admin.deleteUser(*store.find("li")));
    EXPECT_EQ(names(), (std::vector<std::string>{"admin/Admin"}));
}

TEST_F(Users, PasswordChangeFlows) {
    UserAdministration admin(store, dialogs);
    const UserRow user = *store.find("admin");
    struct Flow {
        const char* what;
        std::string nameInEdit;
        std::vector<std::optional<std::string>> answers;
        bool changed;
    };
    const std::vector<Flow> flows{
        {"no user selected", "", {}, false},
        {"old password cancelled", "admin", {std::nullopt}, false},
        {"old password empty", "admin", {""}, false},
        {"old password wrong", "admin", {"584"}, false},
        {"new password empty", "admin", {"583", ""}, false},
        {"changed", "admin", {"583", "新密码"}, true},
    };
    for (const auto& flow : flows) {
        dialogs.shown.clear();
        for (const auto& answer : flow.answers) {
            dialogs.answerInput(answer);
        }
        EXPECT_EQ(admin.changePassword(flow.nameInEdit, *store.find("admin")), flow.changed) << flow.what;
        if (!flow.changed) {
            EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"密码错|密码错"})) << flow.what;
        }
    }
    EXPECT_EQ(dialogs.shown.at(0).caption, "输入老密码");
    EXPECT_EQ(dialogs.shown.at(0).text, "输入：(admin) 老密码            ");
    EXPECT_EQ(dialogs.shown.at(1).caption, "新密码输入:");
    EXPECT_EQ(dialogs.shown.at(1).text, "用户：admin  的新密码    ");
    EXPECT_TRUE(store.checkPassword(*store.find("admin"), "新密码"));
    EXPECT_FALSE(store.checkPassword(*store.find("admin"), "583"));
    EXPECT_EQ(user.id, store.find("admin")->id);
}

TEST(UserRoles, OnlyTheExactTextAdminIsAnAdministrator) {
    EXPECT_TRUE(isAdminRole("Admin"));
    EXPECT_FALSE(isAdminRole("admin"));
    EXPECT_FALSE(isAdminRole("Tester"));
}

} // namespace
} // namespace vamo::records
