#include "plugins/firedcomp/firedcomp_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& firedcompDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "firedcomp";
        m.title = "烧结普通砖抗压";
        m.prefix = "PZKY-";
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_sjpz, brickVarieties(), "A"),
            makeField(FieldId::ComboBox_qddj, brickGrades(), "MU30"),
            makeField(FieldId::ComboBox_sjql, {"1", "2", "3"}, "3"),
            makeField(FieldId::ComboBox_mj, brickSizes(), "240*115*53"),
            makeField(FieldId::ComboBox_xzxs, sizeFactors(), "1"),
            withCaption(makeField(FieldId::ComboBox_ylsd, {"1.0", "2.0", "3.0", "4.0", "5.0", "6.0"}, "5.0"),
                        "载荷速度(kN/s)："),
            countField(13, "10"),
            modeField(),
            delayField(),
        };
        m.saveOrder = compressiveSaveOrder(); // the variety is read but never written
        m.size = SizeRule{.formula = SizeFormula::BrickArea,
                          .defaultDiameter = 50,
                          .defaultFirst = 100,
                          .defaultSecond = 100,
                          .defaultRecordSize2 = 100};
        m.speed = SpeedSource::StressRateField;
        m.grade = GradeRule::AlwaysTwoDecimals;
        m.initialStrengthDecimals = "2";
        m.countMustBeInteger = true;
        m.lockedFields = sizeAndFactorLock();
        m.layout.width = 280;
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::StrengthRow,
                        .summaryMethodName = "烧结普通砖抗压",
                        .summary = {.grade = fromField(FieldId::ComboBox_sjpz)},
                        .exchangeDimensions = true};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
