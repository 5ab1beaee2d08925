#include "plugins/mortcomp/mortcomp_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& mortcompDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "mortcomp";
        m.title = " 水泥胶砂抗压 ";
        m.prefix = "SNJS-";
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_sjpz, cementVarieties(), "P \u00B7I"),
            makeField(FieldId::ComboBox_qddj,
                      {"32.5", "32.5R", "42.5", "42.5R", "52.5", "52.5R", "62.5", "62.5R"}, "42.5"),
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
                                .ageThreeItems = {"29", "513", "515", "525", "527"}};
        m.testSet.grade = GradeRow::VarietyAndGrade;
        m.layout.width = 280;
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::StrengthRow,
                        .summaryMethodName = "水泥胶砂抗压",
                        .summary = {.grade = fromField(FieldId::ComboBox_sjpz)}};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
