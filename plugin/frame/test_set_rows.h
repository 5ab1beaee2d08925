#pragma once

#include "plugin/frame/calendar_date.h"
#include "plugin/frame/panel_model.h"
#include "plugin/frame/param_record.h"

#include <string>
#include <vector>

namespace vamo::plugin {

inline constexpr std::string_view kTestedCountKey = "已试验块数";

struct TestSetRow {
    std::string name;
    std::string str;

    friend bool operator==(const TestSetRow&, const TestSetRow&) = default;
};

// The parameter rows of a new group record file, in order, from the panel as it is now; the tester
// is the record's set_gly and the tested count its curorder.
std::vector<TestSetRow> testSetRows(const PanelModel& panel, const sh_set_all_m& record,
                                    const CalendarDate& today);

} // namespace vamo::plugin
