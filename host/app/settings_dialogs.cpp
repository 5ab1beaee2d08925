#include "host/app/settings_dialogs.h"

#include "host/app/core/settings_forms.h"
#include "host/app/qt_text.h"
#include "host/settings/single_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vamo::host {

namespace {

QComboBox* list(const std::vector<std::string>& items, bool editable, const char* name) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(qtList(items));
    box->setEditable(editable);
    return box;
}

QPushButton* button(const char* text, const char* name) {
    auto* pushButton = new QPushButton(QString::fromUtf8(text));
    pushButton->setObjectName(name);
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

SerialSettingsDialog::SerialSettingsDialog(std::filesystem::path settingsFile, platform::Dialogs& dialogs,
                                           QWidget* parent)
    : QDialog(parent),
      settingsFile_(std::move(settingsFile)),
      dialogs_(dialogs),
      port_(list(SerialSettingsForm::portItems(), true, "ComboBox_com")),
      baud_(list(SerialSettingsForm::baudItems(), false, "ComboBox_boud")),
      parity_(list(SerialSettingsForm::parityItems(), false, "ComboBox_parity")),
      stopBits_(list(SerialSettingsForm::stopBitItems(), false, "ComboBox_stopbit")),
      dataBits_(list(SerialSettingsForm::dataBitItems(), false, "ComboBox_bit")) {
    setObjectName("Tcom_set");
    setWindowTitle(QStringLiteral("串口设置"));
    auto* group = new QGroupBox(QStringLiteral("串口设置"));
    auto* form = new QFormLayout(group);
    form->addRow(QStringLiteral("串口号："), port_);
    form->addRow(QStringLiteral("波特率："), baud_);
    form->addRow(QStringLiteral("奇偶校验："), parity_);
    form->addRow(QStringLiteral("停止位："), stopBits_);
    form->addRow(QStringLiteral("数据长度："), dataBits_);

    auto* ok = button("确定", "Button_ok");
    auto* cancel = button("取消", "Button_cancel");
    auto* defaults = button("默认值", "Button_default");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &SerialSettingsDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(defaults, &QPushButton::clicked, this, &SerialSettingsDialog::selectDefaults);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(defaults);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    const SerialChoice choice = SerialSettingsForm::load(settingsFile_);
    port_->setCurrentIndex(port_->findText(qt(choice.portText)));
    baud_->setCurrentIndex(choice.baud);
    parity_->setCurrentIndex(choice.parity);
    stopBits_->setCurrentIndex(choice.stopBits);
    dataBits_->setCurrentIndex(choice.dataBits);
}

void SerialSettingsDialog::selectDefaults() {
    const SerialChoice choice = SerialSettingsForm::defaults();
    port_->setCurrentIndex(port_->findText(qt(choice.portText)));
    baud_->setCurrentIndex(choice.baud);
    parity_->setCurrentIndex(choice.parity);
    stopBits_->setCurrentIndex(choice.stopBits);
    dataBits_->setCurrentIndex(choice.dataBits);
}

void SerialSettingsDialog::confirm() {
    SerialChoice choice;
    choice.portText = utf8(port_->currentText());
    choice.baud = baud_->currentIndex();
    choice.parity = parity_->currentIndex();
    choice.stopBits = stopBits_->currentIndex();
    choice.dataBits = dataBits_->currentIndex();
    try {
        SerialSettingsForm::confirm(settingsFile_, choice);
    } catch (const std::exception& error) {
        dialogs_.error(error.what());
        return;
    }
    accept();
}

ParameterSettingsDialog::ParameterSettingsDialog(std::filesystem::path settingsFile,
                                                 platform::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      settingsFile_(std::move(settingsFile)),
      dialogs_(dialogs),
      zero_(new QLineEdit),
      record_(new QLineEdit),
      start_(new QLineEdit),
      wait_(new QLineEdit) {
    setObjectName("Tpara_set");
    setWindowTitle(QStringLiteral("参数设置"));
    zero_->setObjectName("Edit_lzqx");
    record_->setObjectName("Edit_qslz");
    start_->setObjectName("Edit_qplz");
    wait_->setObjectName("Edit_yxddsj");
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("力值起限(kN)："), zero_);
    form->addRow(QStringLiteral("曲线起始力值(kN)："), record_);
    form->addRow(QStringLiteral("起判力值(kN)："), start_);
    form->addRow(QStringLiteral("运行等待时间(S)："), wait_);
    auto* ok = button("确定", "Button_ok");
    auto* cancel = button("取消", "Button_cancel");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ParameterSettingsDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    const ParameterTexts texts = ParameterSettingsForm::load(settingsFile_);
    zero_->setText(qt(texts.zeroThreshold));
    record_->setText(qt(texts.recordThreshold));
    start_->setText(qt(texts.startThreshold));
    wait_->setText(qt(texts.waitSeconds));
}

void ParameterSettingsDialog::confirm() {
    const ParameterTexts texts{utf8(zero_->text()), utf8(record_->text()), utf8(start_->text()),
                               utf8(wait_->text())};
    try {
        ParameterSettingsForm::confirm(settingsFile_, texts);
    } catch (const std::exception& error) {
        dialogs_.error(error.what());
        return;
    }
    accept();
}

SystemParametersDialog::SystemParametersDialog(std::filesystem::path settingsFile, platform::Dialogs& dialogs,
                                               QWidget* parent)
    : QDialog(parent),
      settingsFile_(std::move(settingsFile)),
      dialogs_(dialogs),
      upload_(new QCheckBox(QStringLiteral("数据上传"))),
      range_(new QLineEdit) {
    setObjectName("Tsys_para");
    setWindowTitle(QStringLiteral("系统参数"));
    upload_->setObjectName("CheckBox_sjsc");
    range_->setObjectName("Edit_lcxs");
    range_->setMaxLength(127);
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    form->addRow(upload_);
    form->addRow(QStringLiteral("量程显示"), range_);
    auto* note = new QLabel(
        QStringLiteral("量程显示设为:sys时,量程显示内容是由系统决定,设置为其他时,则直接显示框内的字符串"));
    note->setWordWrap(true);
    form->addRow(note);
    auto* pages = new QTabWidget;
    pages->addTab(page, QStringLiteral("参数1"));
    auto* confirm = button("确认", "Button_qr");
    confirm->setDefault(true);
    connect(confirm, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(confirm, 0, Qt::AlignRight);

    const auto params = settings::readSystemParams1(settingsFile_);
    upload_->setChecked(params.upload != 0);
    range_->setText(qt(params.rangeCaption));
}

void SystemParametersDialog::done(int result) {
    // Every way of closing the dialog, the close box included, stores both settings.
    if (!written_) {
        written_ = true;
        try {
            settings::writeSystemParams1(settingsFile_, upload_->isChecked(), utf8(range_->text()));
        } catch (const std::exception& error) {
            dialogs_.error(error.what());
        }
    }
    QDialog::done(result);
}

} // namespace vamo::host
