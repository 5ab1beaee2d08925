#include "plugins/wallflex/wallflex_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& wallflexDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "wallflex";
        m.title = " 砌墙砖抗折";
        m.prefix = "QZKZ-";
        FieldSpec size = makeField(FieldId::ComboBox_mj, brickSizes(), "240*115*53");
        size.maxLength = 17;
        size.filter = KeyFilter::Decimal;
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_sjpz, cementVarieties(), "P \u00B7I"),
            makeField(FieldId::ComboBox_qddj, brickGrades(), "MU30"),
            makeField(FieldId::ComboBox_sjql, sixAges(), "1"),
            size,
            makeField(FieldId::ComboBox_kj, {"100", "160"}, "160"),
            withCaption(makeField(FieldId::ComboBox_ylsd, {"50", "100", "150", "200"}, "50"),
                        "加载速度(N/s)："),
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
        m.speed = SpeedSource::StressRateFieldPerThousand; // entered in N/s
        m.lockedFields = varietyLock();
        m.stopUnlocks = false;
        m.shParam = ShParamRule{.grade = GradeAssignment::SplitVarietyAndGrade,
                                .age = AgeAssignment::ThreeForListedItems,
                                .ageThreeItems = {"27"},
                                .size = SizeAssignment::Size1};
        m.testSet = TestSetLayout{.grade = GradeRow::VarietyAndGrade, .spanRow = true};
        m.layout.width = 284;
        m.evaluation = {.forceFactor = 1000, // forces are recorded in N
                        .secondValue = SecondValueSource::StrengthRow,
                        .summaryMethodName = "砌墙砖抗折",
                        .summary = {.variety = fromField(FieldId::ComboBox_sjpz)}};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
