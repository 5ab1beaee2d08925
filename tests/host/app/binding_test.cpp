// The host's method table and binding with the real plug-in libraries of the station folder.
#include "host/app/core/method_table.h"
#include "platform/ini_file.h"
#include "window_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QValueAxis>

namespace vamo::host::testing {
namespace {

struct BindingTest : WindowTest {
    Tvamo_main& startedWithRealPlugins() {
        station.linkBuiltPlugins();
        makeWindow();
        EXPECT_TRUE(window->create());
        window->show();
        return *window;
    }
    QWidget* dockedPanel() const { return window->panelArea()->findChild<QWidget*>("concflex_form"); }
    std::vector<int> tickedEntries() const {
        std::vector<int> ticked;
        const auto actions = window->methodMenu()->actions();
        for (int i = 0; i < actions.size(); ++i) {
            if (actions[i]->isChecked()) {
                ticked.push_back(i);
            }
        }
        return ticked;
    }
};

TEST_F(BindingTest, EveryMenuEntryBindsItsPluginOrReportsItMissing) {
    startedWithRealPlugins();
    ASSERT_TRUE(dialogs.messages().empty()) << "conccomp is bound at start-up";
    const std::set<int> notDelivered{2, 3, 5, 9, 16};
    const auto& table = methodTable();
    for (int i = 0; i < methodCount; ++i) {
        const auto& entry = table[static_cast<std::size_t>(i)];
        dialogs.shown.clear();
        window->methodMenu()->actions()[i]->trigger();
        EXPECT_EQ(statusPanel(0), " 试验类型:" + std::string(entry.methodName)) << i;
        EXPECT_EQ(tickedEntries(), (std::vector<int>{i})) << i;
        if (notDelivered.count(i) != 0) {
            EXPECT_EQ(dialogs.messages(), (std::vector<std::string>(2, "功能无效|功能无效")))
                << entry.pluginName;
            EXPECT_FALSE(window->binding().loaded()) << entry.pluginName;
            EXPECT_EQ(dockedPanel(), nullptr) << entry.pluginName;
            dialogs.shown.clear();
            control<QPushButton>("test_start_b")->click();
            EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"功能无效|功能无效"}))
                << entry.pluginName;
        } else {
            EXPECT_TRUE(dialogs.messages().empty()) << entry.pluginName;
            EXPECT_TRUE(window->binding().loaded()) << entry.pluginName;
            ASSERT_NE(dockedPanel(), nullptr) << entry.pluginName;
            EXPECT_FALSE(dockedPanel()->isWindow()) << "docked inside Panel1: " << entry.pluginName;
            EXPECT_TRUE(dockedPanel()->isVisible()) << entry.pluginName;
            EXPECT_EQ(dockedPanel()->pos(), QPoint(0, 0)) << entry.pluginName;
            EXPECT_EQ(window->panelArea()->findChildren<QWidget*>("concflex_form").size(), 1)
                << entry.pluginName;
        }
    }
}

TEST_F(BindingTest, UnconfinedTestShowsItsMethodNameAndAeratedBlocksSetTheirAxes) {
    startedWithRealPlugins();
    window->chooseMethod(8);
    EXPECT_EQ(statusPanel(0), " 试验类型:无侧限");
    window->chooseMethod(11);
    EXPECT_EQ(window->chart().forceAxis()->max(), 100);
    EXPECT_EQ(window->chart().forceAxis()->tickInterval(), 10);
    EXPECT_EQ(window->chart().timeAxis()->max(), 20);
    EXPECT_EQ(window->chart().timeAxis()->tickInterval(), 2);
}

TEST_F(BindingTest, ChoosingTheSameMethodAgainReloadsItWithItsSavedChoices) {
    startedWithRealPlugins();
    auto* grade = dockedPanel()->findChild<QComboBox*>("ComboBox_qddj");
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(grade->currentText(), "C15");
    grade->setCurrentIndex(grade->findText("C30"));
    window->chooseMethod(0);
    EXPECT_EQ(platform::readIniValue(station.settingsFile(), "conccomp_menu", "qddj", ""), "C30");
    auto* reloaded = dockedPanel()->findChild<QComboBox*>("ComboBox_qddj");
    ASSERT_NE(reloaded, nullptr);
    EXPECT_EQ(reloaded->currentText(), "C30");
    EXPECT_EQ(window->panelArea()->findChildren<QWidget*>("concflex_form").size(), 1);
}

TEST_F(BindingTest, StartUpTakesTheLoadSpeedFromThePlugin) {
    startedWithRealPlugins();
    EXPECT_FLOAT_EQ(window->run().speedTarget(), 6.75f) << "0.3 MPa/s on 150*150*150";
    EXPECT_TRUE(control<QPushButton>("test_start_b")->isEnabled());
}

TEST_F(BindingTest, OpeningTheMethodMenuAbandonsAnArmedRun) {
    startedWithRealPlugins();
    control<QPushButton>("test_start_b")->click();
    ASSERT_EQ(window->run().runState(), 1);
    QMetaObject::invokeMethod(window->methodMenu(), "aboutToShow");
    EXPECT_EQ(window->run().runState(), 0);
    EXPECT_EQ(window->run().runFlag(), 0.0f);
}

} // namespace
} // namespace vamo::host::testing
