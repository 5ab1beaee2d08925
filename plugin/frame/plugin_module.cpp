#include "plugin/frame/plugin_module.h"

#include "host/settings/sys_set_names.h"
#include "plugin/frame/group_file.h"
#include "plugin/frame/plugin_error.h"
#include "plugin/frame/test_set_rows.h"

#include <algorithm>
#include <system_error>

namespace vamo::plugin {
namespace {

// The questions for a group whose specimens are all tested.
constexpr std::string_view kCompleteGroupCaption = "组号已经存在,选择更改组号,或删除当前组号的所有数据";
constexpr std::string_view kCompleteGroupText = "选择\"是\"将删除组号\",选择\"否\"需要更改组号";
constexpr std::string_view kDeleteGroupCaption = "是否删除当前组号";
constexpr std::string_view kDeleteGroupText = "是否确认删除当前组号的所有数据?";

} // namespace

VarietyAndGrade splitGuige(const std::string& guige) {
    const auto slash = guige.find('/');
    if (slash == std::string::npos) {
        return {"", guige};
    }
    return {guige.substr(0, slash), guige.substr(slash + 1)};
}

PluginModule::PluginModule(const MethodDescriptor& method, ModuleServices services)
    : method_(method),
      services_(std::move(services)) {
}

PanelModel& PluginModule::openPanel() {
    if (!panel_) {
        panel_.emplace(method_, record_, services_.handOver);
        hostEdges_ = {}; // a new panel has its design layout: fit it at the first chance
    }
    return *panel_;
}

PanelModel& PluginModule::panel() {
    if (!panel_) {
        throw NoPanelError("the parameter panel of " + method_.name + " is not shown");
    }
    return *panel_;
}

std::filesystem::path PluginModule::sysSetIni() const {
    return settings::sysSetPath(services_.programFolder());
}

void PluginModule::showPanel() {
    panel().FormShow(services_.today(), sysSetIni());
}

void PluginModule::Modalclose() {
    closeGroupFile();
    if (!panel_) {
        return;
    }
    try {
        panel_->save_menu(sysSetIni());
    } catch (...) {
        panel_.reset();
        throw;
    }
    panel_.reset();
}

std::filesystem::path PluginModule::currentGroupFilePath() {
    PanelModel& model = panel();
    const std::string age = method_.ageInFileName ? model.text(FieldId::ComboBox_sjql) : std::string();
    return groupFilePath(services_.programFolder(), method_, model.text(FieldId::Edit_bh), age);
}

void PluginModule::fillFromRecord(PanelModel& model) {
    model.setText(FieldId::Edit_bh, record_.synum);
    const ShParamRule& rule = method_.shParam;
    switch (rule.grade) {
    case GradeAssignment::Grade:
        model.setText(FieldId::ComboBox_qddj, record_.guige);
        break;
    case GradeAssignment::SplitVarietyAndGrade: {
        VarietyAndGrade split = splitGuige(record_.guige);
        model.setText(FieldId::ComboBox_sjpz, std::move(split.variety));
        model.setText(FieldId::ComboBox_qddj, std::move(split.grade));
        break;
    }
    case GradeAssignment::None:
        break;
    }
    if (rule.age == AgeAssignment::ThreeForListedItems) {
        const bool early = std::ranges::find(rule.ageThreeItems, record_.xmid) != rule.ageThreeItems.end();
        model.setText(FieldId::ComboBox_sjql, early ? "3" : "28");
    }
    model.setText(method_.size.field, rule.size == SizeAssignment::Size1TimesSize2
                                          ? record_.size1 + "*" + record_.size2
                                          : record_.size1);
    model.setText(FieldId::ComboBox_sjks, record_.testcount);
}

std::int32_t PluginModule::set_sh_param(const ShParamArguments& arguments) {
    PanelModel& model = panel();
    assignShParam(record_, arguments);
    fillFromRecord(model);
    model.sizeHandler();
    model.ComboBox_ylsdChange();
    model.ComboBox_sjksChange();
    model.ComboBox_ddlxChange();

    const std::filesystem::path path = currentGroupFilePath();
    if (!std::filesystem::exists(path)) {
        return 1;
    }
    closeGroupFile();
    auto groupFile = storage::Database::open(path.string());
    writeTestedCount(groupFile, record_.curorder);
    return 1;
}

float PluginModule::dll_test_getsp() {
    return panel().targetSpeed();
}

float PluginModule::dll_test_getgd() {
    return static_cast<float>(panel().numberIn(FieldId::gdzh));
}

float PluginModule::dll_test_getdd() {
    return static_cast<float>(panel().numberIn(FieldId::ddzh));
}

float PluginModule::dll_test_start(const std::string& tester) {
    PanelModel& model = panel();
    record_.set_gly = tester;
    model.lockFields();
    try {
        return startGroup(model);
    } catch (...) {
        // A start that fails starts no run: the operator must be able to change the group again.
        model.unlockFields();
        throw;
    }
}

float PluginModule::startGroup(PanelModel& model) {
    const std::filesystem::path path = currentGroupFilePath();
    closeGroupFile();
    if (std::filesystem::exists(path)) {
        groupFile_ = storage::Database::open(path.string());
        if (readTestedCount(*groupFile_) < model.integerIn(FieldId::ComboBox_sjks)) {
            return model.targetSpeed();
        }
        closeGroupFile();
        if (dialogs().askYesNo(kCompleteGroupText, kCompleteGroupCaption)
            && dialogs().askYesNo(kDeleteGroupText, kDeleteGroupCaption)) {
            std::error_code ignored; // a file that cannot be deleted stays; the next start asks again
            std::filesystem::remove(path, ignored);
        }
        model.unlockFields();
        return 0;
    }

    // Everything that can refuse the start is checked before the file exists.
    const float speed = model.targetSpeed();
    const std::vector<TestSetRow> rows = testSetRows(model, record_, services_.today());
    checkTestSetTexts(rows);
    const auto templatePath = groupFileTemplate(services_.programFolder());
    if (!templatePath) {
        throw GroupFileError("没有模板数据库 db/temp_mdb1.mdb 或 db/temp_mdb2.mdb, 无法建立组记录文件 "
                             + path.string());
    }
    groupFile_ = createGroupFile(path, *templatePath, rows);
    model.ComboBox_sjksChange();
    return speed;
}

void PluginModule::dll_test_stop() {
    PanelModel& model = panel();
    if (method_.stopUnlocks) {
        model.unlockFields();
    }
}

} // namespace vamo::plugin
