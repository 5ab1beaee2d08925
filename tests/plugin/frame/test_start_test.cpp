// dll_test_start and dll_test_stop: creating, continuing and completing a group, the field lock, and
// the starts that are refused before anything is created.
#include "plugin/frame/export_guard.h"
#include "plugin/frame/plugin_error.h"
#include "plugins/all_descriptors.h"
#include "storage/database.h"
#include "tests/plugin/frame/station_fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::plugin {
namespace {

using platform::DialogAnswer;
using plugins::descriptorNamed;

constexpr const char* kGroup = "2024030500001";
const std::string kCompleteQuestion =
    "选择\"是\"将删除组号\",选择\"否\"需要更改组号|组号已经存在,选择更改组号,或删除当前组号的所有数据";
const std::string kDeleteQuestion = "是否确认删除当前组号的所有数据?|是否删除当前组号";

std::vector<FieldId> enabledOf(const PanelModel& panel, const std::vector<FieldId>& ids, bool enabled) {
    std::vector<FieldId> matching;
    for (FieldId id : ids) {
        if (panel.field(id).enabled == enabled) {
            matching.push_back(id);
        }
    }
    return matching;
}

bool allLocked(const PanelModel& panel) {
    return enabledOf(panel, panel.method().lockedFields, true).empty();
}

bool allUnlocked(const PanelModel& panel) {
    return enabledOf(panel, panel.method().lockedFields, false).empty();
}

// The start as the export makes it: errors are shown and give 0.
float guardedStart(test::ModuleHarness& harness, const std::string& tester = "张三") {
    return guardedCall(harness.dialogs, 0.0f, [&] { return harness.module.dll_test_start(tester); });
}

class StartedGroup : public ::testing::Test {
protected:
    StartedGroup() : harness(descriptorNamed("conccomp")), panel(harness.showPanel()) {}

    // A conccomp group file of the panel's group with the given tested count.
    std::filesystem::path groupWithTested(const std::string& tested) {
        EXPECT_FLOAT_EQ(harness.module.dll_test_start("张三"), 6.75f);
        harness.module.closeGroupFile();
        const auto path = test::groupFileFor(harness, harness.module.method(), kGroup, "7");
        auto file = storage::Database::open(path.string());
        file.execute("update test_set set str='" + tested + "' where name='已试验块数'");
        harness.module.dll_test_stop();
        return path;
    }

    test::ModuleHarness harness;
    PanelModel& panel;
};

TEST_F(StartedGroup, NewGroupCreatesTheFileLocksTheFieldsAndRebuildsTheGrid) {
    panel.setGridCell(1, 1, "left over");
    EXPECT_FLOAT_EQ(harness.module.dll_test_start("张三"), 6.75f);
    EXPECT_EQ(harness.module.record().set_gly, "张三");
    EXPECT_TRUE(std::filesystem::exists(test::groupFileFor(harness, harness.module.method(), kGroup, "7")));
    EXPECT_NE(harness.module.groupFile(), nullptr); // stays open for the specimen
    EXPECT_TRUE(allLocked(panel));
    EXPECT_TRUE(panel.field(FieldId::ComboBox_yssj).enabled); // not a group-defining field
    EXPECT_EQ(panel.grid().cell(1, 1), "");
    EXPECT_TRUE(harness.dialogs.shown.empty());
}

TEST_F(StartedGroup, CreationUsesTheFirstTemplate) {
    {
        auto first = storage::Database::open(harness.station.templatePath(1).string());
        first.execute("Create Table made_from_first(x int)");
        auto second = storage::Database::open(harness.station.templatePath(2).string());
        second.execute("Create Table made_from_second(x int)");
    }
    harness.module.dll_test_start("张三");
    harness.module.closeGroupFile();
    auto file =
        storage::Database::open(test::groupFileFor(harness, harness.module.method(), kGroup, "7").string());
    EXPECT_TRUE(file.hasTable("made_from_first"));
    EXPECT_FALSE(file.hasTable("made_from_second"));
}

TEST_F(StartedGroup, WithoutTheFirstTemplateTheSecondIsUsed) {
    {
        auto second = storage::Database::open(harness.station.templatePath(2).string());
        second.execute("Create Table made_from_second(x int)");
    }
    std::filesystem::remove(harness.station.templatePath(1));
    harness.module.dll_test_start("张三");
    harness.module.closeGroupFile();
    auto file =
        storage::Database::open(test::groupFileFor(harness, harness.module.method(), kGroup, "7").string());
    EXPECT_TRUE(file.hasTable("made_from_second"));
}

TEST_F(StartedGroup, ContinuingGroupReturnsTheSpeedWithoutTouchingTestSet) {
    const auto path = groupWithTested("2");
    const auto before = test::testSetOf(path);
    panel.operatorChanged(FieldId::ComboBox_ylsd, "0.4"); // the panel's fields are used for the run
    EXPECT_FLOAT_EQ(harness.module.dll_test_start("李四"), 9.0f);
    EXPECT_TRUE(allLocked(panel));
    harness.module.closeGroupFile();
    EXPECT_EQ(test::testSetOf(path), before);
    EXPECT_TRUE(harness.dialogs.shown.empty());
}

struct CompleteCase {
    const char* name;
    std::vector<DialogAnswer> answers;
    std::vector<std::string> questions;
    bool deleted;
};

void PrintTo(const CompleteCase& c, std::ostream* out) {
    *out << c.name;
}

class CompleteGroup : public StartedGroup, public ::testing::WithParamInterface<CompleteCase> {};

TEST_P(CompleteGroup, ReturnsZeroUnlocksAndDeletesOnlyAfterTwoYes) {
    const auto path = groupWithTested("3");
    panel.lockFields();
    for (DialogAnswer answer : GetParam().answers) {
        harness.dialogs.answer(answer);
    }
    EXPECT_EQ(harness.module.dll_test_start("张三"), 0.0f);
    EXPECT_EQ(harness.dialogs.messages(), GetParam().questions);
    EXPECT_TRUE(allUnlocked(panel));
    EXPECT_EQ(std::filesystem::exists(path), !GetParam().deleted);
    EXPECT_EQ(harness.module.groupFile(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Answers, CompleteGroup,
                         ::testing::Values(CompleteCase{"No", {DialogAnswer::No}, {kCompleteQuestion}, false},
                                           CompleteCase{"YesNo",
                                                        {DialogAnswer::Yes, DialogAnswer::No},
                                                        {kCompleteQuestion, kDeleteQuestion},
                                                        false},
                                           CompleteCase{"YesYes",
                                                        {DialogAnswer::Yes, DialogAnswer::Yes},
                                                        {kCompleteQuestion, kDeleteQuestion},
                                                        true}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST_F(StartedGroup, AfterDeletionTheNextStartMakesAFreshFile) {
    const auto path = groupWithTested("3");
    harness.dialogs.answer(DialogAnswer::Yes);
    harness.dialogs.answer(DialogAnswer::Yes);
    EXPECT_EQ(harness.module.dll_test_start("张三"), 0.0f);
    EXPECT_FLOAT_EQ(harness.module.dll_test_start("张三"), 6.75f);
    harness.module.closeGroupFile();
    EXPECT_EQ(test::testSetOf(path).at(12), "已试验块数=0");
}

TEST_F(StartedGroup, RaisingTheCountLetsACompleteGroupContinue) {
    groupWithTested("3");
    panel.operatorChanged(FieldId::ComboBox_sjks, "4");
    EXPECT_FLOAT_EQ(harness.module.dll_test_start("张三"), 6.75f);
    EXPECT_TRUE(harness.dialogs.shown.empty());
    EXPECT_TRUE(allLocked(panel));
}

TEST_F(StartedGroup, AnUnreadableTestedCountIsAnErrorThatUnlocks) {
    groupWithTested("many");
    EXPECT_EQ(guardedStart(harness), 0.0f);
    EXPECT_EQ(harness.dialogs.errors().size(), 1u);
    EXPECT_TRUE(allUnlocked(panel));
}

struct StopCase {
    const char* plugin;
    bool unlocks;
};

void PrintTo(const StopCase& c, std::ostream* out) {
    *out << c.plugin;
}

class TestStop : public ::testing::TestWithParam<StopCase> {};

TEST_P(TestStop, UnlocksWherethePluginSaysSo) {
    test::ModuleHarness harness(descriptorNamed(GetParam().plugin));
    PanelModel& panel = harness.showPanel();
    ASSERT_GT(harness.module.dll_test_start("张三"), 0.0f);
    harness.module.dll_test_stop();
    EXPECT_EQ(allUnlocked(panel), GetParam().unlocks);
    EXPECT_EQ(allLocked(panel), !GetParam().unlocks);
}

INSTANTIATE_TEST_SUITE_P(AllPlugins, TestStop,
                         ::testing::Values(StopCase{"conccomp", true}, StopCase{"concflex", true},
                                           StopCase{"firedcomp", true}, StopCase{"wallcomp", true},
                                           StopCase{"unconfcomp", true}, StopCase{"aerblock", true},
                                           StopCase{"gnrl", true}, StopCase{"cmodulus", false},
                                           StopCase{"firedflex", false}, StopCase{"wallflex", false},
                                           StopCase{"pasteflex", false}, StopCase{"mortcomp", false},
                                           StopCase{"pastecomp", false}));

// Starts refused before anything is created: the error is shown, the fields are unlocked, the result is 0.
struct RefusalCase {
    const char* name;
    FieldId field;
    std::string text;
    std::string tester = "张三";
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusedStart : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusedStart, CreatesNothingAndUnlocks) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    panel.setText(GetParam().field, GetParam().text);
    EXPECT_EQ(guardedStart(harness, GetParam().tester), 0.0f);
    ASSERT_EQ(harness.dialogs.errors().size(), 1u);
    EXPECT_FALSE(harness.dialogs.errors()[0].empty());
    EXPECT_TRUE(allUnlocked(panel));
    EXPECT_TRUE(std::filesystem::is_empty(harness.station.output()));
    EXPECT_TRUE(std::filesystem::exists(harness.station.templatePath(1)));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedStart,
    ::testing::Values(RefusalCase{"SlashInGroupNumber", FieldId::Edit_bh, "../../etc/x"},
                      RefusalCase{"BackslashInGroupNumber", FieldId::Edit_bh, "a\\b"},
                      RefusalCase{"DotsInGroupNumber", FieldId::Edit_bh, "a..b"},
                      RefusalCase{"ControlCharacterInGroupNumber", FieldId::Edit_bh, "a\nb"},
                      RefusalCase{"EmptyGroupNumber", FieldId::Edit_bh, ""},
                      RefusalCase{"FileNameTooLong", FieldId::Edit_bh, std::string(250, '7')},
                      RefusalCase{"SlashInAge", FieldId::ComboBox_sjql, "2/8"},
                      RefusalCase{"EmptyAge", FieldId::ComboBox_sjql, ""},
                      RefusalCase{"GroupNumberLongerThanItsColumn", FieldId::Edit_bh, std::string(51, '7')},
                      RefusalCase{"GradeLongerThanItsColumn", FieldId::ComboBox_qddj, std::string(51, 'C')},
                      RefusalCase{"TesterLongerThanItsColumn", FieldId::ComboBox_qddj, "C30",
                                  std::string(51, 'x')},
                      RefusalCase{"SpeedThatIsNoNumber", FieldId::speed, "fast"}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(RefusedStart, WithoutATemplateCreatesNothingAndUnlocks) {
    test::ModuleHarness harness(descriptorNamed("mortcomp"));
    PanelModel& panel = harness.showPanel();
    std::filesystem::remove(harness.station.templatePath(1));
    std::filesystem::remove(harness.station.templatePath(2));
    EXPECT_EQ(guardedStart(harness), 0.0f);
    ASSERT_EQ(harness.dialogs.errors().size(), 1u);
    EXPECT_NE(harness.dialogs.errors()[0].find("temp_mdb1.mdb"), std::string::npos);
    EXPECT_TRUE(allUnlocked(panel));
    EXPECT_TRUE(std::filesystem::is_empty(harness.station.output()));
}

TEST(RefusedStart, OfAFailedCreationLeavesNoHalfMadeFile) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& panel = harness.showPanel();
    {
        auto spoiled = storage::Database::open(harness.station.templatePath(1).string());
        spoiled.execute("Create Table test_set(name Text(50),str Text(50))");
    }
    EXPECT_EQ(guardedStart(harness), 0.0f);
    EXPECT_EQ(harness.dialogs.errors().size(), 1u);
    EXPECT_TRUE(allUnlocked(panel));
    EXPECT_TRUE(std::filesystem::is_empty(harness.station.output()));
}

TEST(Exports, NeedThePanel) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    EXPECT_THROW(harness.module.dll_test_start("张三"), NoPanelError);
    EXPECT_THROW(harness.module.dll_test_getsp(), NoPanelError);
    EXPECT_THROW(harness.module.dll_test_stop(), NoPanelError);
    EXPECT_NO_THROW(harness.module.Modalclose());
    EXPECT_EQ(guardedCall(harness.dialogs, 0.0f, [&] { return harness.module.dll_test_getsp(); }), 0.0f);
    EXPECT_EQ(harness.dialogs.errors().size(), 1u);
}

TEST(Exports, ReuseThePanelUntilModalclose) {
    test::ModuleHarness harness(descriptorNamed("conccomp"));
    PanelModel& first = harness.module.openPanel();
    EXPECT_EQ(&harness.module.openPanel(), &first);
    harness.module.Modalclose();
    EXPECT_FALSE(harness.module.hasPanel());
}

TEST(Exports, OfTheModulusGiveTheFixedLoads) {
    test::ModuleHarness harness(descriptorNamed("cmodulus"));
    PanelModel& panel = harness.showPanel();
    EXPECT_FLOAT_EQ(harness.module.dll_test_getgd(), 50.0f);
    EXPECT_FLOAT_EQ(harness.module.dll_test_getdd(), 20.0f);
    panel.setText(FieldId::gdzh, "62.5");
    EXPECT_FLOAT_EQ(harness.module.dll_test_getgd(), 62.5f);
}

} // namespace
} // namespace vamo::plugin
