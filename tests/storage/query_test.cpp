// Queries: reading fields by name, moving, and writing rows back the way the panels and dialogs do.
#include "storage_test_support.h"

#include <gtest/gtest.h>

namespace vamo::storage {
namespace {

using support::errorOf;
using support::rowsOf;
using support::TempFolder;
using Rows = std::vector<std::vector<std::string>>;

class Queries : public ::testing::Test {
protected:
    void SetUp() override {
        database_.execute("Create Table test_set(name Text(50),str Text(50))");
        database_.execute("Create Table 用户组(ID int IDENTITY(1,1) PRIMARY KEY,用户名 Text(50),密码 "
                          "Text(50),权限 Text(50))");
        database_.execute("insert into 用户组(用户名,密码,权限) values('admin','583','Admin')");
    }

    TempFolder folder_;
    Database database_ = Database::create(folder_.file("group.mdb"));
};

TEST_F(Queries, GroupParametersAreAppendedRowByRowAndTheLastIsPosted) {
    const Rows parameters = {
        {"试件类型", "普通混凝土抗压"}, {"试件编号", "A001"}, {"已试验块数", "0"}, {"试验人", "张三"}};
    {
        Query query(database_, "Select * from test_set");
        for (const auto& row : parameters) {
            query.append();
            query.set("name", row[0]);
            query.set("str", row[1]);
        }
        query.post();
        EXPECT_EQ(query.rowCount(), parameters.size());
        EXPECT_EQ(query.field("name"), "试验人");
    }
    EXPECT_EQ(rowsOf(database_, "select * from test_set", {"name", "str"}), parameters);
}

TEST_F(Queries, TheTestedCountIsEditedInItsRow) {
    database_.execute("insert into test_set(name,str) values('试件编号','A001')");
    database_.execute("insert into test_set(name,str) values('已试验块数','2')");
    {
        Query count(database_, "Select * from test_set where name=" + quoted("已试验块数"));
        ASSERT_EQ(count.rowCount(), 1u);
        count.edit();
        count.set("str", std::to_string(std::stoi(count.field("str")) + 1));
        count.post();
        EXPECT_EQ(count.field("str"), "3");
    }
    EXPECT_EQ(rowsOf(database_, "select * from test_set", {"name", "str"}),
              (Rows{{"试件编号", "A001"}, {"已试验块数", "3"}}));
}

TEST_F(Queries, UsersAreAddedChangedAndDeleted) {
    {
        Query users(database_, "Select * from 用户组");
        users.append();
        users.set("用户名", "张三");
        users.set("密码", "123");
        users.set("权限", "Tester");
        users.post();
        EXPECT_EQ(users.field("ID"), "2");
        users.append();
        users.set("用户名", "李四");
        users.set("密码", "456");
        users.set("权限", "Tester");
        users.post();

        users.moveTo(1);
        users.edit();
        users.set("密码", "abc");
        users.post();

        users.first();
        users.next();
        users.next();
        ASSERT_EQ(users.field("用户名"), "李四");
        users.remove();
        EXPECT_EQ(users.rowCount(), 2u);
        EXPECT_EQ(users.field("用户名"), "张三");
    }
    EXPECT_EQ(rowsOf(database_, "select * from 用户组", {"ID", "用户名", "密码", "权限"}),
              (Rows{{"1", "admin", "583", "Admin"}, {"2", "张三", "abc", "Tester"}}));
    database_.execute("insert into 用户组(用户名,密码,权限) values('王五','789','Tester')");
    EXPECT_EQ(rowsOf(database_, "select * from 用户组 where 用户名 =" + quoted("王五"), {"ID"}),
              (Rows{{"4"}}));
}

TEST_F(Queries, RowsWithoutPrimaryKeyAreAddressedOneByOne) {
    for (int i = 0; i < 3; ++i) {
        database_.execute("insert into test_set(name,str) values('有效力值','" + std::to_string(i) + "')");
    }
    {
        Query values(database_, "select * from test_set where name='有效力值'");
        values.moveTo(1);
        values.remove();
        values.first();
        values.edit();
        values.set("str", "无效");
        values.post();
    }
    EXPECT_EQ(rowsOf(database_, "select str from test_set", {"str"}), (Rows{{"无效"}, {"2"}}));
}

TEST_F(Queries, AFailedPostStoresNothingAndKeepsTheChangePending) {
    Query query(database_, "Select * from test_set");
    query.append();
    query.set("name", "试验人");
    query.set("str", std::string(51, 'x'));
    EXPECT_EQ(errorOf([&] { query.post(); }),
              "text too long for column test_set.str (at most 50 characters)");
    EXPECT_EQ(support::rowCountOf(database_, "test_set"), 0u);
    query.set("str", "张三");
    query.post();
    EXPECT_EQ(rowsOf(database_, "select * from test_set", {"name", "str"}), (Rows{{"试验人", "张三"}}));
}

TEST_F(Queries, AppendedRowsTakeTheColumnDefaults) {
    database_.execute("Create Table test_nu(ID int IDENTITY(1,1) PRIMARY KEY,UserID Text(255) default 单位ID,"
                      "SCCC Text(255) default 100*100*100,ACSData IMAGE,end_flag Text(10))");
    const std::string jpeg("\xFF\xD8\xFF\xE0\0\x10JFIF\0\xFF\xD9", 14);
    {
        Query upload(database_, "select * from test_nu");
        upload.append();
        upload.setBlob("ACSData", jpeg);
        upload.set("end_flag", "no");
        upload.post();
        EXPECT_EQ(upload.field("UserID"), "单位ID");
    }
    EXPECT_EQ(rowsOf(database_, "select * from test_nu", {"ID", "UserID", "SCCC", "ACSData", "end_flag"}),
              (Rows{{"1", "单位ID", "100*100*100", jpeg, "no"}}));
}

TEST_F(Queries, SingleFieldsAreStoredAs32BitFloats) {
    database_.execute(support::curveTableStatement("temp"));
    {
        Query curve(database_, "select * from temp");
        curve.append();
        curve.set("press", "16777217");
        curve.set("run_time", "2000");
        curve.set("speed", "5.86");
        curve.post();
        EXPECT_EQ(curve.field("press"), "16777216");
        EXPECT_EQ(curve.field("speed"), "5.86");
    }
    // Read through an expression, so that no narrowing on reading hides what was stored.
    EXPECT_EQ(rowsOf(database_, "select press*1 as press,speed*1 as speed from temp", {"press", "speed"}),
              (Rows{{"16777216", "5.860000133514404"}}));
}

TEST_F(Queries, ReadingAnEmptyResultGivesEmptyTextButUnknownFieldsFail) {
    Query missing(database_, "Select * from test_set where name='有效强度'");
    EXPECT_TRUE(missing.eof());
    EXPECT_EQ(missing.field("str"), "");
    const std::string error = errorOf([&] { missing.field("value"); });
    EXPECT_NE(error.find("no field 'value'"), std::string::npos) << error;
}

TEST_F(Queries, OnlySingleTableQueriesWriteBack) {
    database_.execute("insert into test_set(name,str) values('试件块数','3')");
    for (const std::string select :
         {"select count(*) as n from test_set", "select distinct name from test_set",
          "select a.name from test_set a, 用户组 b"}) {
        SCOPED_TRACE(select);
        Query query(database_, select);
        EXPECT_FALSE(query.editable());
        EXPECT_NE(errorOf([&] { query.append(); }).find("cannot write back"), std::string::npos);
    }
    Query aliased(database_, "Select T1.* From test_set AS T1 where T1.name='试件块数'");
    ASSERT_TRUE(aliased.editable());
    aliased.edit();
    aliased.set("str", "6");
    aliased.post();
    EXPECT_EQ(rowsOf(database_, "select str from test_set", {"str"}), (Rows{{"6"}}));
}

} // namespace
} // namespace vamo::storage
