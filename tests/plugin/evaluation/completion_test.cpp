// Specimen completion and group evaluation against real group record files.
#include "completion_fixture.h"
#include "platform/number_text.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace vamo::evaluation::testing {
namespace {

using platform::DialogAnswer;

constexpr const char* kGroup = "2024030500001";

int rowsOf(const std::filesystem::path& file, const std::string& table) {
    auto database = storage::Database::open(file.string());
    return static_cast<int>(storage::Query(database, "Select * from " + table).rowCount());
}

TEST_F(CompletionTest, FirstSpecimenStoresItsCurveResultsCountAndGridRow) {
    use("conccomp");
    EXPECT_EQ(specimen(300.0f), 0);
    const auto file = groupFile(kGroup, "7");
    const auto names = tables(file);
    EXPECT_EQ(std::vector<std::string>(names.begin() + 1, names.end()),
              (std::vector<std::string>{"result_point1", "result1"}));
    EXPECT_EQ(rowsOf(file, "result_point1"), 3);
    {
        auto database = storage::Database::open(file.string());
        storage::Query curve(database, "select press,run_time*0.001 as run_time from result_point1");
        EXPECT_EQ(curve.field("press"), "10.5");
        EXPECT_EQ(curve.field("run_time"), "0.2");
        storage::Query results(database, "Select * from result1");
        std::vector<std::string> rows;
        for (; !results.eof(); results.next()) {
            rows.push_back(results.field("result_name") + "=" + results.field("str"));
        }
        EXPECT_EQ(rows, (std::vector<std::string>{"峰值=300.00", "上屈服力=0.00", "下屈服力=1491.12",
                                                  "断后标距=12.200", "面积=22.500", "强度=13.3"}));
    }
    EXPECT_EQ(value(file, "test_set", "已试验块数"), "1");
    EXPECT_EQ(harness->module.record().curorder, "1");
    EXPECT_EQ(harness->module.record().test_all_time, "0");
    EXPECT_EQ(cell(1, 1), "300.00");
    EXPECT_EQ(cell(2, 1), "13.3");
}

TEST_F(CompletionTest, WithoutAGroupFileNothingIsWritten) {
    use("conccomp");
    EXPECT_EQ(finish(300.0f), 0);
    EXPECT_TRUE(std::filesystem::is_empty(root() / "output"));
}

TEST_F(CompletionTest, ContinuousTestingReturnsTheDelayExceptAfterTheLastSpecimen) {
    use("conccomp");
    panel().operatorChanged(FieldId::ComboBox_ddlx, "连续试验");
    EXPECT_EQ(specimen(300.0f), 16);
    EXPECT_EQ(specimen(320.0f), 16);
    EXPECT_EQ(specimen(400.0f), 0);
    EXPECT_EQ(messages(), (std::vector<std::string>{"组号+1,更改组号|组号+1"}));

    use("aerblock");
    panel().setEnabled(FieldId::ComboBox_ddlx, true);
    panel().operatorChanged(FieldId::ComboBox_ddlx, "连续试验");
    EXPECT_EQ(specimen(30.0f), 0) << "aerblock never returns a delay";
}

TEST_F(CompletionTest, ThreeSpecimensEvaluateTheGroupByTheMiddleValue) {
    use("conccomp");
    specimen(300.0f);
    specimen(320.0f);
    specimen(400.0f, 1);
    const auto file = groupFile(kGroup, "7");
    EXPECT_EQ(value(file, "test_set", "已试验块数"), "3");
    EXPECT_EQ(value(file, "test_set", "有效力值"), "320.00");
    EXPECT_EQ(value(file, "test_set", "有效强度"), "14.2");
    EXPECT_EQ(cell(1, 3), "*400.00") << "the rejected specimen is marked";
    EXPECT_EQ(cell(1, 4), "320.00");
    EXPECT_EQ(cell(2, 5), "14.2");
    EXPECT_EQ(harness->module.record().curorder, "0");
    EXPECT_EQ(panel().text(FieldId::Edit_bh), "2024030500002") << "the group number advanced";
    EXPECT_TRUE(panel().field(FieldId::Edit_bh).enabled) << "the fields are unlocked for the next group";

    auto summary = storage::Database::open((root() / "output" / "Normal.mdb").string(), std::string("zup"));
    storage::Query row(summary, "Select * from test_result");
    ASSERT_EQ(row.rowCount(), 1u);
    EXPECT_EQ(row.field("wbbh"), kGroup);
    EXPECT_EQ(row.field("synx"), "普通混凝土抗压");
    EXPECT_EQ(row.field("sjpz"), "");
    EXPECT_EQ(row.field("qddj"), "C15");
    EXPECT_EQ(row.field("sjgg"), "150*150*150");
    EXPECT_EQ(row.field("speed"), "6.75");
    EXPECT_EQ(row.field("numb"), "3");
    EXPECT_EQ(row.field("kj"), "100");
    EXPECT_EQ(row.field("mj"), "22500.000");
    EXPECT_EQ(row.field("xzxs"), "1");
    EXPECT_EQ(row.field("zhz1"), "300.000");
    EXPECT_EQ(row.field("zhz2"), "320.000");
    EXPECT_EQ(row.field("zhz3"), "400.000");
    EXPECT_EQ(row.field("qdz2"), "14.200");
    EXPECT_EQ(row.field("zhz4"), "0.000");
    EXPECT_EQ(row.field("qdz24"), "0.000");
    EXPECT_EQ(row.field("yxlz"), "320.00");
    EXPECT_EQ(row.field("yxqd"), "14.2");
    EXPECT_EQ(row.field("lq"), "7");
    EXPECT_EQ(row.field("date_time"), "2026-12-09 08:05:03");
    EXPECT_EQ(row.field("sjwj"), file.string() + ";");
    EXPECT_EQ(row.field("end_flag"), "yes");
    EXPECT_EQ(row.field("read_flag"), "no");
}

TEST_F(CompletionTest, WithUploadingOffTheSummaryDatabaseIsMadeButGetsNoRow) {
    use("conccomp");
    for (float peak : {300.0f, 310.0f, 320.0f}) {
        specimen(peak, 0);
    }
    auto summary = storage::Database::open((root() / "output" / "Normal.mdb").string(), std::string("zup"));
    EXPECT_EQ(summary.tableNames(), (std::vector<std::string>{"test_result"}));
    EXPECT_EQ(storage::Query(summary, "Select * from test_result").rowCount(), 0u);
    EXPECT_THROW(storage::Database::open((root() / "output" / "Normal.mdb").string()), storage::DatabaseError)
        << "protected with the password";
}

TEST_F(CompletionTest, AGroupEvaluatedTwiceHoldsItsGroupRowsTwice) {
    use("conccomp");
    for (float peak : {300.0f, 310.0f, 320.0f}) {
        specimen(peak, 1);
    }
    panel().setText(FieldId::Edit_bh, kGroup);
    endGroupEarly(harness->module, 1, services);
    const auto file = groupFile(kGroup, "7");
    EXPECT_EQ(values(file, "有效力值"), (std::vector<std::string>{"310.00", "310.00"}));
    EXPECT_EQ(values(file, "有效强度").size(), 2u);
    auto summary = storage::Database::open((root() / "output" / "Normal.mdb").string(), std::string("zup"));
    EXPECT_EQ(storage::Query(summary, "Select * from test_result").rowCount(), 2u);
}

TEST_F(CompletionTest, WallBrickFlexuralForcesAreStoredInNewtons) {
    use("wallflex");
    specimen(2.5f);
    const auto file = currentGroupFile();
    EXPECT_EQ(value(file, "result1", "峰值"), "2500.00");
    const float divisor = panel().strengthDivisor();
    EXPECT_EQ(value(file, "result1", "强度"), platform::formatFixed(2.5f / divisor, 1))
        << "from the force in kN";
    EXPECT_EQ(cell(1, 1), "2500.00");
}

TEST_F(CompletionTest, ConcreteBeamOutsideTheLoadLinesIsMarkedOnItsForceOnly) {
    use("concflex");
    harness->dialogs.answer(DialogAnswer::No);
    specimen(30.0f);
    EXPECT_EQ(harness->dialogs.shown.back().caption, "是否在集中线之内");
    EXPECT_EQ(harness->dialogs.shown.back().text, "是否位于集中载荷作用线之内");
    const auto file = currentGroupFile();
    EXPECT_EQ(value(file, "result1", "峰值"), "*30.00");
    EXPECT_EQ(value(file, "result1", "强度"), "4.0");
    EXPECT_EQ(cell(1, 1), "*30.00");
    EXPECT_EQ(cell(2, 1), "4.0");
    harness->dialogs.answer(DialogAnswer::Yes);
    specimen(30.0f);
    EXPECT_EQ(value(file, "result2", "峰值"), "30.00");
}

TEST_F(CompletionTest, ElasticModulusFromTheFixedLoadsAndDeformations) {
    use("cmodulus");
    for (const auto& [id, text] : std::vector<std::pair<FieldId, std::string>>{{FieldId::ddzh, "20"},
                                                                               {FieldId::gdzh, "50"},
                                                                               {FieldId::bju, "150"},
                                                                               {FieldId::dbxzh, "0.010"},
                                                                               {FieldId::gbxzh, "0.060"}}) {
        panel().setText(id, text);
    }
    ASSERT_FLOAT_EQ(panel().strengthDivisor(), 22.5f);
    specimen(100.0f);
    const auto file = currentGroupFile();
    auto database = storage::Database::open(file.string());
    storage::Query results(database, "Select * from result1");
    std::vector<std::string> rows;
    for (; !results.eof(); results.next()) {
        rows.push_back(results.field("result_name") + "=" + results.field("str"));
    }
    EXPECT_EQ(rows,
              (std::vector<std::string>{"峰值=100.00", "上屈服力=0.00", "下屈服力=1491.12", "断后标距=12.200",
                                        "面积=22.500", "标距=150.000", "低变形值=0.010", "高变形值=0.060",
                                        "弹性模量=4000.0", "强度=4000.0"}));
    EXPECT_EQ(cell(1, 1), "4000");
    EXPECT_EQ(cell(2, 1), "100.00");

    panel().setText(FieldId::gbxzh, "0.010");
    specimen(100.0f);
    EXPECT_EQ(value(file, "result2", "弹性模量"), "0.0") << "equal deformations give no finite modulus";
}

TEST_F(CompletionTest, EndingAGroupEarlyMarksTheUntestedRowsAndEvaluatesTheTestedOnes) {
    use("mortcomp");
    specimen(50.0f);
    specimen(60.0f);
    endGroupEarly(harness->module, 0, services);
    for (int row = 3; row <= 6; ++row) {
        EXPECT_EQ(cell(1, row), "-") << row;
        EXPECT_EQ(cell(2, row), "-") << row;
    }
    const auto file = groupFile(kGroup, "1");
    EXPECT_EQ(value(file, "test_set", "有效力值"), "55.00");
    EXPECT_EQ(cell(1, 7), "55.00");
    EXPECT_EQ(cell(2, 8), value(file, "test_set", "有效强度"));
}

TEST_F(CompletionTest, EndingAGroupWithNoSpecimenStoresInvalid) {
    use("conccomp");
    ASSERT_GT(start(), 0.0f);
    endGroupEarly(harness->module, 0, services);
    const auto file = groupFile(kGroup, "7");
    EXPECT_EQ(value(file, "test_set", "有效力值"), "无效");
    EXPECT_EQ(value(file, "test_set", "有效强度"), "无效");

    use("conccomp");
    endGroupEarly(harness->module, 0, services);
    EXPECT_TRUE(std::filesystem::is_empty(root() / "output")) << "no group file: nothing happens";
}

TEST_F(CompletionTest, FetchedTestNumberWritesTheExchangeRowAndStartsDatasave) {
    use("conccomp");
    {
        auto exchange = storage::Database::create((root() / "TransDataDB.mdb").string());
        exchange.execute("Create Table testdata(xmid string,grou_table string,synum string,keynum string,"
                         "userid string,Curorder string,testdate string,testtime string,jh_speed string,"
                         "maxload string,endflag string,sb_code string,sy_environment string,size1 string,"
                         "size2 string,size3 string)");
    }
    harness->module.record().shch_flag = "5aa5";
    harness->module.record().size1 = "150";
    for (float peak : {300.0f, 320.0f, 400.0f}) {
        specimen(peak, 0);
    }
    auto exchange = storage::Database::open((root() / "TransDataDB.mdb").string());
    storage::Query rows(exchange, "select * from testdata");
    ASSERT_EQ(rows.rowCount(), 3u);
    EXPECT_EQ(rows.field("Curorder"), "1");
    EXPECT_EQ(rows.field("endflag"), "#");
    EXPECT_EQ(rows.field("userid"), "张三");
    EXPECT_EQ(rows.field("maxload"), "300.00");
    EXPECT_EQ(rows.field("size1"), "150");
    rows.last();
    EXPECT_EQ(rows.field("Curorder"), "3");
    EXPECT_EQ(rows.field("endflag"), "!");
    EXPECT_EQ(rows.field("testdate"), "2026-12-09 08:05:03");
    EXPECT_EQ(pauses, 33);
    const auto shown = messages();
    const std::vector<std::string> expected{"error指定的文件没有找到. |", "error指定的文件没有找到. |",
                                            "组号+1,更改组号|组号+1", "error指定的文件没有找到. |"};
    EXPECT_EQ(shown, expected) << "the group is evaluated before the last exchange row";
    EXPECT_EQ(value(groupFile(kGroup, "7"), "test_set", "有效力值"), "320.00");
    EXPECT_EQ(harness->module.record().shch_flag, "");
}

TEST_F(CompletionTest, WallBrickExchangeRowCarriesTheForceInKilonewtons) {
    use("wallflex");
    {
        storage::Database::create((root() / "TransDataDB.mdb").string())
            .execute("Create Table testdata(xmid string,grou_table string,synum string,keynum string,userid "
                     "string,Curorder string,testdate string,testtime string,jh_speed string,maxload "
                     "string,endflag string,sb_code string,sy_environment string,size1 string,size2 "
                     "string,size3 string)");
    }
    harness->module.record().shch_flag = "5aa5";
    specimen(2.5f);
    auto exchange = storage::Database::open((root() / "TransDataDB.mdb").string());
    EXPECT_EQ(storage::Query(exchange, "select * from testdata").field("maxload"), "2.50");
}

TEST_F(CompletionTest, AFailedCompletionLeavesNothingOfTheSpecimenAndTheNextOneWorks) {
    use("conccomp");
    ASSERT_GT(start(), 0.0f);
    harness->module.closeGroupFile();
    const auto file = groupFile(kGroup, "7");
    {
        auto database = storage::Database::open(file.string());
        database.execute("Create Table result1(result_name string,str string)");
    }
    EXPECT_THROW(finish(300.0f), storage::DatabaseError);
    EXPECT_EQ(tables(file), (std::vector<std::string>{"test_set", "result1"}))
        << "no curve table of specimen 1";
    EXPECT_EQ(value(file, "test_set", "已试验块数"), "0");
    EXPECT_EQ(cell(1, 1), "");
    {
        auto database = storage::Database::open(file.string());
        database.execute("drop table result1");
    }
    EXPECT_EQ(finish(300.0f), 0);
    EXPECT_EQ(value(file, "test_set", "已试验块数"), "1");
    EXPECT_EQ(rowsOf(file, "result_point1"), 3);
}

TEST_F(CompletionTest, AKilledCompletionStoresTheWholeSpecimenOrNone) {
    use("conccomp", 50000);
    panel().setText(FieldId::ComboBox_sjks, "24");
    ASSERT_GT(start(), 0.0f);
    harness->module.closeGroupFile();
    const auto file = groupFile(kGroup, "7");
    for (int attempt = 0; attempt < 8; ++attempt) {
        const pid_t child = ::fork();
        if (child == 0) {
            try {
                finish(300.0f);
            } catch (...) {
            }
            ::_exit(0);
        }
        // Kills spread from before the copy to after the commit.
        ::usleep(static_cast<useconds_t>(attempt * 40000));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);

        const int tested = std::stoi(value(file, "test_set", "已试验块数"));
        const auto present = tables(file);
        for (int k = 1; k <= tested + 1; ++k) {
            const bool stored = k <= tested;
            const auto has = [&](const std::string& name) {
                return std::find(present.begin(), present.end(), name) != present.end();
            };
            EXPECT_EQ(has("result_point" + std::to_string(k)), stored) << "attempt " << attempt << " k " << k;
            EXPECT_EQ(has("result" + std::to_string(k)), stored) << "attempt " << attempt << " k " << k;
            if (stored) {
                EXPECT_EQ(rowsOf(file, "result_point" + std::to_string(k)), 50000);
                EXPECT_EQ(rowsOf(file, "result" + std::to_string(k)), 6);
            }
        }
    }
    const int before = std::stoi(value(file, "test_set", "已试验块数"));
    EXPECT_EQ(finish(300.0f), 0);
    EXPECT_EQ(value(file, "test_set", "已试验块数"), std::to_string(before + 1))
        << "the next completion works";
}

} // namespace
} // namespace vamo::evaluation::testing
