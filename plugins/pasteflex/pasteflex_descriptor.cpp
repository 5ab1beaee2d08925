#include "plugins/pasteflex/pasteflex_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& pasteflexDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "pasteflex";
        m.title = " 水泥净浆抗折 ";
        m.prefix = "JJKZ-";
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_sjpz, pasteVarieties(), "M40"),
            makeField(FieldId::ComboBox_qddj, pasteGrades(), "40Mpa"),
            makeField(FieldId::ComboBox_sjql, sixAges(), "1"),
            makeField(FieldId::ComboBox_bc, {"30", "40", "50", "60"}, "40"),
            makeField(FieldId::ComboBox_kj, {"50", "100"}, "100"),
            withCaption(makeField(FieldId::ComboBox_ylsd, {"50.00", "80.00", "100.00", "110.00"}, "50.00"),
                        "加载速度(N/s):"),
            makeField(FieldId::ComboBox_xzxs, mortarFactors(), "1"),
            countField(6, "3"),
            modeField(),
            delayField(),
        };
        allowPointInIntegers(m.fields);
        // The variety is read but never written.
        m.saveOrder = {FieldId::ComboBox_qddj, FieldId::ComboBox_sjql, FieldId::ComboBox_bc,
                       FieldId::ComboBox_kj,   FieldId::ComboBox_xzxs, FieldId::ComboBox_ylsd,
                       FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx, FieldId::ComboBox_yssj};
        // The edge handler: changing the span or the factor alone recomputes nothing.
        m.size = SizeRule{.field = FieldId::ComboBox_bc,
                          .formula = SizeFormula::PrismEdgeBending,
                          .defaultFirst = 40,
                          .defaultSpan = 100,
                          .after = AfterArea::DivideByFactor};
        m.factorHandlerActs = false;
        m.speed = SpeedSource::StressRateFieldPerThousand; // entered in N/s
        m.lockedFields = varietyLock();
        m.stopUnlocks = false;
        m.shParam = ShParamRule{.grade = GradeAssignment::SplitVarietyAndGrade,
                                .age = AgeAssignment::ThreeForListedItems,
                                .ageThreeItems = {"27"},
                                .size = SizeAssignment::Size1};
        m.testSet = TestSetLayout{.grade = GradeRow::VarietyAndGrade, .spanRow = true};
        m.layout = PanelLayout{.width = 290, .gridOffset = 115, .groupOffset = 120};
        m.evaluation = {.forceFactor = 1000, // forces are recorded in N
                        .secondValue = SecondValueSource::StrengthRow,
                        .summaryMethodName = "水泥净浆抗折",
                        .summary = {.variety = fromField(FieldId::ComboBox_sjpz),
                                    .size = fromField(FieldId::ComboBox_bc)}};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
