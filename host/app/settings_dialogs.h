#pragma once

#include "platform/dialogs.h"

#include <QDialog>

#include <filesystem>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vamo::host {

// 串口设置: the five port settings of sys_set.ini.
class SerialSettingsDialog : public QDialog {
    Q_OBJECT
public:
    SerialSettingsDialog(std::filesystem::path settingsFile, platform::Dialogs& dialogs,
                         QWidget* parent = nullptr);

    QComboBox* portList() const { return port_; }
    QComboBox* baudList() const { return baud_; }

private:
    void selectDefaults();
    void confirm();

    std::filesystem::path settingsFile_;
    platform::Dialogs& dialogs_;
    QComboBox* port_;
    QComboBox* baud_;
    QComboBox* parity_;
    QComboBox* stopBits_;
    QComboBox* dataBits_;
};

// 参数设置: the run thresholds and the wait time.
class ParameterSettingsDialog : public QDialog {
    Q_OBJECT
public:
    ParameterSettingsDialog(std::filesystem::path settingsFile, platform::Dialogs& dialogs,
                            QWidget* parent = nullptr);

    QLineEdit* startThresholdField() const { return start_; }

private:
    void confirm();

    std::filesystem::path settingsFile_;
    platform::Dialogs& dialogs_;
    QLineEdit* zero_;
    QLineEdit* record_;
    QLineEdit* start_;
    QLineEdit* wait_;
};

// 系统参数: the upload switch and the range caption, written on every close of the dialog.
class SystemParametersDialog : public QDialog {
    Q_OBJECT
public:
    SystemParametersDialog(std::filesystem::path settingsFile, platform::Dialogs& dialogs,
                           QWidget* parent = nullptr);

    QCheckBox* uploadBox() const { return upload_; }
    QLineEdit* rangeField() const { return range_; }

protected:
    void done(int result) override;

private:
    std::filesystem::path settingsFile_;
    platform::Dialogs& dialogs_;
    QCheckBox* upload_;
    QLineEdit* range_;
    bool written_ = false;
};

} // namespace vamo::host
