#include "plugins/gnrl/gnrl_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& gnrlDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "gnrl";
        m.title = "通用试验";
        m.prefix = "GNRL-";
        m.ageInFileName = false; // one group number is one file
        FieldSpec area =
            makeField(FieldId::ComboBox_mj, {"10000", "22500", "40000", "17671", "7853", "31415"}, "22500");
        area.caption = "面积(mm^2)：";
        area.filter = KeyFilter::Decimal;
        m.fields = {
            groupNumberField(),
            area,
            makeField(FieldId::ComboBox_xzxs, sizeFactors(), "1"),
            withCaption(
                makeField(FieldId::ComboBox_ylsd, {"0.3", "0.5", "1.0", "2.4", "5.0", "6.5", "10.0"}, "2.4"),
                "载荷速度(kN/s)："),
            countField(6, "3"),
            modeField(),
            delayField(),
        };
        m.saveOrder = {FieldId::ComboBox_mj,   FieldId::ComboBox_xzxs, FieldId::ComboBox_ylsd,
                       FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx, FieldId::ComboBox_yssj};
        m.size = SizeRule{.formula = SizeFormula::EnteredArea, .after = AfterArea::Factor};
        m.speed = SpeedSource::StressRateField;
        m.lockedFields = {FieldId::Edit_bh,       FieldId::ComboBox_xzxs, FieldId::ComboBox_mj,
                          FieldId::ComboBox_ylsd, FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx};
        m.shParam.grade = GradeAssignment::None;
        m.testSet = TestSetLayout{.grade = GradeRow::None, .ageRow = false, .loadSpeed = LoadSpeedRow::None};
        m.layout.width = 272;
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::ForceByDivisor,
                        .summaryMethodName = "通用试验",
                        .summary = {.grade = fixedText(""), .age = fixedText("1")}};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
