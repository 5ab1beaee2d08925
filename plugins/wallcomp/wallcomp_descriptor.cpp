#include "plugins/wallcomp/wallcomp_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& wallcompDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "wallcomp";
        m.title = "砌墙砖抗压";
        m.prefix = "QZKY-";
        // No grade: the field is hidden and always " "; its key is written but never read.
        FieldSpec grade = makeField(FieldId::ComboBox_qddj, {" "}, " ");
        grade.visible = false;
        grade.restored = false;
        m.fields = {
            groupNumberField(),
            grade,
            makeField(FieldId::ComboBox_sjql, {"1", "2", "3"}, "3"),
            makeField(FieldId::ComboBox_mj, brickSizes(), "240*115*53"),
            makeField(FieldId::ComboBox_xzxs, sizeFactors(), "1"),
            withCaption(makeField(FieldId::ComboBox_ylsd, {"1.0", "2.0", "3.0", "4.0", "5.0", "6.0"}, "4.0"),
                        "载荷速度(kN/s)："),
            countField(13, "10"),
            modeField(),
            delayField(),
        };
        m.saveOrder = compressiveSaveOrder();
        m.size = SizeRule{
            .fixed = {{"100*190", 19.0f, "1", 100.0f, 190.0f}, {"110*180", 19.8f, "1", 110.0f, 180.0f}},
            .formula = SizeFormula::WallBrickArea,
            .defaultDiameter = 50,
            .defaultFirst = 50,
            .defaultSecond = 50,
            .defaultRecordSize2 = 100};
        m.speed = SpeedSource::StressRateField;
        m.grade = GradeRule::AlwaysTwoDecimals;
        m.initialStrengthDecimals = "2";
        m.lockedFields = sizeAndFactorLock();
        m.testSet.grade = GradeRow::FixedBlank;
        m.layout.width = 280;
        m.layout.gridOffset = 130;
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::ForceByDivisor,
                        .summaryMethodName = "砌墙砖抗压",
                        .summary = {},
                        .exchangeDimensions = true};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
