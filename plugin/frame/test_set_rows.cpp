#include "plugin/frame/test_set_rows.h"

#include <algorithm>

namespace vamo::plugin {
namespace {

std::string withoutSpaces(std::string text) {
    std::erase(text, ' ');
    return text;
}

} // namespace

std::vector<TestSetRow> testSetRows(const PanelModel& panel, const sh_set_all_m& record,
                                    const CalendarDate& today) {
    const MethodDescriptor& method = panel.method();
    const TestSetLayout& layout = method.testSet;
    const auto text = [&panel](FieldId id) { return panel.text(id); };

    std::vector<TestSetRow> rows;
    rows.push_back({"试件类型", withoutSpaces(method.title)});
    rows.push_back({"试件编号", text(FieldId::Edit_bh)});
    rows.push_back({"试件日期", compactDate(today)});
    switch (layout.grade) {
    case GradeRow::Grade:
        rows.push_back({"强度等级", text(FieldId::ComboBox_qddj)});
        break;
    case GradeRow::VarietyAndGrade:
        rows.push_back({"强度等级", text(FieldId::ComboBox_sjpz) + " " + text(FieldId::ComboBox_qddj)});
        break;
    case GradeRow::FixedZero:
        rows.push_back({"强度等级", "0"});
        break;
    case GradeRow::FixedBlank:
        rows.push_back({"强度等级", " "});
        break;
    case GradeRow::None:
        break;
    }
    if (layout.ageRow) {
        rows.push_back({"试件龄期", text(FieldId::ComboBox_sjql)});
    }
    rows.push_back({"试件规格", text(method.size.field)});
    if (layout.spanRow) {
        rows.push_back({"跨距", text(FieldId::ComboBox_kj)});
    }
    rows.push_back({"修正系数", layout.factor == FactorRow::FixedOne ? "1" : text(FieldId::ComboBox_xzxs)});
    rows.push_back({"应力速度", text(FieldId::ComboBox_ylsd)});
    switch (layout.loadSpeed) {
    case LoadSpeedRow::SpeedLabel:
        rows.push_back({"载荷速度", text(FieldId::speed)});
        break;
    case LoadSpeedRow::StressRateField:
        rows.push_back({"载荷速度", text(FieldId::ComboBox_ylsd)});
        break;
    case LoadSpeedRow::None:
        break;
    }
    if (layout.fixedLoadRows) {
        rows.push_back({"低定载荷", text(FieldId::ddzh)});
        rows.push_back({"高定载荷", text(FieldId::gdzh)});
        rows.push_back({"标距", text(FieldId::bju)});
    }
    rows.push_back({"试件块数", text(FieldId::ComboBox_sjks)});
    rows.push_back({"是否连续试验", text(FieldId::ComboBox_ddlx)});
    rows.push_back({"延时时间", text(FieldId::ComboBox_yssj)});
    rows.push_back({std::string(kTestedCountKey), record.curorder});
    rows.push_back({"试验人", record.set_gly});
    return rows;
}

} // namespace vamo::plugin
