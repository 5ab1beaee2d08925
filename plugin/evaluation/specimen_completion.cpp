#include "plugin/evaluation/specimen_completion.h"

#include "platform/number_text.h"
#include "platform/process.h"
#include "plugin/evaluation/group_evaluation.h"
#include "plugin/evaluation/shell_messages.h"
#include "plugin/frame/group_file.h"
#include "plugin/frame/number_fields.h"
#include "plugin/frame/plugin_error.h"
#include "storage/query.h"
#include "storage/quoting.h"
#include "storage/transaction.h"

#include <cmath>
#include <system_error>

namespace vamo::evaluation {

namespace {

using plugin::FieldId;

constexpr const char* continuousTest = "连续试验";
constexpr const char* fetchedTestNumber = "5aa5";
constexpr int exchangePauses = 11;

int decimals(const std::string& text) {
    return plugin::integerIn(text, "decimals");
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

float numberOrZero(const plugin::PanelModel& panel, FieldId id) {
    const auto value = platform::parseFloatingPoint(panel.text(id));
    return value ? static_cast<float>(*value) : 0.0f;
}

// The elastic modulus, in single precision step by step; 0 when a field holds no number, and when the
// deformations are equal (no finite modulus).
float elasticModulus(const plugin::PanelModel& panel) {
    for (FieldId id : {FieldId::gdzh, FieldId::ddzh, FieldId::bju, FieldId::gbxzh, FieldId::dbxzh}) {
        if (!platform::parseFloatingPoint(panel.text(id))) {
            return 0.0f;
        }
    }
    float d = numberOrZero(panel, FieldId::gdzh) - numberOrZero(panel, FieldId::ddzh);
    d = d / panel.strengthDivisor();
    d = d * numberOrZero(panel, FieldId::bju);
    const float modulus = d / (numberOrZero(panel, FieldId::gbxzh) - numberOrZero(panel, FieldId::dbxzh));
    return std::isfinite(modulus) ? modulus : 0.0f;
}

struct SpecimenTexts {
    std::vector<std::pair<std::string, std::string>> results; // rows of result<n>, in order
    std::string gridForce; // column 1
    std::string gridSecond; // column 2
};

SpecimenTexts specimenTexts(const plugin::PanelModel& panel, const plugin::MethodDescriptor& method,
                            const EndOneArguments& arguments, const std::string& marker) {
    const auto& traits = method.evaluation;
    const int forceDigits = decimals(panel.force_decimals());
    const int strengthDigits = decimals(panel.strength_decimals());
    const int sizeDigits = decimals(panel.size_decimals());
    const float factor = traits.forceFactor;
    const float force = arguments.peakForce * factor;
    const std::string peak = marker + platform::formatFixed(force, forceDigits);
    const float strength = arguments.peakForce / panel.strengthDivisor();

    SpecimenTexts texts;
    texts.results = {
        {"峰值", peak},
        {"上屈服力", platform::formatFixed(arguments.testTime * factor, forceDigits)},
        {"下屈服力", platform::formatFixed(arguments.lowerYield * factor, forceDigits)},
        {"断后标距", platform::formatFixed(arguments.gaugeLength, sizeDigits)},
        {"面积", platform::formatFixed(panel.strengthDivisor(), sizeDigits)},
    };
    if (traits.modulus) {
        const float modulus = elasticModulus(panel);
        const std::string modulusText = platform::formatFixed(modulus, strengthDigits);
        texts.results.push_back({"标距", platform::formatFixed(numberOrZero(panel, FieldId::bju), 3)});
        texts.results.push_back({"低变形值", platform::formatFixed(numberOrZero(panel, FieldId::dbxzh), 3)});
        texts.results.push_back({"高变形值", platform::formatFixed(numberOrZero(panel, FieldId::gbxzh), 3)});
        texts.results.push_back({"弹性模量", modulusText});
        texts.results.push_back({"强度", modulusText});
        texts.gridForce = platform::formatFixed(modulus, 0);
        texts.gridSecond = platform::formatFixed(arguments.peakForce, forceDigits);
    } else {
        const std::string strengthText =
            std::isfinite(strength) ? platform::formatFixed(strength, strengthDigits) : std::string("0");
        texts.results.push_back({"强度", strengthText});
        texts.gridForce = peak;
        texts.gridSecond = strengthText;
    }
    return texts;
}

std::string curveSource(const std::filesystem::path& programFolder, const EndOneArguments& arguments) {
    return "[;database=" + (programFolder / "db" / arguments.curveFile).string() + "]."
           + arguments.curveTable;
}

// Stores specimen n whole or not at all; returns the raised count.
std::string storeSpecimen(storage::Database& groupFile, plugin::PanelModel& panel,
                          const std::filesystem::path& programFolder, const EndOneArguments& arguments,
                          const SpecimenTexts& texts) {
    storage::Transaction transaction(groupFile);
    const std::string n = std::to_string(plugin::readTestedCount(groupFile) + 1);
    groupFile.execute("Create Table result_point" + n
                      + "(ID int IDENTITY(1,1) PRIMARY KEY,press Single default 0,run_time int,"
                        "length Single default 0,length1 Single default 0,length2 Single default 0,"
                        "speed Single default 0)");
    groupFile.execute("insert into result_point" + n
                      + "(press,run_time,speed) select press,run_time,speed from "
                      + curveSource(programFolder, arguments));
    groupFile.execute("Create Table result" + n + "(result_name string,str string)");
    for (const auto& [name, value] : texts.results) {
        groupFile.execute("insert into result" + n + "(result_name,str) values(" + storage::quoted(name) + ","
                          + storage::quoted(value) + ")");
    }
    storage::Query count(groupFile, "Select * from test_set where name=" + storage::quoted("已试验块数"));
    if (count.eof()) {
        throw storage::DatabaseError("the group record file has no row 已试验块数");
    }
    count.edit();
    const int tested = plugin::integerIn(count.field("str"), "已试验块数");
    const std::string raised = std::to_string(tested + 1);
    count.set("str", raised);
    count.post();
    transaction.commit();
    panel.setGridCell(1, tested + 1, texts.gridForce);
    panel.setGridCell(2, tested + 1, texts.gridSecond);
    return raised;
}

// The exchange row of a fetched test number in TransDataDB.mdb, and the start of datasave. True when the
// call ends after the start (the upload record is then not written).
bool writeExchangeRow(plugin::PluginModule& module, storage::Database& groupFile,
                      const EndOneArguments& arguments, int count, const EvaluationServices& services) {
    auto& panel = module.panel();
    auto& record = module.record();
    const auto& traits = module.method().evaluation;
    const auto folder = module.programFolder();
    const std::string curorder = trimmed(record.curorder);
    const bool last = plugin::integerIn(record.curorder, "已试验块数") >= count;
    const std::string size1 =
        traits.exchangeDimensions ? platform::formatFixed(panel.first_dimension(), 0) : record.size1;
    const std::string size2 =
        traits.exchangeDimensions ? platform::formatFixed(panel.second_dimension(), 0) : record.size2;
    const std::vector<std::string> leading{
        record.xmid,
        record.grou_table,
        record.synum,
        record.keynum,
        record.set_gly,
        curorder,
        services.now(),
        record.test_all_time,
        panel.text(FieldId::ComboBox_ylsd),
        platform::formatFixed(arguments.peakForce, decimals(panel.force_decimals()))};
    if (last) {
        // The group is evaluated while the row is being made; its Curorder is this specimen's count.
        evaluate_group(module, groupFile, count, arguments.uploadFlag, services);
        record.curorder = "0";
    }
    std::string statement =
        "insert into testdata(xmid,grou_table,synum,keynum,userid,Curorder,testdate,testtime,"
        "jh_speed,maxload,endflag,sb_code,sy_environment,size1,size2,size3) values(";
    for (const auto& value : leading) {
        statement += storage::quoted(value) + ",";
    }
    statement += storage::quoted(last ? "!" : "#") + ",";
    for (const auto& value : {record.sy_sb, record.hjwd, size1, size2}) {
        statement += storage::quoted(value) + ",";
    }
    statement += storage::quoted(record.size3) + ")";

    auto exchange = storage::Database::open((folder / "TransDataDB.mdb").string());
    exchange.execute(statement);
    { storage::Query rows(exchange, "select * from testdata"); }
    for (int i = 0; i < exchangePauses; ++i) {
        services.letHostRun();
    }
    const int code = platform::startDetached(folder / "datasave");
    if (const auto message = datasaveStartMessage(code)) {
        module.dialogs().message(*message, "");
        return false;
    }
    return true;
}

} // namespace

std::int32_t completeSpecimen(plugin::PluginModule& module, const EndOneArguments& arguments,
                              const EvaluationServices& services) {
    auto& record = module.record();
    record.test_all_time = platform::formatGeneral(arguments.testTime);
    const auto path = module.currentGroupFilePath();
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        return 0;
    }
    auto& panel = module.panel();
    const auto& method = module.method();
    std::string marker;
    if (method.evaluation.asksLoadLine
        && !module.dialogs().askYesNo("是否位于集中载荷作用线之内", "是否在集中线之内")) {
        marker = "*";
    }
    module.closeGroupFile();
    auto groupFile = storage::Database::open(path.string());
    const SpecimenTexts texts = specimenTexts(panel, method, arguments, marker);
    record.curorder = storeSpecimen(groupFile, panel, module.programFolder(), arguments, texts);

    const int count = panel.integerIn(FieldId::ComboBox_sjks);
    const int tested = plugin::integerIn(record.curorder, "已试验块数");
    std::int32_t delay = 0;
    if (method.evaluation.continuousDelay && tested < count
        && panel.text(FieldId::ComboBox_ddlx) == continuousTest) {
        delay = panel.integerIn(FieldId::ComboBox_yssj);
    }
    if (record.shch_flag != fetchedTestNumber) {
        if (tested >= count) {
            evaluate_group(module, groupFile, count, arguments.uploadFlag, services);
            record.curorder = "0";
        }
    } else if (method.evaluation.writesExchangeRow) {
        if (writeExchangeRow(module, groupFile, arguments, count, services)) {
            return delay;
        }
    }
    // The upload record (uploading flag 2, aerblock 1) belongs to the upload database, which this station
    // does not keep.
    return delay;
}

void endGroupEarly(plugin::PluginModule& module, std::int32_t uploadFlag,
                   const EvaluationServices& services) {
    const auto path = module.currentGroupFilePath();
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored)) {
        return;
    }
    auto& panel = module.panel();
    module.closeGroupFile();
    auto groupFile = storage::Database::open(path.string());
    const int tested = plugin::readTestedCount(groupFile);
    const int count = panel.integerIn(FieldId::ComboBox_sjks);
    for (int row = tested + 1; row <= count; ++row) {
        panel.setGridCell(1, row, "-");
        panel.setGridCell(2, row, "-");
    }
    evaluate_group(module, groupFile, tested, uploadFlag, services);
}

} // namespace vamo::evaluation
