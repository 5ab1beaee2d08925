// The real plug-in libraries called through their exports, as the host calls them, on Qt's offscreen
// platform with a station folder of the test's own.
#include "platform/dynamic_library.h"
#include "storage/database.h"
#include "storage/query.h"
#include "tests/plugins/tvamo_main.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

// The host's export: the plug-in hands the strength divisor to it.
std::vector<float> receivedDivisors;
extern "C" __attribute__((visibility("default"))) const char16_t* fget_s(const float* divisor) {
    receivedDivisors.push_back(*divisor);
    return u"";
}

namespace {

using ModalShowFunction = void(void*);
using ModalcloseFunction = void();
using ShParamFunction = std::int32_t(const char16_t*, const char16_t*, const char16_t*, const char16_t*,
                                     const char16_t*, const char16_t*, const char16_t*, const char16_t*,
                                     const char16_t*, const char16_t*, const char16_t*, const char16_t*,
                                     const char16_t*, const char16_t*, const char16_t*);
using SpeedFunction = float(std::int32_t);
using StartFunction = float(std::int32_t, const char16_t*);
using StopFunction = void(std::int32_t);

const std::filesystem::path& stationFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "vamo-exports-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// One QApplication and one station folder (named by VAMODESK_PROGRAM_FOLDER) for the whole run.
class QtStation : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        ::setenv("VAMODESK_PROGRAM_FOLDER", stationFolder().c_str(), 1);
        application_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override {
        application_.reset();
        std::error_code ignored;
        std::filesystem::remove_all(stationFolder(), ignored);
    }

private:
    int argc_ = 1;
    char name_[16] = "plugin_exports";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] auto* const kQtStation = ::testing::AddGlobalTestEnvironment(new QtStation);

std::string todayCompact() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d", &local);
    return text;
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Answers the modal message boxes that open, in order, and records their captions and texts.
class ModalAnswers {
public:
    explicit ModalAnswers(std::vector<QMessageBox::StandardButton> buttons) : buttons_(std::move(buttons)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start(10);
    }

    QStringList seen; // "caption|text"

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box == answered_ || next_ >= buttons_.size()) {
            return;
        }
        answered_ = box;
        seen.append(box->windowTitle() + "|" + box->text());
        box->button(buttons_[next_++])->click();
    }

    std::vector<QMessageBox::StandardButton> buttons_;
    std::size_t next_ = 0;
    QPointer<QMessageBox> answered_;
    QTimer timer_;
};

// Types text into a widget key by key, as the operator would.
void typeInto(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c == QChar('\b') ? Qt::Key_Backspace : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &release);
    }
}

class PluginExports : public ::testing::Test {
protected:
    template <typename Function, typename... Arguments>
    auto call(const char* name, Arguments... arguments) {
        auto* function = library->function<Function>(name);
        EXPECT_NE(function, nullptr) << name;
        return function(arguments...);
    }

    void SetUp() override {
        std::error_code ignored;
        std::filesystem::remove_all(stationFolder(), ignored);
        std::filesystem::create_directories(stationFolder() / "db");
        std::filesystem::create_directories(stationFolder() / "output");
        vamo::storage::Database::create((stationFolder() / "db" / "temp_mdb1.mdb").string());
        receivedDivisors.clear();
        host.resize(1000, 768);
        host.show();
    }

    void TearDown() override {
        if (library) {
            call<ModalcloseFunction>("Modalclose");
            library.reset();
        }
    }

    void load(const std::string& name) {
        std::string error;
        library = vamo::platform::DynamicLibrary::load(
            std::filesystem::path(VAMO_STATION_DIR) / "dll" / (name + ".so"), &error);
        ASSERT_NE(library, nullptr) << error;
    }

    void modalShow() { call<ModalShowFunction>("ModalShow", static_cast<void*>(host.Panel1)); }

    QWidget* panel() const { return host.Panel1->findChild<QWidget*>("concflex_form"); }

    template <typename Widget>
    Widget* control(const char* name) const {
        return panel() != nullptr ? panel()->findChild<Widget*>(name) : nullptr;
    }

    std::filesystem::path groupFile(const std::string& name) const {
        return stationFolder() / "output" / name;
    }

    Tvamo_main host;
    std::unique_ptr<vamo::platform::DynamicLibrary> library;
};

TEST_F(PluginExports, ModalShowShowsThePanelWithItsNamedControls) {
    load("conccomp");
    modalShow();
    QWidget* form = panel();
    ASSERT_NE(form, nullptr);
    EXPECT_STREQ(form->metaObject()->className(), "Tconcflex_form");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), QPoint(0, 0));
    EXPECT_EQ(form->size(), QSize(272, 1024));

    auto* title = control<QLabel>("StaticText_modal");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "普通混凝土抗压");
    auto* grid = control<QTableWidget>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->rowCount(), 6); // three specimens
    EXPECT_EQ(grid->columnWidth(0), 85);
    EXPECT_EQ(grid->item(0, 1)->text(), " 力值 (kN)");
    EXPECT_EQ(grid->item(4, 0)->text(), "有效力值");
    EXPECT_NE(control<QGroupBox>("GroupBox1"), nullptr);

    for (const char* name : {"ComboBox_qddj", "ComboBox_sjql", "ComboBox_mj", "ComboBox_xzxs",
                             "ComboBox_ylsd", "ComboBox_sjks", "ComboBox_yssj"}) {
        auto* list = control<QComboBox>(name);
        ASSERT_NE(list, nullptr) << name;
        EXPECT_TRUE(list->isEditable()) << name;
    }
    auto* mode = control<QComboBox>("ComboBox_ddlx");
    ASSERT_NE(mode, nullptr);
    EXPECT_FALSE(mode->isEditable());
    EXPECT_EQ(mode->currentText(), "单独试验");

    auto* number = control<QLineEdit>("Edit_bh");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->text().toStdString(), todayCompact() + "00001");
    EXPECT_EQ(number->maxLength(), 127);
    EXPECT_EQ(control<QComboBox>("ComboBox_mj")->currentText(), "150*150*150");
    EXPECT_EQ(control<QComboBox>("ComboBox_mj")->count(), 7);
    EXPECT_EQ(control<QLabel>("speed")->text(), "6.75");
    EXPECT_EQ(control<QLabel>("Label_speed")->text(), "应力速度(Mpa/s)：");
    EXPECT_FALSE(control<QLabel>("Label_yssj")->isVisible()); // single testing: no delay
    EXPECT_FALSE(control<QComboBox>("ComboBox_yssj")->isVisible());

    ASSERT_FALSE(receivedDivisors.empty());
    EXPECT_FLOAT_EQ(receivedDivisors.back(), 22.5f);
}

TEST_F(PluginExports, ModalShowTwiceReusesThePanel) {
    load("conccomp");
    modalShow();
    QWidget* first = panel();
    control<QLineEdit>("Edit_bh")->setText("kept");
    modalShow();
    EXPECT_EQ(host.Panel1->findChildren<QWidget*>("concflex_form").size(), 1);
    EXPECT_EQ(panel(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(PluginExports, ModalcloseSavesTheSectionAndFreesThePanel) {
    load("conccomp");
    modalShow();
    call<ModalcloseFunction>("Modalclose");
    EXPECT_EQ(panel(), nullptr);
    EXPECT_EQ(fileText(stationFolder() / "sys_set.ini"),
              "[conccomp_menu]\nqddj=C15\nsjql=7\nmj=150*150*150\nxzxs=1\nylsd=0.3\nsjks=3\nddlx="
              "单独试验\nyssj=16\n");
    library.reset();

    load("conccomp"); // the saved choices come back after a reload
    modalShow();
    EXPECT_EQ(control<QComboBox>("ComboBox_qddj")->currentText(), "C15");
}

TEST_F(PluginExports, TypedKeysRunTheHandlersThroughTheFilters) {
    load("conccomp");
    modalShow();
    QLineEdit* stressRate = control<QComboBox>("ComboBox_ylsd")->lineEdit();
    stressRate->end(false);
    typeInto(stressRate, ".2x"); // a second "." and a letter are discarded
    EXPECT_EQ(stressRate->text(), "0.32");
    EXPECT_EQ(control<QLabel>("speed")->text(), "7.20");

    QLineEdit* count = control<QComboBox>("ComboBox_sjks")->lineEdit();
    count->end(false);
    typeInto(count, "\b5");
    EXPECT_EQ(count->text(), "5");
    EXPECT_EQ(control<QTableWidget>("StringGrid1")->rowCount(), 8);

    auto* mode = control<QComboBox>("ComboBox_ddlx");
    mode->setCurrentIndex(1);
    EXPECT_TRUE(control<QComboBox>("ComboBox_yssj")->isVisible());
    EXPECT_TRUE(control<QLabel>("Label_yssj")->isVisible());
}

TEST_F(PluginExports, DllTestStartCreatesTheGroupFileAndLocksTheFields) {
    load("conccomp");
    modalShow();
    EXPECT_FLOAT_EQ(call<StartFunction>("dll_test_start", 0, u"张三"), 6.75f);
    const auto path = groupFile("SNKY-" + todayCompact() + "00001$7.mdb");
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_FALSE(control<QLineEdit>("Edit_bh")->isEnabled());
    EXPECT_FALSE(control<QComboBox>("ComboBox_mj")->isEnabled());
    EXPECT_TRUE(control<QComboBox>("ComboBox_yssj")->isEnabled());

    call<StopFunction>("dll_test_stop", 0);
    EXPECT_TRUE(control<QLineEdit>("Edit_bh")->isEnabled());
    call<ModalcloseFunction>("Modalclose");
    auto file = vamo::storage::Database::open(path.string());
    vamo::storage::Query testSet(file, "Select * from test_set");
    EXPECT_EQ(testSet.rowCount(), 14u);
    testSet.last();
    EXPECT_EQ(testSet.field("str"), "张三");
}

TEST_F(PluginExports, ACompleteGroupAsksTwiceBeforeItIsDeleted) {
    load("conccomp");
    modalShow();
    call<StartFunction>("dll_test_start", 0, u"张三");
    const auto path = groupFile("SNKY-" + todayCompact() + "00001$7.mdb");
    call<ModalcloseFunction>("Modalclose");
    {
        auto file = vamo::storage::Database::open(path.string());
        file.execute("update test_set set str='3' where name='已试验块数'");
    }
    modalShow();
    ModalAnswers answers({QMessageBox::Yes, QMessageBox::Yes});
    EXPECT_EQ(call<StartFunction>("dll_test_start", 0, u"张三"), 0.0f);
    EXPECT_EQ(answers.seen, (QStringList{"组号已经存在,选择更改组号,或删除当前组号的所有数据|"
                                         "选择\"是\"将删除组号\",选择\"否\"需要更改组号",
                                         "是否删除当前组号|是否确认删除当前组号的所有数据?"}));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(control<QLineEdit>("Edit_bh")->isEnabled());
}

TEST_F(PluginExports, ARefusedStartShowsTheErrorDialog) {
    load("firedflex");
    modalShow();
    QLineEdit* number = control<QLineEdit>("Edit_bh");
    number->clear();
    typeInto(number, "a/b");
    ModalAnswers answers({QMessageBox::Ok});
    EXPECT_EQ(call<StartFunction>("dll_test_start", 0, u"张三"), 0.0f);
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_TRUE(answers.seen[0].startsWith("错误|")) << answers.seen[0].toStdString();
    EXPECT_TRUE(number->isEnabled());
    EXPECT_TRUE(std::filesystem::is_empty(stationFolder() / "output"));
}

TEST_F(PluginExports, ExportsWithoutThePanelShowAnErrorAndGiveZero) {
    load("conccomp");
    ModalAnswers answers({QMessageBox::Ok});
    EXPECT_EQ(call<SpeedFunction>("dll_test_getsp", 0), 0.0f);
    EXPECT_EQ(answers.seen.size(), 1);
}

TEST_F(PluginExports, SetShParamFillsThePanel) {
    load("mortcomp");
    modalShow();
    EXPECT_EQ(call<ShParamFunction>("set_sh_param", u"513", u"t", u"S-77", u"k", u"0", u"6",
                                    u"P \u00B7O/42.5R", u"", u"", u"40", u"40", u"", u"", u"25", u"sb"),
              1);
    EXPECT_EQ(control<QLineEdit>("Edit_bh")->text(), "S-77");
    EXPECT_EQ(control<QComboBox>("ComboBox_sjpz")->currentText(), "P \u00B7O");
    EXPECT_EQ(control<QComboBox>("ComboBox_qddj")->currentText(), "42.5R");
    EXPECT_EQ(control<QComboBox>("ComboBox_sjql")->currentText(), "3");
    EXPECT_EQ(control<QComboBox>("ComboBox_mj")->currentText(), "40*40");
    EXPECT_FLOAT_EQ(receivedDivisors.back(), 1.6f);
}

TEST_F(PluginExports, TheModulusGivesItsFixedLoads) {
    load("cmodulus");
    modalShow();
    EXPECT_FLOAT_EQ(call<SpeedFunction>("dll_test_getgd", 0), 50.0f);
    EXPECT_FLOAT_EQ(call<SpeedFunction>("dll_test_getdd", 0), 20.0f);
    EXPECT_EQ(control<QComboBox>("ComboBox_sjks")->lineEdit()->maxLength(), 3);
    EXPECT_EQ(control<QTableWidget>("StringGrid1")->item(0, 1)->text(), "弹性模量(MPa)");
}

TEST_F(PluginExports, RelayoutFitsThePanelToTheHostWindow) {
    load("pasteflex");
    modalShow();
    auto* group = control<QGroupBox>("GroupBox1");
    auto* grid = control<QTableWidget>("StringGrid1");
    auto* title = control<QLabel>("StaticText_modal");
    EXPECT_EQ(control<QLabel>("Label_speed")->text(), "加载速度(N/s):");
    host.setGeometry(50, 40, 1000, 700);
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(group, &move);
    const int height = host.frameGeometry().height();
    EXPECT_EQ(grid->height(), height - group->height() - title->height() - 115);
    EXPECT_EQ(group->y(), height - group->height() - 120);
}

} // namespace
