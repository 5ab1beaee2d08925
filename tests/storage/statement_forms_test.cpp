// The statement texts the host and the plug-ins hand to the storage layer, run unchanged against
// real files, each with the rows it must leave behind.
#include "storage_test_support.h"

#include <gtest/gtest.h>

namespace vamo::storage {
namespace {

using support::TempFolder;

std::string testNuStatement() {
    return std::string("Create Table test_nu(ID int IDENTITY(1,1) PRIMARY KEY,")
           + "UserID Text(255) default 单位ID," + "UName Text(255) default 单位名称,"
           + "SYBH Text(255) default 试验编号," + "SYMC Text(255) default 试验名称,"
           + "LQ Text(255) default 3," + "SJQD Text(255) default 0," + "DJQD Text(255) default 0,"
           + "SJPZ Text(255) default 0," + "SJType Text(255) default SNJS," + "SJBH Text(255) default 0,"
           + "ZDGS Text(255) default 3," + "SCCCLX Text(255) default 0,"
           + "SCCC Text(255) default 100*100*100," + "ZZJKD Text(255) default 100,"
           + "JMKD Text(255) default 0," + "JMGD Text(255) default 0," + "DLMSFWYJHDWC Text(255) default 0,"
           + "KWLQDZ Text(255) default 0," + "KWLQDCDZ Text(255) default 0,"
           + "BZSJKWLQD Text(255) default 0," + "KYQDPJZ Text(255) default 0," + "KZQD Text(255) default 0,"
           + "KZQDPJZ Text(255) default 0," + "PHHZ Text(255) default 0," + "KYQD Text(255) default 0,"
           + "PJKYQD Text(255) default 0," + "SJQDBFB Text(255) default 0," + "SYSJ Text(30),"
           + "SYRQ Text(30) ," + "HJWD Text(30) ," + "SBCCBH Text(255) default 设备出厂编号,"
           + "RJBBH Text(255) default 软件版本号," + "SBBH Text(255) default 设备编号,"
           + "SBMC Text(255) default 设备名称," + "Operator Text(255) default 试验人," + "ACSData IMAGE,"
           + "end_flag Text(10)," + "read_flag Text(10)," + "SNPZ Text(10)," + "SJKYQD Text(10),"
           + "SJKZQD Text(10)," + "KYHZ Text(10)," + "KYQDCDZ Text(10)," + "KZHZ Text(10),"
           + "KZQDCDZ Text(10))";
}

std::string testResultStatement() {
    std::string statement = std::string("Create Table test_result(ID int IDENTITY(1,1) PRIMARY KEY,")
                            + "wbbh Text(100)," + "synx Text(100)," + "sjpz Text(100)," + "qddj Text(100),"
                            + "sjgg Text(100)," + "speed Text(10)," + "numb Text(10)," + "kj Text(10),"
                            + "mj Text(10)," + "xzxs Text(10),";
    for (int i = 1; i <= 24; ++i) {
        statement += "zhz" + std::to_string(i) + " Text(10)," + "qdz" + std::to_string(i) + " Text(10),";
    }
    return statement + "yxlz Text(10)," + "yxqd Text(10)," + "lq Text(10)," + "date_time Text(30),"
           + "sjwj Text(255)," + "end_flag Text(10)," + "read_flag Text(10))";
}

// The summary row with the unquoted numbers of the plug-ins: kj 100, xzxs 1.0 (cmodulus),
// sjgg 0 (firedflex), lq 1 (gnrl).
std::string testResultInsert() {
    std::string columns = "wbbh,synx,sjpz,qddj,sjgg,speed,numb,kj,mj,xzxs";
    std::string values = "'A001','普通混凝土弹性模量',' ','C30',0,'0.50','3',100,'22.500',1.0";
    for (int i = 1; i <= 24; ++i) {
        columns += ",zhz" + std::to_string(i) + ",qdz" + std::to_string(i);
        values += i <= 3 ? ",'30.100','1.338'" : ",'0.000','0.000'";
    }
    columns += ",yxlz,yxqd,lq,date_time,sjwj,end_flag,read_flag";
    values += ",'30.100','1.338',1,'2026-12-09 08:05:03','/station/output/TXML-A001$28.mdb;','yes','no'";
    return "insert into test_result(" + columns + ") values(" + values + ")";
}

std::string uploadSelection() {
    return "' where SYBH='" + std::string("A001") + "' and  LQ='" + "28" + "' and  UserID='" + "单位ID"
           + "' and UName='" + "单位名称" + "' ";
}

struct StatementCase {
    std::string name;
    std::vector<std::string> statements;
    std::string select;
    std::vector<std::string> fields;
    std::vector<std::vector<std::string>> rows;
};

std::vector<StatementCase> statementCases() {
    return {
        {"curve_table_numbers_rows_and_holds_singles",
         {"Create Table temp(ID int IDENTITY(1,1) PRIMARY KEY,"
              + std::string("press Single default 0,run_time int,") + "length Single default 0,"
              + "length1 Single default 0," + "length2 Single default 0," + "speed Single default 0)",
          "insert into temp(press,run_time,speed) values(12.34,2000,0.50)",
          "insert into temp(press,run_time,speed) values(30.00,2200,5.86)"},
         "select * from temp",
         {"ID", "press", "run_time", "length", "length1", "length2", "speed"},
         {{"1", "12.34", "2000", "0", "0", "0", "0.5"}, {"2", "30", "2200", "0", "0", "0", "5.86"}}},
        {"curve_read_back_in_seconds",
         {"Create Table result_point1(ID int IDENTITY(1,1) PRIMARY KEY,press Single default 0,run_time int,"
          "length Single default 0,length1 Single default 0,length2 Single default 0,speed Single default 0)",
          "insert into result_point1(press,run_time,speed) values(25.3,1500,0.5)"},
         "select press,run_time*0.001 as run_time from result_point1",
         {"press", "run_time"},
         {{"25.3", "1.5"}}},
        {"group_parameters_and_tested_count",
         {"Create Table test_set(name Text(50),str Text(50))",
          "insert into test_set(name,str) values('试件编号','A001')",
          "insert into test_set(name,str) values('已试验块数','0')"},
         "Select * from test_set where name='已试验块数'",
         {"name", "str"},
         {{"已试验块数", "0"}}},
        {"group_value_written_with_double_quotes_is_text",
         {"Create Table test_set(name Text(50),str Text(50))",
          "insert into test_set(name,str) values('有效力值',\"0\")"},
         "Select * from test_set where name='有效力值'",
         {"name", "str"},
         {{"有效力值", "0"}}},
        {"specimen_results",
         {"Create Table result1(result_name string,str string)",
          "insert into result1(result_name,str) values('峰值','*25.30')",
          "insert into result1(result_name,str) values('强度','1.12')"},
         "Select * from result1 where result_name='峰值'",
         {"result_name", "str"},
         {{"峰值", "*25.30"}}},
        {"upload_row_takes_bare_word_defaults",
         {testNuStatement(), "insert into test_nu(SYBH,LQ,SJBH,end_flag) values('A001','28','1','no')"},
         "select * from test_nu",
         {"ID", "UserID", "UName", "SYMC", "LQ", "SJType", "SCCC", "ZZJKD", "SBCCBH", "RJBBH", "Operator",
          "SYRQ", "ACSData", "end_flag"},
         {{"1", "单位ID", "单位名称", "试验名称", "28", "SNJS", "100*100*100", "100", "设备出厂编号",
           "软件版本号", "试验人", "", "", "no"}}},
        {"upload_rows_replaced_then_completed",
         {testNuStatement(), "insert into test_nu(SYBH,LQ,SJBH,end_flag) values('A001','28','1','no')",
          "insert into test_nu(SYBH,LQ,SJBH,end_flag) values('A001','28','2','no')",
          "delete from test_nu where SYBH='" + std::string("A001") + "' and LQ='" + "28" + "' and end_flag='"
              + "no" + "' and SJBH='" + "2" + "' and  UserID='" + "单位ID" + "' and UName='" + "单位名称"
              + "' ",
          "insert into test_nu(SYBH,LQ,SJBH,end_flag) values('A001','28','2','no')",
          "update test_nu set " + std::string("PJKYQD") + "='" + "31.2" + uploadSelection(),
          "update test_nu set end_flag='yes" + uploadSelection()},
         "select * from test_nu",
         {"ID", "SJBH", "PJKYQD", "end_flag"},
         {{"1", "1", "31.2", "yes"}, {"3", "2", "31.2", "yes"}}},
        {"summary_row_with_unquoted_numbers_in_text_columns",
         {testResultStatement(), testResultInsert()},
         "select * from test_result",
         {"ID", "synx", "sjpz", "sjgg", "kj", "xzxs", "zhz1", "qdz24", "lq", "sjwj"},
         {{"1", "普通混凝土弹性模量", " ", "0", "100", "1.0", "30.100", "0.000", "1",
           "/station/output/TXML-A001$28.mdb;"}}},
        {"report_heading_tables",
         {"Create Table print_ky(ID int IDENTITY(1,1) PRIMARY KEY," + std::string("Name1 string,")
              + "Text1 string," + "Name2 string," + "Text2 string)",
          "Create Table print_ky_bt(bt_name string,jcyj_name string)",
          "insert into print_ky(Name1,Text1,Name2,Text2) values('委托单位','某建设公司','工程名称','一号楼')",
          "insert into print_ky_bt(bt_name,jcyj_name) values('普通混凝土抗压报表','检测依据 "
          "GB/T50081-2002')"},
         "Select T1.* From print_ky AS T1",
         {"ID", "Name1", "Text1", "Name2", "Text2"},
         {{"1", "委托单位", "某建设公司", "工程名称", "一号楼"}}},
        {"print_rows",
         {"Create Table print_all(ID int IDENTITY(1,1) PRIMARY KEY," + std::string("Nu char,") + "sjgg char,"
              + "qddj char," + "sjlq char," + "lz char," + "qd char)",
          "insert into print_all(Nu,sjgg,qddj,sjlq,lz,qd) "
          "values('1','150*150*150','C30','28','675.20','30.01')"},
         "select * from print_all",
         {"ID", "Nu", "sjgg", "lz", "qd"},
         {{"1", "1", "150*150*150", "675.20", "30.01"}}},
        {"users_by_name",
         {"Create Table 用户组(ID int IDENTITY(1,1) PRIMARY KEY,用户名 Text(50),密码 Text(50),权限 Text(50))",
          "insert into 用户组(用户名,密码,权限) values('admin','583','Admin')",
          "insert into 用户组(用户名,密码,权限) values('张三','it''s','Tester')"},
         "select * from 用户组 where 用户名 ='张三'",
         {"ID", "用户名", "密码", "权限"},
         {{"2", "张三", "it's", "Tester"}}},
    };
}

class StatementForms : public ::testing::TestWithParam<StatementCase> {};

TEST_P(StatementForms, LeaveTheExpectedRows) {
    const StatementCase& example = GetParam();
    TempFolder folder;
    auto database = Database::create(folder.file("case.mdb"));
    for (const auto& statement : example.statements) {
        SCOPED_TRACE(statement);
        ASSERT_NO_THROW(database.execute(statement));
    }
    EXPECT_EQ(support::rowsOf(database, example.select, example.fields), example.rows);
}

INSTANTIATE_TEST_SUITE_P(SpecimenRecords, StatementForms, ::testing::ValuesIn(statementCases()),
                         [](const auto& example) { return example.param.name; });

TEST(StatementForms, IdentityNumbersFromOneAndNeverReusesANumber) {
    TempFolder folder;
    auto database = Database::create(folder.file("identity.mdb"));
    database.execute(support::curveTableStatement("temp"));
    for (int i = 0; i < 3; ++i) {
        database.execute("insert into temp(press,run_time,speed) values(1.0," + std::to_string(i) + ",0.1)");
    }
    database.execute("delete from temp where ID=3");
    database.execute("insert into temp(press,run_time,speed) values(1.0,9,0.1)");
    EXPECT_EQ(support::rowsOf(database, "select ID from temp", {"ID"}),
              (std::vector<std::vector<std::string>>{{"1"}, {"2"}, {"4"}}));
}

TEST(StatementForms, TableNamedTempIsAnOrdinaryTableOfTheFile) {
    TempFolder folder;
    const std::string path = folder.file("temp_mdb.mdb");
    {
        auto database = Database::create(path);
        database.execute(support::curveTableStatement("temp"));
        database.execute("insert into temp(press,run_time,speed) values(5.5,100,0.2)");
    }
    auto reopened = Database::open(path);
    EXPECT_EQ(reopened.tableNames(), std::vector<std::string>{"temp"});
    EXPECT_EQ(support::rowsOf(reopened, "select press,run_time from temp", {"press", "run_time"}),
              (std::vector<std::vector<std::string>>{{"5.5", "100"}}));
}

} // namespace
} // namespace vamo::storage
