// Database files: opening never creates, creating never overwrites, the password lock, the table
// list, and rows copied from a second file.
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <fstream>

namespace vamo::storage {
namespace {

using support::errorOf;
using support::rowsOf;
using support::TempFolder;
using Rows = std::vector<std::vector<std::string>>;

bool exists(const std::string& path) {
    return std::filesystem::exists(std::filesystem::path(std::u8string(path.begin(), path.end())));
}

std::string firstBytes(const std::string& path, std::size_t count) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes(count, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

TEST(DatabaseFiles, OpeningAMissingFileFailsAndCreatesNothing) {
    TempFolder folder;
    const std::string path = folder.file("SNKY-A001$28.mdb");
    EXPECT_EQ(errorOf([&] { Database::open(path); }), "cannot open database '" + path + "': file not found");
    EXPECT_FALSE(exists(path));
}

TEST(DatabaseFiles, AFileThatIsNoDatabaseIsRefused) {
    TempFolder folder;
    const std::vector<std::pair<std::string, std::string>> files = {
        {"notes.mdb", "[基本参数]\n破碎起判力值=5.0\n"},
        {"empty.mdb", ""},
    };
    for (const auto& [name, content] : files) {
        SCOPED_TRACE(name);
        writeFile(folder.file(name), content);
        EXPECT_EQ(errorOf([&] { Database::open(folder.file(name)); }),
                  "cannot open database '" + folder.file(name) + "': file is not a database");
    }
}

TEST(DatabaseFiles, CreateWritesARealDatabaseFileAndNeverOverwrites) {
    TempFolder folder;
    const std::string path = folder.file("temp_mdb1.mdb");
    Database::create(path);
    EXPECT_EQ(firstBytes(path, 16), std::string("SQLite format 3\0", 16));
    auto database = Database::open(path);
    database.execute("Create Table test_set(name Text(50),str Text(50))");
    EXPECT_EQ(errorOf([&] { Database::create(path); }),
              "cannot create database '" + path + "': file already exists");
    EXPECT_EQ(Database::open(path).tableNames(), std::vector<std::string>{"test_set"});
}

TEST(DatabaseFiles, CreatingInAMissingFolderFailsAndLeavesNoFile) {
    TempFolder folder;
    const std::string path = folder.file("output") + "/Normal.mdb";
    const std::string error = errorOf([&] { Database::create(path, "zup"); });
    EXPECT_EQ(error.rfind("cannot create database '" + path + "': ", 0), 0u) << error;
    EXPECT_FALSE(exists(path));
}

TEST(DatabaseFiles, FileNamesWithChineseAndSpecialCharacters) {
    TempFolder folder;
    for (const std::string name : {"砌墙砖 A#1?x=%20$28.mdb", "file:name.mdb"}) {
        SCOPED_TRACE(name);
        const std::string path = folder.file(name);
        Database::create(path).execute("Create Table test_set(name Text(50),str Text(50))");
        EXPECT_TRUE(exists(path));
        EXPECT_EQ(Database::open(path).tableNames(), std::vector<std::string>{"test_set"});
    }
}

TEST(PasswordProtection, RefusesNoneAndWrongAndAcceptsThePassword) {
    TempFolder folder;
    const std::string path = folder.file("temp_normal1.mdb");
    Database::create(path, "zup")
        .execute("Create Table test_nu(ID int IDENTITY(1,1) PRIMARY KEY,SYBH Text(255))");
    EXPECT_EQ(errorOf([&] { Database::open(path); }), "database '" + path + "' is protected by a password");
    EXPECT_EQ(errorOf([&] { Database::open(path, std::string()); }),
              "database '" + path + "' is protected by a password");
    EXPECT_EQ(errorOf([&] { Database::open(path, "ZUP"); }), "wrong password for database '" + path + "'");
    auto database = Database::open(path, "zup");
    EXPECT_EQ(database.tableNames(), std::vector<std::string>{"test_nu"});
    EXPECT_FALSE(database.hasTable("vamo_password"));
}

TEST(PasswordProtection, APasswordForAnUnprotectedFileIsAccepted) {
    TempFolder folder;
    const std::string path = folder.file("temp_mdb1.mdb");
    Database::create(path);
    EXPECT_NO_THROW(Database::open(path, "zup"));
}

TEST(PasswordProtection, ACopiedTemplateKeepsItsPassword) {
    TempFolder folder;
    Database::create(folder.file("temp_normal1.mdb"), "zup");
    std::filesystem::copy_file(folder.file("temp_normal1.mdb"), folder.file("Normal.mdb"));
    EXPECT_EQ(errorOf([&] { Database::open(folder.file("Normal.mdb"), "wrong"); }),
              "wrong password for database '" + folder.file("Normal.mdb") + "'");
    EXPECT_NO_THROW(Database::open(folder.file("Normal.mdb"), "zup"));
}

TEST(TableList, TablesInCreationOrderWithoutInternalOnes) {
    TempFolder folder;
    auto database = Database::create(folder.file("SNKY-A001$28.mdb"), "zup");
    const std::vector<std::string> created = {"test_set", "result_point1", "result1", "用户组", "temp"};
    database.execute("Create Table test_set(name Text(50),str Text(50))");
    database.execute(support::curveTableStatement("result_point1"));
    database.execute("Create Table result1(result_name string,str string)");
    database.execute("Create Table 用户组(ID int IDENTITY(1,1) PRIMARY KEY,用户名 Text(50))");
    database.execute(support::curveTableStatement("temp"));
    database.execute("insert into result_point1(press,run_time,speed) values(1,2,3)");
    EXPECT_EQ(database.tableNames(), created);
    EXPECT_TRUE(database.hasTable("用户组"));
    EXPECT_TRUE(database.hasTable("TEST_SET"));
    EXPECT_FALSE(database.hasTable("result2"));
}

class CopyFromSecondFile : public ::testing::Test {
protected:
    void SetUp() override {
        auto curve = Database::create(curvePath_);
        curve.execute(support::curveTableStatement("temp"));
        for (int i = 1; i <= 3; ++i) {
            curve.execute("insert into temp(press,run_time,speed) values(" + std::to_string(i * 10) + ".5,"
                          + std::to_string(i * 200) + ",0.5" + std::to_string(i) + ")");
        }
        group_.execute(support::curveTableStatement("result_point1"));
    }

    std::string copyStatement(const std::string& curveFile) const {
        return "insert into " + std::string("result_point1")
               + "(press,run_time,speed) select press,run_time,speed from [;database=" + folder_.file("db")
               + "/" + curveFile + "]." + "temp";
    }

    TempFolder folder_;
    std::string curvePath_ = [this] {
        std::filesystem::create_directory(folder_.file("db"));
        return folder_.file("db") + "/temp_mdb.mdb";
    }();
    Database group_ = Database::create(folder_.file("SNKY-A001$28.mdb"));
};

TEST_F(CopyFromSecondFile, CopiesEveryRowInOneStatementAndDetaches) {
    group_.execute(copyStatement("temp_mdb.mdb"));
    EXPECT_EQ(rowsOf(group_, "select * from result_point1", {"ID", "press", "run_time", "length", "speed"}),
              (Rows{{"1", "10.5", "200", "0", "0.51"},
                    {"2", "20.5", "400", "0", "0.52"},
                    {"3", "30.5", "600", "0", "0.53"}}));
    EXPECT_TRUE(support::attachedSchemas(group_).empty());
    // The source file can be replaced right away, as the host does before every run.
    std::filesystem::remove(curvePath_);
    EXPECT_FALSE(exists(curvePath_));
}

TEST_F(CopyFromSecondFile, AMissingSourceFileFailsWithoutCreatingItOrLeavingItAttached) {
    const std::string missing = folder_.file("db") + "/temp_mdb9.mdb";
    EXPECT_EQ(errorOf([&] { group_.execute(copyStatement("temp_mdb9.mdb")); }),
              "cannot open database '" + missing + "': file not found");
    EXPECT_FALSE(exists(missing));
    EXPECT_TRUE(support::attachedSchemas(group_).empty());
    EXPECT_EQ(support::rowCountOf(group_, "result_point1"), 0u);
}

TEST_F(CopyFromSecondFile, AMissingSourceTableNamesTheFile) {
    const std::string statement =
        "insert into result_point1(press,run_time,speed) select press,run_time,speed from "
        "[;database="
        + curvePath_ + "].temp2";
    EXPECT_EQ(errorOf([&] { group_.execute(statement); }),
              "no such table: temp2 in database '" + curvePath_ + "'");
    EXPECT_TRUE(support::attachedSchemas(group_).empty());
}

TEST_F(CopyFromSecondFile, TooLongTextInTheSourceStoresNothing) {
    {
        auto curve = Database::open(curvePath_);
        curve.execute("Create Table names(name memo)");
        curve.execute("insert into names(name) values('短')");
        curve.execute("insert into names(name) values('" + std::string(51, 'x') + "')");
    }
    group_.execute("Create Table test_set(name Text(50),str Text(50))");
    EXPECT_EQ(errorOf([&] {
                  group_.execute("insert into test_set(name) select name from [;database=" + curvePath_
                                 + "].names");
              }),
              "text too long for column test_set.name (at most 50 characters)");
    EXPECT_EQ(support::rowCountOf(group_, "test_set"), 0u);
    EXPECT_TRUE(support::attachedSchemas(group_).empty());
}

TEST_F(CopyFromSecondFile, AFullCurveOf50000PointsIsCopiedAndRead) {
    {
        auto curve = Database::open(curvePath_);
        curve.execute("delete from temp");
        curve.execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 50000) "
                      "INSERT INTO temp(press,run_time,speed) SELECT i * 0.01, i * 200, 0.5 FROM n");
    }
    group_.execute(copyStatement("temp_mdb.mdb"));
    Query curve(group_, "select press,run_time*0.001 as run_time from result_point1");
    ASSERT_EQ(curve.rowCount(), 50000u);
    curve.last();
    EXPECT_EQ(curve.field("press"), "500");
    EXPECT_EQ(curve.field("run_time"), "10000");
}

} // namespace
} // namespace vamo::storage
