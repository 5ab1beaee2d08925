#include "plugins/method_families.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

namespace {
MethodDescriptor named(FamilyMember& member) {
    MethodDescriptor m;
    m.name = std::move(member.name);
    m.title = std::move(member.title);
    m.prefix = std::move(member.prefix);
    return m;
}
} // namespace

MethodDescriptor brickFlexuralMethod(FamilyMember member, std::string speedCaption) {
    MethodDescriptor m = named(member);
    FieldSpec size = makeField(FieldId::ComboBox_mj, brickSizes(), "240*115*53");
    size.maxLength = 17;
    size.filter = KeyFilter::Decimal;
    m.fields = {
        groupNumberField(),
        makeField(FieldId::ComboBox_sjpz, std::move(member.varieties), member.varietyDefault),
        makeField(FieldId::ComboBox_qddj, std::move(member.grades), member.gradeDefault),
        makeField(FieldId::ComboBox_sjql, sixAges(), "1"),
        size,
        makeField(FieldId::ComboBox_kj, {"100", "160"}, "160"),
        withCaption(makeField(FieldId::ComboBox_ylsd, {"50", "100", "150", "200"}, "50"),
                    std::move(speedCaption)),
        makeField(FieldId::ComboBox_xzxs, sizeFactors(), "1"),
        countField(6, "3"),
        modeField(),
        delayField(),
    };
    allowPointInIntegers(m.fields);
    // The variety is read but never written.
    m.saveOrder = {FieldId::ComboBox_qddj, FieldId::ComboBox_sjql, FieldId::ComboBox_mj,
                   FieldId::ComboBox_kj,   FieldId::ComboBox_xzxs, FieldId::ComboBox_ylsd,
                   FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx, FieldId::ComboBox_yssj};
    m.size = SizeRule{.formula = SizeFormula::BrickBending,
                      .defaultFirst = 100,
                      .defaultSecond = 100,
                      .defaultSpan = 160,
                      .spanChangeRunsHandler = true};
    m.speed = SpeedSource::StressRateField;
    m.lockedFields = varietyLock();
    m.stopUnlocks = false;
    m.shParam = ShParamRule{
        .age = AgeAssignment::ThreeForListedItems, .ageThreeItems = {"27"}, .size = SizeAssignment::Size1};
    m.testSet = TestSetLayout{.grade = GradeRow::VarietyAndGrade, .spanRow = true};
    m.layout.width = 284;
    m.evaluation.secondValue = SecondValueSource::StrengthRow;
    m.evaluation.summary.variety = fromField(FieldId::ComboBox_sjpz);
    return m;
}

MethodDescriptor cementPrismMethod(FamilyMember member, std::vector<std::string> ageThreeItems) {
    MethodDescriptor m = named(member);
    m.fields = {
        groupNumberField(),
        makeField(FieldId::ComboBox_sjpz, std::move(member.varieties), member.varietyDefault),
        makeField(FieldId::ComboBox_qddj, std::move(member.grades), member.gradeDefault),
        makeField(FieldId::ComboBox_sjql, fourAges(), "1"),
        makeField(FieldId::ComboBox_mj, {"25*25", "40*40", "50*50"}, "40*40"),
        withCaption(makeField(FieldId::ComboBox_ylsd, {"0.6", "1.0", "2.4", "5.0"}, "2.4"),
                    "加载速度(kN/s)："),
        makeField(FieldId::ComboBox_xzxs, mortarFactors(), "1"),
        countField(6, "6"),
        modeField(),
        delayField(),
    };
    m.saveOrder = {FieldId::ComboBox_sjpz, FieldId::ComboBox_qddj, FieldId::ComboBox_sjql,
                   FieldId::ComboBox_mj,   FieldId::ComboBox_xzxs, FieldId::ComboBox_ylsd,
                   FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx, FieldId::ComboBox_yssj};
    // A change of the factor alone recomputes nothing; the size handler divides by it.
    m.size = SizeRule{.fixed = {{"40*40", 1.6f}, {"50*50", 2.5f}, {"25*25", 0.625f}},
                      .formula = SizeFormula::PrismArea,
                      .defaultFirst = 40,
                      .defaultSecond = 40,
                      .after = AfterArea::DivideByFactor};
    m.factorHandlerActs = false;
    m.speed = SpeedSource::StressRateField;
    m.lockedFields = varietyLock();
    m.stopUnlocks = false;
    m.shParam = ShParamRule{.grade = GradeAssignment::SplitVarietyAndGrade,
                            .age = AgeAssignment::ThreeForListedItems,
                            .ageThreeItems = std::move(ageThreeItems)};
    m.testSet.grade = GradeRow::VarietyAndGrade;
    m.layout.width = 280;
    m.evaluation.secondValue = SecondValueSource::StrengthRow;
    return m;
}

} // namespace vamo::plugins
