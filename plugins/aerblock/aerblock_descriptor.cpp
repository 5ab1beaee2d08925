#include "plugins/aerblock/aerblock_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& aerblockDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "aerblock";
        m.title = "蒸压加气砌块抗压";
        m.prefix = "ZYJQ-";
        // Single or continuous testing can be chosen only once the field lock has been released.
        FieldSpec mode = modeField();
        mode.startsEnabled = false;
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_qddj, {"A1.0", "A2.0", "A2.5", "A3.5", "A5.0", "A7.5", "A10"},
                      "A1.0"),
            makeField(FieldId::ComboBox_sjql, fourAges(), "1"),
            makeField(FieldId::ComboBox_mj,
                      {"100*100*100", "600*100*200", "600*120*200", "600*125*200", "600*150*200",
                       "600*180*200", "600*200*200", "600*240*200", "600*250*200", "600*300*200"},
                      "600*100*200"),
            makeField(FieldId::ComboBox_xzxs, sizeFactors(), "1"),
            withCaption(makeField(FieldId::ComboBox_ylsd, {"1.0", "2.0", "2.4", "3.0"}, "2"),
                        "加载速度(kN/s)："),
            countField(10, "3"),
            mode,
            delayField(),
        };
        removeMaxLengths(m.fields);
        m.saveOrder = compressiveSaveOrder();
        m.size = SizeRule{.fixed = {{"100*100*100", 10.0f, "0.95"}},
                          .formula = SizeFormula::SectionArea,
                          .defaultDiameter = 600,
                          .defaultFirst = 600,
                          .defaultSecond = 100};
        m.speed = SpeedSource::StressRateField;
        m.lockedFields = sizeAndFactorLock();
        m.layout = PanelLayout{.width = 296, .height = 613, .relayout = false};
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::ForceByDivisor,
                        .summaryMethodName = "蒸压加气砌块抗压",
                        .summary = {},
                        .writesExchangeRow = false,
                        .continuousDelay = false,
                        .summaryOnlyForFlagOne = true,
                        .advancesGroupNumber = false};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
