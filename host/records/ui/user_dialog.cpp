#include "host/records/ui/user_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
QString qt(const std::string& text) {
    return QString::fromStdString(text);
}
} // namespace

Tuser_set::Tuser_set(vamo::records::UserStore& users, vamo::platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      users_(users),
      dialogs_(dialogs),
      administration_(users, dialogs),
      grid_(new QTableWidget),
      name_(new QLineEdit) {
    setObjectName("user_set");
    setWindowTitle(QStringLiteral("用户管理"));
    grid_->setObjectName("DBGrid_user");
    grid_->setColumnCount(3);
    grid_->setHorizontalHeaderLabels(
        {QStringLiteral("序号"), QStringLiteral("用户名"), QStringLiteral("权限")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->verticalHeader()->hide();
    name_->setObjectName("Edit_user");
    name_->setReadOnly(true);

    auto* add = new QPushButton(QStringLiteral("新增用户"));
    auto* remove = new QPushButton(QStringLiteral("删除用户"));
    auto* password = new QPushButton(QStringLiteral("修改密码"));
    auto* leave = new QPushButton(QStringLiteral("退出"));
    for (auto* button : {add, remove, password, leave}) {
        button->setAutoDefault(false);
    }
    connect(add, &QPushButton::clicked, this, &Tuser_set::addUser);
    connect(remove, &QPushButton::clicked, this, &Tuser_set::deleteUser);
    connect(password, &QPushButton::clicked, this, &Tuser_set::changePassword);
    connect(leave, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { selectRow(row); });

    auto* buttons = new QHBoxLayout;
    for (auto* button : {add, remove, password, leave}) {
        buttons->addWidget(button);
    }
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("选择操作的用户名:")));
    nameRow->addWidget(name_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("系统用户：")));
    layout->addWidget(grid_);
    layout->addLayout(nameRow);
    layout->addLayout(buttons);
    reload();
}

void Tuser_set::reload() {
    rows_ = users_.users();
    grid_->setRowCount(static_cast<int>(rows_.size()));
    for (int row = 0; row < static_cast<int>(rows_.size()); ++row) {
        const auto& user = rows_[static_cast<std::size_t>(row)];
        grid_->setItem(row, 0, new QTableWidgetItem(QString::number(user.id)));
        grid_->setItem(row, 1, new QTableWidgetItem(qt(user.name)));
        grid_->setItem(row, 2, new QTableWidgetItem(qt(user.role)));
    }
    selectRow(0);
}

void Tuser_set::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        name_->clear();
        return;
    }
    grid_->selectRow(row);
    grid_->setCurrentCell(row, 1);
    name_->setText(qt(rows_[static_cast<std::size_t>(row)].name));
}

const vamo::records::UserRow* Tuser_set::currentUser() const {
    const int row = grid_->currentRow();
    if (row < 0 || row >= static_cast<int>(rows_.size())) {
        return nullptr;
    }
    return &rows_[static_cast<std::size_t>(row)];
}

void Tuser_set::addUser() {
    try {
        if (administration_.addUser()) {
            reload();
        }
    } catch (const std::exception& error) {
        dialogs_.error(error.what());
    }
}

void Tuser_set::deleteUser() {
    const auto* user = currentUser();
    if (user == nullptr) {
        return;
    }
    try {
        if (administration_.deleteUser(*user)) {
            reload();
        }
    } catch (const std::exception& error) {
        dialogs_.error(error.what());
    }
}

void Tuser_set::changePassword() {
    const auto* user = currentUser();
    try {
        if (user == nullptr) {
            administration_.changePassword({}, vamo::records::UserRow{});
            return;
        }
        administration_.changePassword(name_->text().toStdString(), *user);
    } catch (const std::exception& error) {
        dialogs_.error(error.what());
    }
}
