#pragma once

#include "host/app/core/curve_database.h"
#include "host/app/core/plugin_binding.h"
#include "host/app/core/run_control.h"
#include "host/app/host_forms.h"
#include "host/controller/live_measurement.h"
#include "host/controller/receive_buffer.h"
#include "host/controller/serial_port.h"
#include "host/records/login.h"
#include "host/settings/single_settings.h"
#include "platform/dialogs.h"
#include "platform/shared_memory.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <cfenv>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;

namespace vamo::host {
class LoadChart;
}

// The main window of the station. It owns the controls, the timers, the serial port and the run, and
// coordinates them; the logic lives in the display-free core (run control, live values, binding).
class Tvamo_main : public QMainWindow, private vamo::host::RunPanel {
    Q_OBJECT
public:
    struct Environment {
        std::filesystem::path programFolder;
        vamo::platform::Dialogs& dialogs;
        vamo::host::HostForms& forms;
        // Gives up the single-instance marker.
        std::function<void()> releaseInstanceLock;
        // Ends the process at once, after the shutdown sequence or a cancelled start.
        std::function<void()> endProcess;
    };

    explicit Tvamo_main(Environment environment);
    ~Tvamo_main() override;

    // The start-up sequence, the login first. False when the program ended during it.
    bool create();
    // The one shutdown sequence of every way out.
    void shutdown();
    // The test-method menu's choice of entry `index`.
    void chooseMethod(int index);

    vamo::controller::LiveMeasurement& live() { return live_; }
    vamo::host::RunControl& run() { return *runControl_; }
    vamo::host::PluginBinding& binding() { return binding_; }
    vamo::host::LoadChart& chart() { return *chart_; }
    const vamo::records::LoginState& loginState() const { return login_; }
    bool hasEnded() const { return ended_; }
    QWidget* panelArea() const { return panel1_; }
    QMenu* methodMenu() const { return methodMenu_; }
    // Bytes as the serial port delivers them (the port's callback calls this).
    void deliver(const std::uint8_t* bytes, std::size_t count);

    // Timer bodies, for the timers and for tests that drive time by hand.
    void onTimer1();
    void onTimer2();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // RunPanel
    void setStartEnabled(bool enabled) override;
    bool startEnabled() const override;
    void enableStartAfter(std::chrono::milliseconds delay) override;
    bool autoStartTicked() const override;
    void enableAfterSpecimen() override;
    void setStatus(int panel, std::string_view text) override;
    void processEvents() override;
    void sendPoll(const vamo::controller::FrameBytes& frame) override;
    void refreshUploadLabel() override;
    std::string operatorName() const override;
    void showError(std::string_view text) override;
    void communicationTimeout() override;

    void buildControls();
    QWidget* buildTopStrip();
    void buildToolBar();
    QWidget* buildRightPanel();
    void buildStatusBar();
    void buildMenus();
    QMenu* decimalsMenu(vamo::settings::DisplayDecimals display, int items);

    bool openPortAtStartUp();
    void openPort();
    void refreshDisplays();
    // Copies the displays into the six shared-memory regions for outside programs.
    void publishDisplays();
    void applyDisplayFonts(int pointSize);
    // Status panel 4 and, at start-up, the upload group follow 数据上传.
    void applyUploadStatus(bool showGroup);
    void applyTitle(bool setAxes);
    void applyRights();
    void repaint();
    void bindTickedMethods();
    void endProgram();

    void onStart();
    void onStop();
    void onEndGroup();
    void onLogout();
    void onUserManagement();
    void onParameterSettings();
    void onSystemParameters();
    void onSerialSettings();
    // A failed command shows its error in one dialog; the window and both timers carry on.
    template <typename Handler>
    void handled(Handler&& handler) {
        try {
            handler();
        } catch (const std::exception& error) {
            env_.dialogs.error(error.what());
        }
    }

    Environment env_;
    std::filesystem::path settingsFile_;
    vamo::controller::LiveMeasurement live_;
    vamo::controller::ReceiveBuffer receive_;
    vamo::serial::SerialPortAdapter serial_;
    vamo::host::PluginBinding binding_;
    vamo::host::CurveDatabase curve_;
    vamo::host::LoadChart* chart_ = nullptr;
    std::unique_ptr<vamo::host::RunControl> runControl_;
    QTimer timer1_;
    QTimer timer2_;
    std::vector<std::unique_ptr<vamo::platform::SharedMemoryRegion>> regions_;
    vamo::records::LoginState login_;
    std::fenv_t startFloatingPoint_{};
    bool ended_ = false;

    struct Display {
        QWidget* panel = nullptr;
        QLabel* value = nullptr;
    };
    std::array<Display, 6> displays_{}; // force, peak force, strength, peak strength, speed, time
    QWidget* topStrip_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QToolButton* testSelect_ = nullptr;
    QToolButton* mainPrint_ = nullptr;
    QToolButton* endGroup_ = nullptr;
    QToolButton* testExit_ = nullptr;
    std::array<QToolButton*, 3> imageButtons_{}; // press_bd, press_jd, press_dh
    QGroupBox* uploadGroup_ = nullptr;
    QAction* uploadGroupAction_ = nullptr; // the tool bar shows the group through this action
    QLabel* linkLabel_ = nullptr;
    QWidget* panel1_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QCheckBox* autoStart_ = nullptr;
    std::array<QLabel*, 5> statusPanels_{};
    QMenu* methodMenu_ = nullptr;
    std::vector<QAction*> methodActions_;
    QMenu* systemMenu_ = nullptr;
    QAction* advancedAction_ = nullptr;
    QAction* userAction_ = nullptr;
    QAction* logoutAction_ = nullptr;
};
