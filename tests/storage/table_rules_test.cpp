// What the translated tables enforce: text limits, 32-bit floats, numbers written as text, and the
// readable errors of the dialect.
#include "storage_test_support.h"

#include <gtest/gtest.h>

namespace vamo::storage {
namespace {

using support::errorOf;
using support::rowsOf;
using support::TempFolder;
using Rows = std::vector<std::vector<std::string>>;

std::string repeated(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += piece;
    }
    return text;
}

class TableRules : public ::testing::Test {
protected:
    void SetUp() override {
        database_.execute("Create Table test_set(name Text(50),str Text(50))");
        database_.execute("Create Table result1(result_name string,str string)");
        database_.execute(support::curveTableStatement("temp"));
    }

    TempFolder folder_;
    Database database_ = Database::create(folder_.file("group.mdb"));
};

struct RefusedWrite {
    std::string statement;
    std::string message;
};

TEST_F(TableRules, TooLongTextIsRefusedAndTheStatementStoresNothing) {
    database_.execute("insert into test_set(name,str) values('试件编号','A001')");
    const std::string text51 = repeated("x", 51);
    const std::vector<RefusedWrite> refused = {
        {"insert into test_set(name,str) values('" + text51 + "','1')",
         "text too long for column test_set.name (at most 50 characters)"},
        {"insert into test_set(name,str) values('强度等级','C30'),('试验人','" + text51 + "')",
         "text too long for column test_set.str (at most 50 characters)"},
        {"update test_set set str='" + text51 + "' where name='试件编号'",
         "text too long for column test_set.str (at most 50 characters)"},
        {"insert into test_set(name,str) select result_name,str from result1",
         "text too long for column test_set.str (at most 50 characters)"},
        {"insert into result1(result_name,str) values('峰值','" + repeated("9", 256) + "')",
         "text too long for column result1.str (at most 255 characters)"},
    };
    database_.execute("insert into result1(result_name,str) values('面积','22500.00')");
    database_.execute("insert into result1(result_name,str) values('强度','" + text51 + "')");
    for (const auto& write : refused) {
        SCOPED_TRACE(write.statement);
        EXPECT_EQ(errorOf([&] { database_.execute(write.statement); }), write.message);
        EXPECT_EQ(rowsOf(database_, "select * from test_set", {"name", "str"}), (Rows{{"试件编号", "A001"}}));
        EXPECT_EQ(support::rowCountOf(database_, "result1"), 2u);
    }
}

TEST_F(TableRules, LimitsCountCharactersNotBytes) {
    const std::string fiftyChinese = repeated("强", 50);
    database_.execute("insert into test_set(name,str) values('" + fiftyChinese + "','" + repeated("x", 50)
                      + "')");
    EXPECT_EQ(rowsOf(database_, "select name from test_set", {"name"}), (Rows{{fiftyChinese}}));
    EXPECT_EQ(errorOf([&] {
                  database_.execute("insert into test_set(name,str) values('" + fiftyChinese + "强','1')");
              }),
              "text too long for column test_set.name (at most 50 characters)");
}

TEST_F(TableRules, LimitsOfEveryTextTypeOfTheStatements) {
    struct Limit {
        std::string create;
        std::string table;
        std::string column;
        int length;
    };
    const std::vector<Limit> limits = {
        {"Create Table print_all(ID int IDENTITY(1,1) PRIMARY KEY,Nu char,sjgg char)", "print_all", "sjgg",
         255},
        {"Create Table summary(ID int IDENTITY(1,1) PRIMARY KEY,zhz1 Text(10),sjwj Text(255))", "summary",
         "zhz1", 10},
        {"Create Table heading(bt_name string,note Text)", "heading", "note", 255},
        {"Create Table legacy(code varchar(4),flag char(1))", "legacy", "code", 4},
    };
    for (const auto& limit : limits) {
        SCOPED_TRACE(limit.create);
        database_.execute(limit.create);
        const std::string insert = "insert into " + limit.table + "(" + limit.column + ") values(";
        EXPECT_NO_THROW(database_.execute(insert + "'" + repeated("a", limit.length) + "')"));
        EXPECT_EQ(errorOf([&] { database_.execute(insert + "'" + repeated("a", limit.length + 1) + "')"); }),
                  "text too long for column " + limit.table + "." + limit.column + " (at most "
                      + std::to_string(limit.length) + " characters)");
        EXPECT_EQ(support::rowCountOf(database_, limit.table), 1u);
    }
}

TEST_F(TableRules, SingleColumnsHoldTheNearest32BitFloat) {
    struct Stored {
        std::string written;
        std::string read;
    };
    const std::vector<Stored> values = {
        {"30.00", "30"},          {"5.86", "5.86"}, {"0.1", "0.1"},
        {"16777217", "16777216"}, {"-2.5", "-2.5"}, {"0", "0"},
    };
    for (const auto& value : values) {
        SCOPED_TRACE(value.written);
        database_.execute("delete from temp");
        database_.execute("insert into temp(press,run_time,speed) values(" + value.written + ",100,"
                          + value.written + ")");
        EXPECT_EQ(rowsOf(database_, "select press,speed from temp", {"press", "speed"}),
                  (Rows{{value.read, value.read}}));
    }
}

TEST_F(TableRules, NumberColumnsTakeNumbersWrittenAsText) {
    database_.execute("insert into temp(press,run_time,speed) values('7.5','1200',0)");
    EXPECT_EQ(rowsOf(database_, "select * from temp", {"ID", "press", "run_time"}),
              (Rows{{"1", "7.5", "1200"}}));
}

TEST_F(TableRules, ChineseTextRoundTripsUnchanged) {
    const std::vector<std::string> texts = {"普通混凝土抗压",           "检测依据 GB/T50081-2002",
                                            "烧结普通砖 MU10 ≥ 10 MPa", "组号+1,更改组号",
                                            "it's \"quoted\"",          "  两端空格  "};
    for (const auto& text : texts) {
        database_.execute("insert into result1(result_name,str) values(" + quoted(text) + "," + quoted(text)
                          + ")");
    }
    const auto rows = rowsOf(database_, "select * from result1", {"result_name", "str"});
    ASSERT_EQ(rows.size(), texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(rows[i], (std::vector<std::string>{texts[i], texts[i]}));
    }
    EXPECT_EQ(
        rowsOf(database_, "Select * from result1 where result_name=" + quoted("it's \"quoted\""), {"str"}),
        (Rows{{"it's \"quoted\""}}));
}

TEST_F(TableRules, ReadableErrorsNameWhatFailed) {
    const std::vector<RefusedWrite> failures = {
        {"Create Table test_set(name Text(50),str Text(50))", "table 'test_set' already exists"},
        {"Create Table TEST_SET(name Text(50),str Text(50))", "table 'TEST_SET' already exists"},
        {"insert into result7(result_name,str) values('峰值','1')", "no such table: result7"},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.statement);
        EXPECT_EQ(errorOf([&] { database_.execute(failure.statement); }), failure.message);
    }
    EXPECT_EQ(errorOf([&] { Query(database_, "Select * from result7 where result_name='峰值'"); }),
              "no such table: result7");
    const std::string misspelt = "Select * form test_set";
    EXPECT_NE(errorOf([&] { database_.execute(misspelt); }).find(misspelt), std::string::npos);
}

TEST_F(TableRules, UnsupportedTableFormsAreRefusedAndCreateNothing) {
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"Create Table counted(ID int IDENTITY(5,2) PRIMARY KEY,note string)",
         "IDENTITY(5,2) of column ID is not supported"},
        {"Create Table dated(ID int IDENTITY(1,1) PRIMARY KEY,at datetime)",
         "unsupported column type 'datetime'"},
        {"Create Table sized(ID int IDENTITY(1,1) PRIMARY KEY,n int default abc)", "DEFAULT abc of column n"},
    };
    for (const auto& [statement, message] : refused) {
        SCOPED_TRACE(statement);
        const std::string error = errorOf([&] { database_.execute(statement); });
        EXPECT_NE(error.find(message), std::string::npos) << error;
        EXPECT_NE(error.find(statement), std::string::npos) << error;
    }
    EXPECT_EQ(database_.tableNames(), (std::vector<std::string>{"test_set", "result1", "temp"}));
}

TEST_F(TableRules, OneStatementAtATime) {
    database_.execute("insert into test_set(name,str) values('试件编号','A001')");
    const std::string error =
        errorOf([&] { database_.execute("delete from test_set where name='x'; drop table test_set"); });
    EXPECT_NE(error.find("more than one statement"), std::string::npos) << error;
    EXPECT_EQ(support::rowCountOf(database_, "test_set"), 1u);
    EXPECT_NO_THROW(database_.execute("delete from test_set where name='x';"));
}

} // namespace
} // namespace vamo::storage
