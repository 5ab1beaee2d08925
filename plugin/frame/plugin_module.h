#pragma once

#include "platform/dialogs.h"
#include "plugin/frame/calendar_date.h"
#include "plugin/frame/method_descriptor.h"
#include "plugin/frame/panel_layout.h"
#include "plugin/frame/panel_model.h"
#include "plugin/frame/param_record.h"
#include "storage/database.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace vamo::plugin {

// What the module needs from outside: the station folder, the dialog service (message boxes owned by
// the host window), the host's divisor callback and today's date.
struct ModuleServices {
    std::function<std::filesystem::path()> programFolder;
    platform::Dialogs& dialogs;
    DivisorSink handOver;
    std::function<CalendarDate()> today;
};

// The state a plug-in keeps from load to unload, and the exports of the frame on top of it. The panel
// model exists from ModalShow to Modalclose; the group record file stays open from a start that
// continues or creates a group until the next operation closes it or Modalclose.
//
// Errors are raised (the C exports catch them with guardedCall). The evaluation exports dll_test_endone
// and dll_test_endall work on panel(), record(), groupFile() and currentGroupFilePath().
class PluginModule {
public:
    PluginModule(const MethodDescriptor& method, ModuleServices services);
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    const MethodDescriptor& method() const { return method_; }
    sh_set_all_m& record() { return record_; }
    platform::Dialogs& dialogs() { return services_.dialogs; }
    HostEdges& hostEdges() { return hostEdges_; }
    std::filesystem::path programFolder() const { return services_.programFolder(); }

    // ModalShow: the panel model, created on the first call and reused until Modalclose.
    PanelModel& openPanel();
    bool hasPanel() const { return panel_.has_value(); }
    // Throws NoPanelError when no panel exists.
    PanelModel& panel();
    // Showing the panel (FormShow with today's date and the station's sys_set.ini).
    void showPanel();
    // Closes the group record file, saves the panel choices and frees the panel; the panel is freed
    // also when saving fails.
    void Modalclose();

    std::int32_t set_sh_param(const ShParamArguments& arguments);
    float dll_test_getsp();
    float dll_test_start(const std::string& tester);
    void dll_test_stop();
    float dll_test_getgd();
    float dll_test_getdd();

    // The group record file of the panel's group number and age (GroupFileError for a bad name).
    std::filesystem::path currentGroupFilePath();
    // The open group record file, or null.
    storage::Database* groupFile() { return groupFile_ ? &*groupFile_ : nullptr; }
    void closeGroupFile() { groupFile_.reset(); }

private:
    float startGroup(PanelModel& panel);
    void fillFromRecord(PanelModel& panel);
    std::filesystem::path sysSetIni() const;

    const MethodDescriptor& method_;
    ModuleServices services_;
    sh_set_all_m record_;
    std::optional<PanelModel> panel_;
    std::optional<storage::Database> groupFile_;
    HostEdges hostEdges_;
};

// The split of a guige text at its first "/": variety before, grade after. Without "/" the whole text
// is the grade.
struct VarietyAndGrade {
    std::string variety;
    std::string grade;
};
VarietyAndGrade splitGuige(const std::string& guige);

} // namespace vamo::plugin
