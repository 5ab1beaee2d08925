#pragma once

#include "host/records/login.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The login dialog 登录. It closes only through 登录 (accepted) or 取消 (rejected).
class Tpassword : public QDialog {
    Q_OBJECT
public:
    Tpassword(vamo::records::Login& login, vamo::records::LoginState& state, QWidget* parent = nullptr);

    QComboBox* userList() const { return users_; }
    QLineEdit* passwordField() const { return password_; }
    QComboBox* portList() const { return ports_; }
    QPushButton* loginButton() const { return login_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void submit();

    vamo::records::Login& loginModel_;
    vamo::records::LoginState& state_;
    QComboBox* users_;
    QLineEdit* password_;
    QLabel* version_;
    QComboBox* ports_;
    QPushButton* login_;
    QPushButton* cancel_;
};
