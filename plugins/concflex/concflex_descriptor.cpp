#include "plugins/concflex/concflex_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& concflexDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "concflex";
        m.title = "普通混凝土抗折";
        m.prefix = "SNKZ-";
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_qddj, concreteGrades(), "C15"),
            makeField(FieldId::ComboBox_sjql, fourAges(), "7"),
            makeField(FieldId::ComboBox_mj, {"150*150*600", "150*150*550", "100*100*400"}, "150*150*600"),
            makeField(FieldId::ComboBox_xzxs, {"0.85", "1"}, "1"),
            withCaption(makeField(FieldId::ComboBox_ylsd,
                                  {"0.02", "0.03", "0.04", "0.05", "0.06", "0.07", "0.08", "0.09", "0.1"},
                                  "0.02"),
                        "应力速度(Mpa/s)："),
            speedField(),
            countField(3, "3"),
            modeField(),
            delayField(),
        };
        m.saveOrder = compressiveSaveOrder();
        // The section factor of a beam: b^3 / (3000 b).
        m.size = SizeRule{.fixed = {{"150*150*600", 7.5f, "1"},
                                    {"150*150*550", 7.5f, "1"},
                                    {"100*100*400", 3.3333333f, "0.85"}},
                          .formula = SizeFormula::BeamSection,
                          .defaultDiameter = 150,
                          .defaultFirst = 150};
        takesStressRate(m);
        m.lockedFields = sizeAndFactorLock();
        m.layout.width = 272;
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::ForceByDivisor,
                        .summaryMethodName = "普通混凝土抗折",
                        .summary = {.speed = fromField(FieldId::speed)},
                        .asksLoadLine = true};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
