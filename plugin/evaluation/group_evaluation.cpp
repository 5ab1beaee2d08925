#include "plugin/evaluation/group_evaluation.h"

#include "platform/number_text.h"
#include "plugin/evaluation/evaluation_rules.h"
#include "plugin/evaluation/group_number.h"
#include "plugin/evaluation/group_records.h"
#include "plugin/evaluation/plugin_rules.h"
#include "plugin/evaluation/summary_store.h"
#include "plugin/frame/group_file.h"
#include "plugin/frame/number_fields.h"
#include "plugin/frame/plugin_error.h"
#include "storage/query.h"
#include "storage/quoting.h"

#include <algorithm>
#include <set>

namespace vamo::evaluation {

namespace {

using plugin::FieldId;

// The str of the row `name` of table result<specimen>, "0" when it cannot be read.
std::string resultText(storage::Database& groupFile, const std::set<std::string>& tables, int specimen,
                       const std::string& name) {
    const std::string table = "result" + std::to_string(specimen);
    if (tables.count(table) == 0) {
        return "0";
    }
    try {
        storage::Query query(groupFile,
                             "Select * from " + table + " where result_name=" + storage::quoted(name));
        return query.eof() ? "0" : query.field("str");
    } catch (const std::exception&) {
        return "0";
    }
}

// The stored text as a number: a "*" (a specimen outside the load lines) reads as a leading "0".
float storedNumber(std::string text, const std::string& what) {
    std::replace(text.begin(), text.end(), '*', '0');
    const auto value = platform::parseFloatingPoint(text);
    if (!value) {
        throw plugin::ConversionError("'" + text + "' is not a number (" + what + ")");
    }
    return static_cast<float>(*value);
}

std::string summaryText(const plugin::PanelModel& panel, const plugin::SummaryText& source) {
    return source.field ? panel.text(*source.field) : source.fixed;
}

std::string groupFileEntry(plugin::PluginModule& module) {
    return module.currentGroupFilePath().string() + ";";
}

} // namespace

void evaluate_group(plugin::PluginModule& module, storage::Database& groupFile, int count, int uploadFlag,
                    const EvaluationServices& services) {
    auto& panel = module.panel();
    const auto& method = module.method();
    const auto& traits = method.evaluation;
    panel.unlockFields();

    rules::GroupInput group;
    group.count = count;
    group.forceDecimals = plugin::integerIn(panel.force_decimals(), "force_decimals");
    group.strengthDecimals = plugin::integerIn(panel.strength_decimals(), "strength_decimals");
    group.strengthDivisor = panel.strengthDivisor();
    if (panel.hasField(FieldId::gdzh)) {
        const auto high = platform::parseFloatingPoint(panel.text(FieldId::gdzh));
        group.highFixedLoad = high ? static_cast<float>(*high) : 0.0f;
    }
    const auto tableList = groupFile.tableNames();
    const std::set<std::string> tables(tableList.begin(), tableList.end());
    const std::string secondName =
        traits.secondValue == plugin::SecondValueSource::ModulusRow ? "弹性模量" : "强度";
    for (int i = 1; i <= rules::kMaxSpecimens; ++i) {
        const auto index = static_cast<std::size_t>(i - 1);
        group.peakTexts[index] = resultText(groupFile, tables, i, "峰值");
        group.force[index] = storedNumber(group.peakTexts[index], "峰值 of specimen " + std::to_string(i));
        if (traits.secondValue == plugin::SecondValueSource::ForceByDivisor) {
            group.second[index] =
                group.strengthDivisor != 0.0f ? group.force[index] / group.strengthDivisor : 0.0f;
        } else {
            group.second[index] = storedNumber(resultText(groupFile, tables, i, secondName),
                                               secondName + " of specimen " + std::to_string(i));
        }
    }

    auto summary = openSummaryDatabase(module.programFolder());

    const rules::RuleChoice rule = rules::ruleForPlugin(method.name);
    const rules::GroupOutcome outcome = rules::evaluateGroup(rule, group);
    for (int specimen : outcome.marked) {
        panel.setGridCell(1, specimen, "*" + panel.grid().cell(1, specimen));
    }
    const int panelCount = panel.integerIn(FieldId::ComboBox_sjks);
    for (const auto& row : rules::groupTestSetRows(rule.family, outcome)) {
        groupFile.execute("insert into test_set(name,str) values(" + storage::quoted(row.name) + ","
                          + storage::quoted(row.value) + ")");
    }
    for (const auto& cell : rules::groupGridCells(rule.family, outcome, panelCount)) {
        panel.setGridCell(cell.column, cell.row, cell.text);
    }

    const bool summaryWanted = traits.summaryOnlyForFlagOne ? uploadFlag == 1 : uploadFlag != 0;
    if (summaryWanted) {
        std::vector<SummaryValue> row{
            {"wbbh", panel.text(FieldId::Edit_bh)},
            {"synx", traits.summaryMethodName},
            {"sjpz", summaryText(panel, traits.summary.variety)},
            {"qddj", summaryText(panel, traits.summary.grade)},
            {"sjgg", summaryText(panel, traits.summary.size)},
            {"speed", summaryText(panel, traits.summary.speed)},
            {"numb", panel.text(FieldId::ComboBox_sjks)},
        };
        if (traits.summary.spanColumn) {
            row.push_back({"kj", "100"});
        }
        row.push_back({"mj", platform::formatFixed(panel.area_factor() * 1000.0f, 3)});
        row.push_back({"xzxs", summaryText(panel, traits.summary.factor)});
        for (int i = 1; i <= rules::kMaxSpecimens; ++i) {
            const auto index = static_cast<std::size_t>(i - 1);
            row.push_back({"zhz" + std::to_string(i), platform::formatFixed(group.force[index], 3)});
            row.push_back({"qdz" + std::to_string(i), platform::formatFixed(group.second[index], 3)});
        }
        row.push_back({"yxlz", outcome.validForce});
        row.push_back({"yxqd", outcome.validStrength});
        row.push_back({"lq", summaryText(panel, traits.summary.age)});
        row.push_back({"date_time", services.now()});
        row.push_back({"sjwj", groupFileEntry(module)});
        row.push_back({"end_flag", "yes"});
        row.push_back({"read_flag", "no"});
        summary.execute(insertSummaryRow(row));
    }

    module.dialogs().message("组号+1,更改组号", "组号+1");
    if (traits.advancesGroupNumber) {
        panel.setText(FieldId::Edit_bh, nextGroupNumber(panel.text(FieldId::Edit_bh)));
    }
    module.record().curorder = "0";
    module.record().shch_flag.clear();
}

} // namespace vamo::evaluation
