#pragma once

#include "plugin/evaluation/specimen_completion.h"
#include "plugins/all_descriptors.h"
#include "storage/database.h"
#include "storage/query.h"
#include "storage/quoting.h"
#include "storage/transaction.h"
#include "tests/plugin/frame/station_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vamo::evaluation::testing {

using plugin::FieldId;

// A plug-in module with its panel shown on a station folder that also has the password templates and
// a curve database db/temp_mdb.mdb; the tests start groups and finish specimens as the host would.
struct CompletionTest : ::testing::Test {
    std::unique_ptr<plugin::test::ModuleHarness> harness;
    int pauses = 0;
    EvaluationServices services{[] { return std::string("2026-12-09 08:05:03"); }, [this] { ++pauses; }};

    plugin::PanelModel& use(const char* pluginName, int curvePoints = 3) {
        harness = std::make_unique<plugin::test::ModuleHarness>(plugins::descriptorNamed(pluginName));
        for (const char* name : {"temp_normal1.mdb", "temp_normal2.mdb"}) {
            storage::Database::create((root() / "db" / name).string(), std::string("zup"));
        }
        writeCurve(curvePoints);
        return harness->showPanel();
    }
    plugin::PanelModel& panel() { return harness->module.panel(); }
    const std::filesystem::path& root() const { return harness->station.root(); }
    std::vector<std::string> messages() const { return harness->dialogs.messages(); }

    void writeCurve(int points) const {
        const auto path = root() / "db" / "temp_mdb.mdb";
        std::filesystem::remove(path);
        auto curve = storage::Database::create(path.string());
        curve.execute(
            "Create Table temp(ID int IDENTITY(1,1) PRIMARY KEY,press Single default 0,run_time int,"
            "length Single default 0,length1 Single default 0,length2 Single default 0,"
            "speed Single default 0)");
        storage::Transaction all(curve);
        for (int i = 1; i <= points; ++i) {
            curve.execute("insert into temp(press,run_time,speed) values(" + std::to_string(i * 10) + ".50,"
                          + std::to_string(i * 200) + ",6.75)");
        }
        all.commit();
    }

    // 开始 as the host presses it; the speed target it answers.
    float start() { return harness->module.dll_test_start("张三"); }

    // The end of a specimen as the host reports it.
    std::int32_t finish(float peak, std::int32_t upload = 0) {
        return completeSpecimen(harness->module,
                                EndOneArguments{upload, peak, 0.0f, 1491.123f, 12.2f, "temp_mdb.mdb", "temp"},
                                services);
    }
    // Start and finish one specimen of the current group.
    std::int32_t specimen(float peak, std::int32_t upload = 0) {
        EXPECT_GT(start(), 0.0f);
        return finish(peak, upload);
    }

    std::filesystem::path groupFile(const std::string& number, const std::string& age) const {
        return plugin::test::groupFileFor(*harness, harness->module.method(), number, age);
    }
    std::filesystem::path currentGroupFile() { return harness->module.currentGroupFilePath(); }

    static std::string value(const std::filesystem::path& file, const std::string& table,
                             const std::string& key) {
        auto database = storage::Database::open(file.string());
        const std::string column = table == "test_set" ? "name" : "result_name";
        storage::Query query(database,
                             "Select * from " + table + " where " + column + "=" + storage::quoted(key));
        return query.eof() ? "(none)" : query.field("str");
    }
    static std::vector<std::string> values(const std::filesystem::path& file, const std::string& key) {
        auto database = storage::Database::open(file.string());
        storage::Query query(database, "Select * from test_set where name=" + storage::quoted(key));
        std::vector<std::string> found;
        for (; !query.eof(); query.next()) {
            found.push_back(query.field("str"));
        }
        return found;
    }
    static std::vector<std::string> tables(const std::filesystem::path& file) {
        return storage::Database::open(file.string()).tableNames();
    }
    std::string cell(int column, int row) { return panel().grid().cell(column, row); }
};

} // namespace vamo::evaluation::testing
