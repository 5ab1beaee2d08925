#include "plugins/conccomp/conccomp_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& conccompDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "conccomp";
        m.title = "普通混凝土抗压";
        m.prefix = "SNKY-";
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_qddj, concreteGrades(), "C15"),
            makeField(FieldId::ComboBox_sjql, fourAges(), "7"),
            makeField(
                FieldId::ComboBox_mj,
                {"100*100*100", "150*150*150", "200*200*200", "Φ150*300", "Φ100*200", "Φ200*400", "Φ100*100"},
                "150*150*150"),
            makeField(FieldId::ComboBox_xzxs, sizeFactors(), "1"),
            withCaption(makeField(FieldId::ComboBox_ylsd,
                                  {"0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0"}, "0.3"),
                        "应力速度(Mpa/s)："),
            speedField(),
            countField(3, "3"),
            modeField(),
            delayField(),
        };
        m.saveOrder = compressiveSaveOrder();
        m.size = SizeRule{.fixed = {{"150*150*150", 22.5f, "1"},
                                    {"100*100*100", 10.0f, "0.95"},
                                    {"200*200*200", 40.0f, "1.05"},
                                    {"Φ150*300", 17.671459f, "1"},
                                    {"Φ100*100", 7.8539815f, "0.95"},
                                    {"Φ100*200", 7.8539815f, "0.95"},
                                    {"Φ200*400", 31.415926f, "1.05"}},
                          .formula = SizeFormula::SectionArea,
                          .defaultDiameter = 150,
                          .defaultFirst = 150,
                          .defaultSecond = 150};
        takesStressRate(m);
        m.lockedFields = sizeAndFactorLock();
        m.layout.width = 272;
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::StrengthRow,
                        .summaryMethodName = "普通混凝土抗压",
                        .summary = {.speed = fromField(FieldId::speed)}};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
