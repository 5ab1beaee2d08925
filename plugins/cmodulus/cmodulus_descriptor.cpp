#include "plugins/cmodulus/cmodulus_descriptor.h"

#include "plugin/frame/field_builders.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& cmodulusDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m;
        m.name = "cmodulus";
        m.title = "普通混凝土弹性模量 ";
        m.prefix = "TXML-";
        FieldSpec count = countField(6, "3");
        count.maxLength = 3;
        m.fields = {
            groupNumberField(),
            makeField(FieldId::ComboBox_qddj, {"C45", "C50", "C55", "C60", "C65", "C70", "C75", "C80"},
                      "C60"),
            makeField(FieldId::ComboBox_sjql, fourAges(), "28"),
            makeField(FieldId::ComboBox_mj,
                      {"150*150*300", "100*100*300", "200*200*400", "Φ150*300", "Φ100*200", "Φ200*400"},
                      "150*150*300"),
            withCaption(makeField(FieldId::ComboBox_ylsd,
                                  {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8"}, "0.2"),
                        "应力速度(MPa/s):"),
            speedField(),
            makeField(FieldId::ddzh, {}, "20"),
            makeField(FieldId::gdzh, {}, "50"),
            makeField(FieldId::bju, {}, "5"),
            makeField(FieldId::dbxzh, {}, "1"),
            makeField(FieldId::gbxzh, {}, "1"),
            makeField(FieldId::ComboBox_tichu, {"否", "是"}, "否"),
            count,
            modeField(),
            delayField(),
        };
        m.saveOrder = {
            FieldId::ComboBox_qddj, FieldId::ComboBox_sjql,  FieldId::ComboBox_mj,   FieldId::ComboBox_ylsd,
            FieldId::ddzh,          FieldId::gdzh,           FieldId::bju,           FieldId::dbxzh,
            FieldId::gbxzh,         FieldId::ComboBox_tichu, FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx,
            FieldId::ComboBox_yssj};
        m.size = SizeRule{.fixed = {{"150*150*300", 22.5f},
                                    {"100*100*300", 10.0f},
                                    {"200*200*400", 40.0f},
                                    {"Φ150*300", 17.671459f},
                                    {"Φ100*200", 7.8539815f},
                                    {"Φ200*400", 31.415926f}},
                          .formula = SizeFormula::SectionArea,
                          .defaultDiameter = 150,
                          .defaultFirst = 100,
                          .defaultSecond = 100,
                          .after = AfterArea::AreaIsDivisorThenStressRate};
        m.factorHandlerActs = false; // no correction factor field
        m.gridTitles = {" 序号", "弹性模量(MPa)", "最大载荷(kN)"};
        m.validForceRowLabel = "弹性模量";
        m.lockedFields = {FieldId::Edit_bh,       FieldId::ComboBox_qddj, FieldId::ComboBox_sjql,
                          FieldId::ComboBox_ylsd, FieldId::ComboBox_sjks, FieldId::ComboBox_ddlx};
        m.stopUnlocks = false;
        m.testSet =
            TestSetLayout{.grade = GradeRow::FixedZero, .factor = FactorRow::FixedOne, .fixedLoadRows = true};
        takesStressRate(m);
        m.layout.width = 296;
        m.evaluation = {.forceFactor = 1,
                        .secondValue = SecondValueSource::ModulusRow,
                        .summaryMethodName = "普通混凝土弹性模量",
                        .summary = {.variety = fixedText(" "), .factor = fixedText("1.0")},
                        .modulus = true};
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
