#include "plugins/unconfcomp/unconfcomp_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& unconfcompDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "unconfcomp";
        m.title = "无侧限抗压";
        m.prefix = "WCKY-";
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_qddj, {"2Mpa", "4Mpa"}, "2Mpa"),
            makeField(FieldId::ComboBox_sjql, fourAges(), "7"),
            makeField(FieldId::ComboBox_mj, {"Φ50*50", "Φ100*100", "Φ150*150"}, "Φ150*150"),
            makeField(FieldId::ComboBox_xzxs, sizeFactors(), "1"),
            withCaption(makeField(FieldId::ComboBox_ylsd,
                                  {"0.05", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"}, "0.1"),
                        "应力速度(Mpa/s)："),
            speedField(),
            countField(13, "9"),
            modeField(),
            delayField(),
        };
        m.saveOrder = compressiveSaveOrder();
        m.size = SizeRule{.fixed = {{"Φ150*150", 17.671459f, "1"},
                                    {"Φ100*100", 7.8539815f, "0.95"},
                                    {"Φ50*50", 1.9634954f, "0.95"}},
                          .formula = SizeFormula::SectionArea,
                          .defaultDiameter = 150,
                          .defaultFirst = 150,
                          .defaultSecond = 150};
        takesStressRate(m);
        m.grade = GradeRule::TwoDecimalsForTwoMpa;
        m.lockedFields = sizeAndFactorLock();
        m.layout.width = 272;
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::ForceByDivisor,
                        .summaryMethodName = "无侧限抗压",
                        .summary = {.speed = fromField(FieldId::speed), .spanColumn = false}};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
