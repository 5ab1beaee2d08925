#include "host/app/core/station_texts.h"
#include "host/app/core/window_layout.h"
#include "host/app/settings_dialogs.h"
#include "host/app/shutdown_signals.h"
#include "host/records/ui/login_dialog.h"
#include "platform/ini_file.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QComboBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>

#include <csignal>

namespace vamo::host::testing {
namespace {

using vamo::testing::PseudoTerminal;

QAction* menuAction(QWidget* window, const QString& text) {
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

std::string endFlag(const vamo::testing::TempStation& station) {
    return platform::readIniValue(station / "shangchuan/pz_set.ini", "SC_Flag", "End_Flag", "");
}

TEST_F(WindowTest, StartUpRunsItsStepsInOrder) {
    installFakePlugin();
    breakThePort();
    std::vector<std::string> callsWhenThePortFailed;
    forms.serialAnswers = {true};
    forms.onSerialSettings = [&] {
        callsWhenThePortFailed = pluginCalls();
        std::filesystem::remove(station / "dev/com1");
        controller = std::make_unique<PseudoTerminal>(station / "dev/com1");
    };
    makeWindow();
    ASSERT_TRUE(window->create());

    EXPECT_EQ(forms.log, (std::vector<std::string>{"login", "serialSettings"}));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"串口打开错误|错误"}));
    EXPECT_EQ(callsWhenThePortFailed, (std::vector<std::string>{"ModalShow"}))
        << "method 0 is bound before the port";
    EXPECT_EQ(pluginCalls(), (std::vector<std::string>{"ModalShow", "dll_test_getsp"}));
    EXPECT_FLOAT_EQ(window->run().speedTarget(), 11.255f);
    EXPECT_EQ(statusPanel(0), " 试验类型:普通混凝土抗压");
    EXPECT_EQ(statusPanel(1), " 系统状态：停止");
    EXPECT_EQ(statusPanel(4), std::string(stationLabel) + " 不上传");
    EXPECT_EQ(window->windowTitle().toStdString(), "压力机试验系统0");
    EXPECT_TRUE(control<QPushButton>("test_start_b")->isEnabled());
    EXPECT_TRUE(control<QCheckBox>("CheckBox_sjcj")->isChecked());
    EXPECT_FALSE(window->chart().spareSeries()->isVisible());
    EXPECT_NE(window->panelArea()->findChild<QWidget*>("concflex_form"), nullptr);
    EXPECT_FALSE(ended);
}

TEST_F(WindowTest, CancellingTheSerialSettingsAfterAPortErrorEndsTheProgram) {
    installFakePlugin();
    breakThePort();
    makeWindow();
    EXPECT_FALSE(window->create());
    EXPECT_TRUE(ended);
    EXPECT_TRUE(lockReleased);
    EXPECT_EQ(endFlag(station), "0");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"串口打开错误|错误"}));
}

TEST_F(WindowTest, CancelledLoginEndsBeforeAnythingElse) {
    installFakePlugin();
    forms.loginAnswer = false;
    makeWindow();
    EXPECT_FALSE(window->create());
    EXPECT_TRUE(ended);
    EXPECT_TRUE(lockReleased);
    EXPECT_TRUE(pluginCalls().empty());
}

TEST_F(WindowTest, MissingPluginIsReportedAndTheLaterStepsAreSkipped) {
    makeWindow();
    ASSERT_TRUE(window->create());
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>(3, "功能无效|功能无效")));
    EXPECT_FALSE(control<QPushButton>("test_start_b")->isEnabled());
    EXPECT_EQ(window->windowTitle().toStdString(), "压力机试验系统");
}

TEST_F(WindowTest, TitleFollowsTheRangeCaption) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"sys", "压力机试验系统（2000kN）"}, {"300kN", "压力机试验系统300kN"}, {"", "压力机试验系统0"}};
    for (const auto& [caption, title] : cases) {
        window.reset();
        station.write("sys_set.ini", caption.empty() ? "" : "[系统参数1]\n量程显示=" + caption + "\n");
        started();
        EXPECT_EQ(window->windowTitle().toStdString(), title);
        const double forceMaximum = window->chart().forceAxis()->max();
        EXPECT_EQ(forceMaximum, caption == "sys" ? 1000 : 100) << caption;
    }
}

TEST_F(WindowTest, UploadSwitchShowsTheUploadGroupAndStartsTheUploadProgram) {
    started();
    EXPECT_EQ(statusPanel(4), std::string(stationLabel) + " 不上传");
    EXPECT_FALSE(control<QWidget>("gropbox_sh")->isVisible());
    EXPECT_TRUE(dialogs.messages().empty());

    window.reset();
    station.write("sys_set.ini", "[系统参数1]\n数据上传=1\n");
    started();
    EXPECT_EQ(statusPanel(4), std::string(stationLabel) + " 上传");
    EXPECT_TRUE(control<QWidget>("gropbox_sh")->isVisible());
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"up_Error: 指定的文件没有找到. |"}));
    EXPECT_EQ(endFlag(station), "1");
    window->shutdown();
    EXPECT_EQ(endFlag(station), "0");
}

TEST_F(WindowTest, FramesDriveTheDisplaysAndTheTickPolls) {
    started();
    processEventsFor(650);
    const auto sent = controller->readAvailable();
    ASSERT_GE(sent.size(), 22u);
    EXPECT_EQ(std::vector<std::uint8_t>(sent.begin(), sent.begin() + 11),
              (std::vector<std::uint8_t>{0xA5, 0x00, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x5A}));

    deliver(frame(0, 500));
    EXPECT_EQ(control<QLabel>("press_display_windows")->text(), "5.00");
    EXPECT_EQ(control<QLabel>("intensity_dislay_windows")->text(), "0.0");
    EXPECT_EQ(statusPanel(3), "当前力码: 5.00");
    deliver(frame(1, 98765));
    EXPECT_EQ(control<QLabel>("max_press_windows")->text(), "987.65");

    // Through the real port: the controller's answer arrives as a delivery.
    controller->write(frame(0, 1234));
    processEventsFor(200);
    EXPECT_EQ(control<QLabel>("press_display_windows")->text(), "12.34");
}

TEST_F(WindowTest, ForceDecimalsMenuTakesEffectAtTheNextFrameAndIsStored) {
    started();
    auto* display = control<QLabel>("press_display_windows");
    QAction* threeDecimals = nullptr;
    for (QAction* action : display->findChildren<QAction*>()) {
        if (action->text() == QStringLiteral("3位")) {
            threeDecimals = action;
        }
    }
    ASSERT_NE(threeDecimals, nullptr);
    deliver(frame(0, 500));
    EXPECT_EQ(display->text(), "5.00");
    threeDecimals->trigger();
    EXPECT_EQ(display->text(), "5.00") << "the display changes with the next frame";
    deliver(frame(0, 500));
    EXPECT_EQ(display->text(), "5.000");
    EXPECT_EQ(control<QLabel>("max_press_windows")->text(), "0.000");
    EXPECT_EQ(platform::readIniValue(station.settingsFile(), "基本参数", "压力小数位数", ""), "3");
}

TEST_F(WindowTest, SystemParametersNeedAnAccessCode) {
    started();
    QAction* systemParameters = menuAction(window.get(), QStringLiteral("系统参数"));
    ASSERT_NE(systemParameters, nullptr);
    for (const auto& answer :
         std::vector<std::optional<std::string>>{std::nullopt, "", "584", "583", "40963517"}) {
        dialogs.answerInput(answer);
        systemParameters->trigger();
    }
    EXPECT_EQ(forms.systemParameterDialogs, 2);
    EXPECT_EQ(dialogs.shown.at(0).caption, " 输入密码   ");
    EXPECT_EQ(dialogs.shown.at(0).text, "密码：        ");
}

TEST_F(WindowTest, ClosingTheSystemParametersDialogWithItsCloseBoxWritesBothSettings) {
    SystemParametersDialog dialog(station.settingsFile(), dialogs);
    dialog.uploadBox()->setChecked(true);
    dialog.rangeField()->setText(QStringLiteral("300kN"));
    dialog.show();
    dialog.close();
    EXPECT_EQ(platform::readIniValue(station.settingsFile(), "系统参数1", "数据上传", ""), "1");
    EXPECT_EQ(platform::readIniValue(station.settingsFile(), "系统参数1", "量程显示", ""), "300kN");
}

TEST_F(WindowTest, SilentControllerEndsTheProgramAfterTheMessage) {
    started();
    for (int i = 0; i < 200; ++i) {
        window->live().watchdog().increment();
    }
    window->onTimer1();
    EXPECT_EQ(dialogs.messages().back(), "通讯超时,程序将退出,确认控制器电源是否打开!|超时,退出程序");
    EXPECT_TRUE(ended);
    EXPECT_TRUE(lockReleased);
    EXPECT_EQ(endFlag(station), "0");
    EXPECT_EQ(pluginCalls().back(), "Modalclose");
}

TEST_F(WindowTest, TerminationSignalRunsTheShutdownSequence) {
    started();
    ShutdownSignals termination;
    QObject::connect(&termination, &ShutdownSignals::requested, window.get(), &Tvamo_main::shutdown);
    std::raise(SIGTERM);
    processEventsFor(100);
    EXPECT_TRUE(ended);
    EXPECT_TRUE(lockReleased);
    EXPECT_EQ(endFlag(station), "0");
    EXPECT_EQ(pluginCalls().back(), "Modalclose");
}

TEST_F(WindowTest, LoggingOnAgainAppliesTheRole) {
    started();
    QAction* logout = menuAction(window.get(), QStringLiteral("用户注销"));
    QAction* advanced = menuAction(window.get(), QStringLiteral("高级参数"));
    QAction* users = menuAction(window.get(), QStringLiteral("用户操作"));
    forms.user = {"li", "Tester"};
    logout->trigger();
    EXPECT_EQ(window->loginState().userName, "li");
    EXPECT_FALSE(control<QToolButton>("press_bd")->isVisible());
    EXPECT_FALSE(control<QToolButton>("press_jd")->isVisible());
    EXPECT_TRUE(control<QToolButton>("press_dh")->isVisible());
    EXPECT_FALSE(advanced->isVisible());
    EXPECT_FALSE(users->isVisible());
    forms.user = {"admin", "Admin"};
    logout->trigger();
    EXPECT_TRUE(control<QToolButton>("press_bd")->isVisible());
    EXPECT_TRUE(advanced->isVisible());
    forms.loginAnswer = false;
    logout->trigger();
    EXPECT_TRUE(ended) << "cancelling the login ends the program";
}

TEST_F(WindowTest, ResizingLaysOutTheTopStrip) {
    started();
    window->resize(1000, 700);
    processEventsFor(50);
    const auto expected = topStripLayout(1000, window->panelArea()->parentWidget()->width());
    EXPECT_EQ(control<QWidget>("Panel_zh1")->width(), expected.forcePanel.width);
    EXPECT_EQ(control<QWidget>("press_display_windows")->width(), expected.forceDisplay.width);
    EXPECT_EQ(control<QWidget>("press_display_windows")->font().pointSize(), 28);
    window->resize(1280, 800);
    processEventsFor(50);
    EXPECT_EQ(control<QWidget>("press_display_windows")->font().pointSize(), 40);
}

TEST_F(WindowTest, ChoosingAMethodWithoutPluginShowsFunctionInvalidTwice) {
    started();
    dialogs.shown.clear();
    window->chooseMethod(8);
    EXPECT_EQ(statusPanel(0), " 试验类型:无侧限");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>(2, "功能无效|功能无效")));
    EXPECT_FALSE(window->binding().loaded());
    EXPECT_EQ(pluginCalls().back(), "Modalclose");
    control<QPushButton>("test_start_b")->click();
    EXPECT_EQ(dialogs.messages().size(), 3u);
}

TEST_F(WindowTest, ChartIsSavedAsBitmapAndJpeg) {
    started();
    window->chart().addCurvePoint(1.0, 100.0);
    window->chart().addPeakMark(1.0, 100.0, "最大力 100.00kN");
    window->chart().saveImages();
    for (const char* name : {"shangchuan/chart_temp.bmp", "shangchuan/chart_temp.jpg"}) {
        const QImage image(QString::fromStdString((station / name).string()));
        EXPECT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.width(), window->chart().width()) << name;
    }
    EXPECT_EQ(station.read("shangchuan/chart_temp.jpg").substr(0, 2), "\xFF\xD8") << "a JPEG file";
    EXPECT_EQ(station.read("shangchuan/chart_temp.bmp").substr(0, 2), "BM");
}

TEST(LoginDialog, OpensWithTheFirstUserAndTheFocusInThePasswordField) {
    vamo::testing::TempStation station;
    vamo::testing::ScriptedDialogs dialogs;
    records::UserStore users(station / "db/sys_set.mdb");
    users.ensureExists();
    records::Login login(users, station.settingsFile(), dialogs);
    records::LoginState state;
    Tpassword dialog(login, state);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QApplication::processEvents();
    EXPECT_EQ(dialog.userList()->currentText(), "admin");
    EXPECT_EQ(dialog.portList()->currentText(), "COM1");
    EXPECT_TRUE(dialog.passwordField()->hasFocus());

    QTest::keyClicks(dialog.passwordField(), "58");
    QTest::keyClick(dialog.passwordField(), Qt::Key_Return);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"密码错误|错误"}));
    EXPECT_TRUE(dialog.isVisible());
    dialog.passwordField()->clear();
    QTest::keyClicks(dialog.passwordField(), "583");
    QTest::keyClick(dialog.passwordField(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(state.userName, "admin");
}

} // namespace
} // namespace vamo::host::testing
