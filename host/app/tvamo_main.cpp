#include "host/app/tvamo_main.h"

#include "host/app/core/chart_axes.h"
#include "host/app/core/method_table.h"
#include "host/app/core/server_link.h"
#include "host/app/core/settings_forms.h"
#include "host/app/core/station_texts.h"
#include "host/app/load_chart.h"
#include "host/app/qt_text.h"
#include "host/controller/serial_settings.h"
#include "host/records/user_store.h"
#include "host/settings/sys_set_file.h"
#include "host/settings/sys_set_names.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QThread>
#include <QToolBar>
#include <QToolButton>

#include <iostream>

using namespace vamo;
using vamo::host::qt;
using vamo::host::utf8;

namespace {

constexpr int tickMilliseconds = 200;
constexpr int secondMilliseconds = 1000;
constexpr std::size_t sharedRegionSize = 256;
// The live displays published for outside programs, as zero-terminated UTF-8 texts: force, strength,
// speed, peak force, system state, elapsed time.
constexpr std::array<const char*, 6> sharedRegionNames{"Vyx_300_MapString_press", "Vyx_300_MapString_mj",
                                                       "Vyx_300_MapString_sd",    "Vyx_300_MapString_max",
                                                       "Vyx_300_MapString_zt",    "Vyx_300_MapString_time"};

enum StatusPanel { MethodPanel = 0, SystemPanel = 1, RunPanelIndex = 2, ForcePanel = 3, UploadPanel = 4 };

host::RunClock::time_point now() {
    return host::RunClock::now();
}

void publish(vamo::platform::SharedMemoryRegion& region, std::string_view text) {
    auto* bytes = static_cast<char*>(region.data());
    const std::size_t length = std::min(text.size(), region.size() - 1);
    std::copy_n(text.data(), length, bytes);
    bytes[length] = '\0';
}

} // namespace

Tvamo_main::Tvamo_main(Environment environment)
    : env_(std::move(environment)),
      settingsFile_(settings::sysSetPath(env_.programFolder)),
      receive_([this](const controller::MeasurementFrame& frame) { live_.applyFrame(frame); }),
      serial_([this](const std::uint8_t* bytes, std::size_t count) { deliver(bytes, count); }),
      binding_(env_.programFolder / "dll", env_.dialogs),
      curve_(env_.programFolder / "db") {
    setObjectName("vamo_main");
    buildControls();
    runControl_ = std::make_unique<host::RunControl>(
        live_, binding_, curve_, *chart_, static_cast<host::RunPanel&>(*this),
        [this] { return settings::load_sys_set(settingsFile_); });
    binding_.setRebind([this] { bindTickedMethods(); });
    live_.setListener([this](controller::FrameType) { refreshDisplays(); });
    timer1_.setSingleShot(true);
    timer2_.setSingleShot(true);
    connect(&timer1_, &QTimer::timeout, this, &Tvamo_main::onTimer1);
    connect(&timer2_, &QTimer::timeout, this, &Tvamo_main::onTimer2);
    setWindowTitle(QStringLiteral("压力机试验系统"));
    resize(1280, 800);
    // Until start-up has gone through, the tool bar and the system menu are not usable.
    toolBar_->setEnabled(false);
    systemMenu_->setEnabled(false);
}

Tvamo_main::~Tvamo_main() {
    timer1_.stop();
    timer2_.stop();
    // The plug-in's panel lives among this window's children: let the plug-in free it before its library
    // goes.
    try {
        binding_.closeAndUnload();
    } catch (const std::exception& error) {
        std::cerr << "vamodesk: " << error.what() << "\n";
    }
}

bool Tvamo_main::create() {
    // Floating-point exceptions are masked on this platform already; the mode is kept to restore it at exit.
    std::fegetenv(&startFloatingPoint_);

    if (!env_.forms.login(login_)) {
        endProgram();
        return false;
    }

    autoStart_->setChecked(true);
    chart_->spareSeries()->setVisible(false);
    startButton_->setEnabled(false);
    setStatus(SystemPanel, host::systemStateStopped);
    run().abandonRun();

    chooseMethod(0);

    if (!openPortAtStartUp()) {
        return false;
    }

    // Let the controller settle after the port opened.
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < tickMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }

    try {
        for (const char* name : sharedRegionNames) {
            regions_.push_back(platform::SharedMemoryRegion::create(name, sharedRegionSize));
        }
    } catch (const std::exception& error) {
        std::cerr << "vamodesk: " << error.what() << "\n";
    }

    timer1_.start(tickMilliseconds);
    timer2_.start(secondMilliseconds);

    if (!binding_.loaded()) {
        binding_.reportUnavailable();
        return true;
    }
    const auto speed = binding_.speed();
    if (!speed) {
        return true;
    }
    run().setSpeedTarget(host::toThreeDecimals(*speed));

    handled([&] { run().applySettings(settings::load_sys_set(settingsFile_)); });
    applyUploadStatus(true);
    applyTitle(true);

    startButton_->setEnabled(true);
    toolBar_->setEnabled(true);
    systemMenu_->setEnabled(true);

    linkLabel_->setText(qt(host::linkLabelUnknown));
    if (run().settings().uploadSwitch == 1) {
        handled([&] {
            if (const auto message = host::startUploadProgram(env_.programFolder)) {
                env_.dialogs.message(*message, "");
            }
        });
    }
    if (!timer2_.isActive()) {
        timer2_.start(secondMilliseconds);
    }
    return true;
}

bool Tvamo_main::openPortAtStartUp() {
    for (;;) {
        try {
            openPort();
            return true;
        } catch (const std::exception& error) {
            std::cerr << "vamodesk: " << error.what() << "\n";
            env_.dialogs.message("串口打开错误", "错误");
        }
        if (!env_.forms.serialSettings()) {
            serial_.close();
            endProgram();
            return false;
        }
    }
}

void Tvamo_main::openPort() {
    serial_.close();
    receive_ = controller::ReceiveBuffer(
        [this](const controller::MeasurementFrame& frame) { live_.applyFrame(frame); });
    const auto line = controller::lineSettingsFrom(settings::readSerialSettings(settingsFile_));
    serial_.open(line, env_.programFolder);
}

void Tvamo_main::deliver(const std::uint8_t* bytes, std::size_t count) {
    receive_.deliver(bytes, count);
}

void Tvamo_main::endProgram() {
    // A start that ends early: release the marker, tell the upload program, end at once.
    ended_ = true;
    timer1_.stop();
    timer2_.stop();
    if (env_.releaseInstanceLock) {
        env_.releaseInstanceLock();
    }
    try {
        host::writeEndFlag(env_.programFolder, "0");
    } catch (const std::exception& error) {
        std::cerr << "vamodesk: " << error.what() << "\n";
    }
    if (env_.endProcess) {
        env_.endProcess();
    }
}

void Tvamo_main::shutdown() {
    if (ended_) {
        return;
    }
    regions_.clear();
    std::fesetenv(&startFloatingPoint_);
    timer1_.stop();
    serial_.close();
    curve_.close();
    try {
        binding_.closeAndUnload();
    } catch (const std::exception& error) {
        std::cerr << "vamodesk: " << error.what() << "\n";
    }
    endProgram();
}

void Tvamo_main::closeEvent(QCloseEvent* event) {
    shutdown();
    event->accept();
}

void Tvamo_main::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    applyUploadStatus(false);
}

void Tvamo_main::applyUploadStatus(bool showGroup) {
    const int upload = run().settings().uploadSwitch;
    setStatus(UploadPanel, host::uploadStatusText(upload));
    if (showGroup) {
        uploadGroupAction_->setVisible(upload == 1);
    }
}

void Tvamo_main::applyTitle(bool setAxes) {
    const std::string caption = settings::readSystemParams1(settingsFile_).rangeCaption;
    setWindowTitle(qt(host::windowTitle(caption)));
    if (setAxes && host::isSystemRange(caption)) {
        run().axes().applySystemRange();
        chart_->showAxes(run().axes());
    }
}

void Tvamo_main::repaint() {
    // Redraws the whole window after a dialog changed settings or a panel was docked.
    update();
    if (QWidget* central = centralWidget()) {
        central->update();
    }
}

void Tvamo_main::chooseMethod(int index) {
    for (QAction* action : methodActions_) {
        action->setChecked(false);
    }
    methodActions_[static_cast<std::size_t>(index)]->setChecked(true);
    bindTickedMethods();
}

void Tvamo_main::bindTickedMethods() {
    const auto& table = host::methodTable();
    for (int i = 0; i < host::methodCount; ++i) {
        if (!methodActions_[static_cast<std::size_t>(i)]->isChecked()) {
            continue;
        }
        if (i < host::firstNonRadioEntry) {
            for (int other = 0; other < host::firstNonRadioEntry; ++other) {
                methodActions_[static_cast<std::size_t>(other)]->setChecked(other == i);
            }
        }
        if (i == host::aeratedBlockEntry) {
            run().axes().applyAeratedBlock();
            chart_->showAxes(run().axes());
        }
        const auto& entry = table[static_cast<std::size_t>(i)];
        setStatus(MethodPanel, host::methodStatusText(entry.methodName));
        handled([&] {
            if (binding_.bind(std::string(entry.pluginName), panel1_)) {
                repaint();
            }
        });
    }
}

void Tvamo_main::onTimer1() {
    bool carryOn = true;
    try {
        carryOn = run().tick(now());
    } catch (const std::exception& error) {
        showError(error.what());
    }
    if (carryOn && !ended_) {
        timer1_.start(tickMilliseconds);
    }
}

void Tvamo_main::onTimer2() {
    bool carryOn = true;
    try {
        carryOn = run().second(now());
    } catch (const std::exception& error) {
        showError(error.what());
    }
    if (carryOn && !ended_) {
        timer2_.start(secondMilliseconds);
    }
}

void Tvamo_main::onStart() {
    handled([&] {
        if (run().start(now()) && !timer2_.isActive()) {
            timer2_.start(secondMilliseconds);
        }
    });
}

void Tvamo_main::onStop() {
    handled([&] { run().stop(); });
}

void Tvamo_main::onEndGroup() {
    handled([&] { run().endGroup(); });
}

void Tvamo_main::onLogout() {
    if (!env_.forms.login(login_)) {
        endProgram();
        return;
    }
    applyRights();
    repaint();
}

void Tvamo_main::applyRights() {
    const bool admin = records::isAdminRole(login_.role);
    imageButtons_[0]->setVisible(admin);
    imageButtons_[1]->setVisible(admin);
    for (QAction* action : toolBar_->actions()) {
        QWidget* widget = toolBar_->widgetForAction(action);
        if (widget == imageButtons_[0] || widget == imageButtons_[1]) {
            action->setVisible(admin);
        }
    }
    advancedAction_->setVisible(admin);
    userAction_->setVisible(admin);
    if (admin) {
        logoutAction_->setVisible(true);
    }
}

void Tvamo_main::onUserManagement() {
    handled([&] { env_.forms.userManagement(); });
}

void Tvamo_main::onParameterSettings() {
    handled([&] {
        if (binding_.loaded()) {
            if (const auto speed = binding_.speed()) {
                run().setSpeedTarget(host::toThreeDecimals(*speed));
            }
        }
        if (env_.forms.parameterSettings()) {
            run().applySettings(settings::load_sys_set(settingsFile_));
        }
        repaint();
    });
}

void Tvamo_main::onSystemParameters() {
    handled([&] {
        const auto code = env_.dialogs.input(host::accessCodeCaption, host::accessCodePrompt);
        if (!code || !host::systemAccessCodeAccepted(*code)) {
            return;
        }
        env_.forms.systemParameters();
        const auto params = settings::readSystemParams1(settingsFile_);
        run().setUploadSwitch(params.upload);
        setStatus(UploadPanel, host::uploadStatusText(params.upload));
        applyTitle(false);
        repaint();
    });
}

void Tvamo_main::onSerialSettings() {
    handled([&] {
        if (!env_.forms.serialSettings()) {
            return;
        }
        for (;;) {
            try {
                openPort();
                break;
            } catch (const std::exception& error) {
                std::cerr << "vamodesk: " << error.what() << "\n";
                env_.dialogs.message("串口打开错误", "错误");
            }
            if (!env_.forms.serialSettings()) {
                serial_.close();
                return;
            }
        }
        repaint();
    });
}

// RunPanel

void Tvamo_main::setStartEnabled(bool enabled) {
    startButton_->setEnabled(enabled);
}

bool Tvamo_main::startEnabled() const {
    return startButton_->isEnabled();
}

void Tvamo_main::enableStartAfter(std::chrono::milliseconds delay) {
    QTimer::singleShot(delay, this, [this] { startButton_->setEnabled(true); });
}

bool Tvamo_main::autoStartTicked() const {
    return autoStart_->isChecked();
}

void Tvamo_main::enableAfterSpecimen() {
    startButton_->setEnabled(true);
    testSelect_->setEnabled(true);
    mainPrint_->setEnabled(true);
    for (QToolButton* button : imageButtons_) {
        button->setEnabled(true);
    }
    endGroup_->setEnabled(true);
}

void Tvamo_main::setStatus(int panel, std::string_view text) {
    statusPanels_[static_cast<std::size_t>(panel)]->setText(qt(text));
    if (panel == SystemPanel) {
        publishDisplays();
    }
}

void Tvamo_main::publishDisplays() {
    if (regions_.size() != sharedRegionNames.size()) {
        return;
    }
    const auto& texts = live_.texts();
    publish(*regions_[0], texts.press_display_windows);
    publish(*regions_[1], texts.intensity_dislay_windows);
    publish(*regions_[2], texts.speed_display_windows);
    publish(*regions_[3], texts.max_press_windows);
    publish(*regions_[4], utf8(statusPanels_[SystemPanel]->text()));
    publish(*regions_[5], texts.run_time_windows);
}

void Tvamo_main::processEvents() {
    QCoreApplication::processEvents();
}

void Tvamo_main::sendPoll(const controller::FrameBytes& frame) {
    if (serial_.isOpen()) {
        serial_.write(frame.data(), frame.size());
    }
}

void Tvamo_main::refreshUploadLabel() {
    try {
        linkLabel_->setText(qt(host::linkLabel(env_.programFolder, run().settings().uploadSwitch)));
    } catch (const std::exception& error) {
        std::cerr << "vamodesk: " << error.what() << "\n";
    }
}

std::string Tvamo_main::operatorName() const {
    return login_.userName;
}

void Tvamo_main::showError(std::string_view text) {
    env_.dialogs.error(text);
}

void Tvamo_main::communicationTimeout() {
    timer1_.stop();
    env_.dialogs.message("通讯超时,程序将退出,确认控制器电源是否打开!", "超时,退出程序");
    shutdown();
}
