#include "host/records/ui/login_dialog.h"

#include "host/app/core/station_texts.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

Tpassword::Tpassword(vamo::records::Login& login, vamo::records::LoginState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      loginModel_(login),
      state_(state),
      users_(new QComboBox),
      password_(new QLineEdit),
      version_(new QLabel),
      ports_(new QComboBox),
      login_(new QPushButton(QStringLiteral("登录"))),
      cancel_(new QPushButton(QStringLiteral("取消"))) {
    setObjectName("password");
    setWindowTitle(QStringLiteral("登录"));
    users_->setObjectName("ComboBox_user");
    users_->setEditable(true);
    password_->setObjectName("Edit_password");
    version_->setObjectName("Label_version");
    version_->setText(QStringLiteral("版本：") + qt(vamo::host::productDesignation));
    version_->setStyleSheet("color: red;");
    ports_->setObjectName("ComboBox_com");
    ports_->setEditable(true);
    login_->setObjectName("BitBtn_login");
    cancel_->setObjectName("BitBtn_cancel");
    login_->setDefault(true);
    cancel_->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("用户名："), users_);
    form->addRow(QStringLiteral("密码："), password_);
    form->addRow(QStringLiteral("串口："), ports_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(login_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(version_);
    layout->addLayout(buttons);

    for (const auto& name : loginModel_.userNames()) {
        users_->addItem(qt(name));
    }
    users_->setCurrentIndex(users_->count() > 0 ? 0 : -1);
    password_->clear();
    for (const auto& port : vamo::records::Login::portNames()) {
        ports_->addItem(qt(port));
    }
    const int port = loginModel_.selectedPort();
    ports_->setCurrentIndex(port >= 0 && port < ports_->count() ? port : -1);

    connect(login_, &QPushButton::clicked, this, &Tpassword::submit);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    login_->installEventFilter(this);
}

void Tpassword::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The user list already shows the first user: the operator types the password and presses Return.
    password_->setFocus(Qt::OtherFocusReason);
}

bool Tpassword::eventFilter(QObject* watched, QEvent* event) {
    // Tabbing onto 登录 logs in as a click would.
    if (watched == login_ && event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            submit();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Tpassword::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the dialog: only 登录 and 取消 do.
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tpassword::submit() {
    if (loginModel_.submit(users_->currentText().toStdString(), password_->text().toStdString(),
                           ports_->currentText().toStdString(), state_)) {
        accept();
    }
}
