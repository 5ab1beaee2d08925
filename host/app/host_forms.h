#pragma once

#include "host/records/login.h"
#include "host/records/user_store.h"
#include "platform/dialogs.h"

#include <filesystem>

class QWidget;

namespace vamo::host {

// The modal forms the main window opens. Each is created when it opens, shown modally and freed
// afterwards. Tests substitute their own answers.
class HostForms {
public:
    virtual ~HostForms() = default;
    // 登录: false when it was cancelled (the program then ends).
    virtual bool login(records::LoginState& state) = 0;
    // 串口设置: true when confirmed (the settings were written).
    virtual bool serialSettings() = 0;
    // 参数设置: true when confirmed.
    virtual bool parameterSettings() = 0;
    // 系统参数 (after its access code): writes its two settings on every close.
    virtual void systemParameters() = 0;
    // 用户管理.
    virtual void userManagement() = 0;
};

// The forms on Qt Widgets, owned by the window the lookup returns when they open.
class QtHostForms : public HostForms {
public:
    QtHostForms(std::filesystem::path programFolder, platform::Dialogs& dialogs, QWidget* owner = nullptr);

    void setOwner(QWidget* owner) { owner_ = owner; }

    bool login(records::LoginState& state) override;
    bool serialSettings() override;
    bool parameterSettings() override;
    void systemParameters() override;
    void userManagement() override;

private:
    std::filesystem::path programFolder_;
    std::filesystem::path settingsFile_;
    platform::Dialogs& dialogs_;
    records::UserStore users_;
    QWidget* owner_;
};

} // namespace vamo::host
