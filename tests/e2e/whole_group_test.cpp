// Whole groups through the real station code: the main window's run control on its real timers, the
// real plug-ins of the station folder, and loadsim on a pseudo-terminal as COM1 breaking the specimens.
#include "host/app/tvamo_main.h"
#include "storage/database.h"
#include "storage/query.h"
#include "storage/quoting.h"
#include "tests/host/app/scripted_forms.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/temp_station.h"
#include "tests/tools/loadsim/binary_harness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

namespace vamo::host::testing {
namespace {

// The plug-ins' own message boxes ("组号+1,更改组号") are answered as an operator would.
class ModalAnswerer {
public:
    ModalAnswerer() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts.push_back(box->text().toStdString());
                box->accept();
            }
        });
        timer_.start();
    }
    std::vector<std::string> texts;

private:
    QTimer timer_;
};

struct WholeGroup : ::testing::Test {
    vamo::testing::TempStation station;
    vamo::testing::ScriptedDialogs dialogs;
    ScriptedForms forms;
    std::unique_ptr<loadsim::test::LoadsimProcess> controller;
    std::unique_ptr<Tvamo_main> window;
    bool ended = false;

    void SetUp() override {
        setenv("VAMODESK_PROGRAM_FOLDER", station.folder().c_str(), 1);
        station.linkBuiltPlugins();
        station.write("sys_set.ini", "[系统参数1]\n数据上传=1\n");
    }
    void TearDown() override {
        window.reset();
        if (controller) {
            controller->sendSignal(SIGTERM);
            controller->waitForExit(std::chrono::seconds(5));
        }
        unsetenv("VAMODESK_PROGRAM_FOLDER");
    }

    void startController(const std::string& breaks, const std::string& rate) {
        controller = std::make_unique<loadsim::test::LoadsimProcess>(
            std::vector<std::string>{"--link", (station / "dev/com1").string(), "--breaks", breaks, "--rate",
                                     rate, "--hold", "1.2", "--pause", "1.6", "--start-delay", "1", "--noise",
                                     "0", "--seed", "3"},
            station / "loadsim.log");
        ASSERT_TRUE(controller->readLine(std::chrono::seconds(5)).has_value());
    }

    void startStation(int method) {
        window = std::make_unique<Tvamo_main>(
            Tvamo_main::Environment{station.folder(), dialogs, forms, [] {}, [this] { ended = true; }});
        ASSERT_TRUE(window->create());
        window->show();
        if (method != 0) {
            window->chooseMethod(method);
        }
    }

    std::size_t summaryRows() const {
        const auto path = station / "output/Normal.mdb";
        if (!std::filesystem::exists(path)) {
            return 0;
        }
        try {
            auto summary = storage::Database::open(path.string(), std::string("zup"));
            return storage::Query(summary, "Select * from test_result").rowCount();
        } catch (const std::exception&) {
            return 0;
        }
    }

    void runUntilTheGroupIsEvaluated(int seconds) {
        QElapsedTimer clock;
        clock.start();
        while (summaryRows() == 0 && clock.elapsed() < seconds * 1000) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        }
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }

    std::filesystem::path groupFileStartingWith(const std::string& prefix) const {
        for (const auto& entry : std::filesystem::directory_iterator(station / "output")) {
            if (entry.path().filename().string().rfind(prefix, 0) == 0) {
                return entry.path();
            }
        }
        return {};
    }

    static std::string key(const std::filesystem::path& file, const std::string& name) {
        auto database = storage::Database::open(file.string());
        storage::Query query(database, "Select * from test_set where name=" + storage::quoted(name));
        return query.eof() ? "(none)" : query.field("str");
    }
    static std::size_t rows(const std::filesystem::path& file, const std::string& table) {
        auto database = storage::Database::open(file.string());
        return storage::Query(database, "Select * from " + table).rowCount();
    }
};

TEST_F(WholeGroup, ThreeConcreteCubesStartByThemselvesAndAreEvaluatedByTheMiddleValue) {
    startController("300,320,400", "150");
    ModalAnswerer answerer;
    startStation(0);
    const std::string firstGroup =
        window->panelArea()->findChild<QLineEdit*>("Edit_bh")->text().toStdString();
    runUntilTheGroupIsEvaluated(60);

    const auto file = groupFileStartingWith("SNKY-" + firstGroup);
    ASSERT_FALSE(file.empty());
    for (int k = 1; k <= 3; ++k) {
        EXPECT_GT(rows(file, "result_point" + std::to_string(k)), 3u) << "the curve of specimen " << k;
        EXPECT_EQ(rows(file, "result" + std::to_string(k)), 6u);
    }
    EXPECT_EQ(key(file, "已试验块数"), "3");
    EXPECT_EQ(key(file, "有效力值"), "320.00");
    EXPECT_EQ(key(file, "有效强度"), "14.2");
    EXPECT_EQ(key(file, "试验人"), "admin");

    auto summary = storage::Database::open((station / "output/Normal.mdb").string(), std::string("zup"));
    storage::Query row(summary, "Select * from test_result");
    ASSERT_EQ(row.rowCount(), 1u);
    EXPECT_EQ(row.field("zhz1"), "300.000");
    EXPECT_EQ(row.field("zhz2"), "320.000");
    EXPECT_EQ(row.field("zhz3"), "400.000");
    EXPECT_EQ(row.field("yxlz"), "320.00");

    EXPECT_TRUE(std::filesystem::exists(station / "shangchuan/chart_temp.bmp"));
    EXPECT_TRUE(std::filesystem::exists(station / "shangchuan/chart_temp.jpg"));
    EXPECT_EQ(answerer.texts, (std::vector<std::string>{"组号+1,更改组号"}));
    const std::string nextGroup = window->panelArea()->findChild<QLineEdit*>("Edit_bh")->text().toStdString();
    EXPECT_EQ(nextGroup, firstGroup.substr(0, firstGroup.size() - 5) + "00002");
    EXPECT_EQ(dialogs.errors(), std::vector<std::string>{});
}

TEST_F(WholeGroup, SixMortarPrismsWithOneOutlierFollowTheSixSpecimenRule) {
    startController("50,50,50,50,50,70", "50");
    ModalAnswerer answerer;
    startStation(4);
    runUntilTheGroupIsEvaluated(90);

    const auto file = groupFileStartingWith("SNJS-");
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(key(file, "已试验块数"), "6");
    EXPECT_EQ(key(file, "有效力值"), "50.00");
    EXPECT_EQ(key(file, "有效强度"), "31.2");
    auto* grid = window->panelArea()->findChild<QTableWidget*>("StringGrid1");
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->item(6, 1)->text(), "*70.00") << "the outlier is marked";
    EXPECT_EQ(grid->item(7, 1)->text(), "50.00");
    auto summary = storage::Database::open((station / "output/Normal.mdb").string(), std::string("zup"));
    storage::Query row(summary, "Select * from test_result");
    ASSERT_EQ(row.rowCount(), 1u);
    EXPECT_EQ(row.field("zhz6"), "70.000");
    EXPECT_EQ(row.field("synx"), "水泥胶砂抗压");
    EXPECT_EQ(dialogs.errors(), std::vector<std::string>{});
}

} // namespace
} // namespace vamo::host::testing
