#pragma once

#include "host/records/login.h"
#include "host/records/user_store.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QTableWidget;

// The user management dialog 用户管理: the users of table 用户组, adding, deleting and new passwords.
class Tuser_set : public QDialog {
    Q_OBJECT
public:
    Tuser_set(vamo::records::UserStore& users, vamo::platform::Dialogs& dialogs, QWidget* parent = nullptr);

    QTableWidget* grid() const { return grid_; }
    QLineEdit* nameField() const { return name_; }

    void addUser();
    void deleteUser();
    void changePassword();

private:
    void reload();
    void selectRow(int row);
    const vamo::records::UserRow* currentUser() const;

    vamo::records::UserStore& users_;
    vamo::platform::Dialogs& dialogs_;
    vamo::records::UserAdministration administration_;
    std::vector<vamo::records::UserRow> rows_;
    QTableWidget* grid_;
    QLineEdit* name_;
};
