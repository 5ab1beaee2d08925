#include "host/app/host_forms.h"

#include "host/app/settings_dialogs.h"
#include "host/records/ui/login_dialog.h"
#include "host/records/ui/user_dialog.h"
#include "host/settings/sys_set_names.h"

namespace vamo::host {

QtHostForms::QtHostForms(std::filesystem::path programFolder, platform::Dialogs& dialogs, QWidget* owner)
    : programFolder_(std::move(programFolder)),
      settingsFile_(settings::sysSetPath(programFolder_)),
      dialogs_(dialogs),
      users_(programFolder_ / "db" / "sys_set.mdb"),
      owner_(owner) {
}

bool QtHostForms::login(records::LoginState& state) {
    users_.ensureExists();
    records::Login login(users_, settingsFile_, dialogs_);
    Tpassword dialog(login, state, owner_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtHostForms::serialSettings() {
    SerialSettingsDialog dialog(settingsFile_, dialogs_, owner_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtHostForms::parameterSettings() {
    ParameterSettingsDialog dialog(settingsFile_, dialogs_, owner_);
    return dialog.exec() == QDialog::Accepted;
}

void QtHostForms::systemParameters() {
    SystemParametersDialog dialog(settingsFile_, dialogs_, owner_);
    dialog.exec();
}

void QtHostForms::userManagement() {
    users_.ensureExists();
    Tuser_set dialog(users_, dialogs_, owner_);
    dialog.exec();
}

} // namespace vamo::host
