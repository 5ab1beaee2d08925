// Transactions: a specimen is stored whole or not at all.
#include "storage/transaction.h"
#include "storage_test_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace vamo::storage {
namespace {

using support::rowsOf;
using support::TempFolder;
using Rows = std::vector<std::vector<std::string>>;

class SpecimenStore : public ::testing::Test {
protected:
    void SetUp() override {
        auto curve = Database::create(curvePath_);
        curve.execute(support::curveTableStatement("temp"));
        curve.execute("insert into temp(press,run_time,speed) values(100.5,2000,0.5)");
        curve.execute("insert into temp(press,run_time,speed) values(200.25,2200,0.6)");
        group_.execute("Create Table test_set(name Text(50),str Text(50))");
        group_.execute("insert into test_set(name,str) values('已试验块数','0')");
    }

    // The completion of specimen 1: curve table, copied points, result table, raised count.
    void storeSpecimen(const std::string& peakText) {
        group_.execute(support::curveTableStatement("result_point1"));
        group_.execute(
            "insert into result_point1(press,run_time,speed) select press,run_time,speed from [;database="
            + curvePath_ + "].temp");
        group_.execute("Create Table result1(result_name string,str string)");
        group_.execute("insert into result1(result_name,str) values('峰值'," + quoted(peakText) + ")");
        Query count(group_, "Select * from test_set where name=" + quoted("已试验块数"));
        count.edit();
        count.set("str", std::to_string(std::stoi(count.field("str")) + 1));
        count.post();
    }

    TempFolder folder_;
    std::string curvePath_ = folder_.file("temp_mdb.mdb");
    Database group_ = Database::create(folder_.file("SNKY-A001$28.mdb"));
};

TEST_F(SpecimenStore, ACommittedSpecimenIsStoredWhole) {
    {
        Transaction transaction(group_);
        storeSpecimen("200.25");
        transaction.commit();
    }
    EXPECT_TRUE(support::attachedSchemas(group_).empty());
    auto reopened = Database::open(folder_.file("SNKY-A001$28.mdb"));
    EXPECT_EQ(reopened.tableNames(), (std::vector<std::string>{"test_set", "result_point1", "result1"}));
    EXPECT_EQ(rowsOf(reopened, "select * from result_point1", {"ID", "press", "run_time"}),
              (Rows{{"1", "100.5", "2000"}, {"2", "200.25", "2200"}}));
    EXPECT_EQ(rowsOf(reopened, "select * from result1", {"result_name", "str"}), (Rows{{"峰值", "200.25"}}));
    EXPECT_EQ(rowsOf(reopened, "select str from test_set", {"str"}), (Rows{{"1"}}));
}

TEST_F(SpecimenStore, AFailedSpecimenLeavesNothingBehind) {
    EXPECT_THROW(
        {
            Transaction transaction(group_);
            storeSpecimen(std::string(256, '9'));
            transaction.commit();
        },
        DatabaseError);
    EXPECT_TRUE(support::attachedSchemas(group_).empty());
    EXPECT_EQ(group_.tableNames(), std::vector<std::string>{"test_set"});
    EXPECT_EQ(rowsOf(group_, "select str from test_set", {"str"}), (Rows{{"0"}}));
    // The file is free again: the same specimen can be stored now.
    Transaction retry(group_);
    storeSpecimen("200.25");
    retry.commit();
    EXPECT_EQ(support::rowCountOf(group_, "result_point1"), 2u);
}

TEST_F(SpecimenStore, ARolledBackTransactionKeepsNothingOfIt) {
    {
        Transaction transaction(group_);
        storeSpecimen("200.25");
    }
    EXPECT_EQ(group_.tableNames(), std::vector<std::string>{"test_set"});
    EXPECT_EQ(rowsOf(group_, "select str from test_set", {"str"}), (Rows{{"0"}}));
    EXPECT_TRUE(support::attachedSchemas(group_).empty());
}

TEST_F(SpecimenStore, ACommittedTransactionCannotBeCommittedAgain) {
    Transaction transaction(group_);
    group_.execute("insert into test_set(name,str) values('试验人','张三')");
    transaction.commit();
    EXPECT_THROW(transaction.commit(), DatabaseError);
    EXPECT_EQ(support::rowCountOf(group_, "test_set"), 2u);
}

TEST(ConcurrentWriters, AWriteWaitsForAnotherConnectionInsteadOfFailingAtOnce) {
    TempFolder folder;
    const std::string path = folder.file("sctemp.mdb");
    Database::create(path, "zup")
        .execute("Create Table test_nu(ID int IDENTITY(1,1) PRIMARY KEY,SYBH Text(255))");
    auto outside = Database::open(path, "zup");
    auto station = Database::open(path, "zup");
    auto lock = std::make_unique<Transaction>(outside);
    outside.execute("insert into test_nu(SYBH) values('B001')");
    std::thread release([&lock] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        lock->commit();
    });
    EXPECT_NO_THROW(station.execute("insert into test_nu(SYBH) values('A001')"));
    release.join();
    EXPECT_EQ(rowsOf(station, "select * from test_nu", {"ID", "SYBH"}), (Rows{{"1", "B001"}, {"2", "A001"}}));
}

} // namespace
} // namespace vamo::storage
