#pragma once

#include <string>

namespace vamo::plugin {

struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
};

// "yyyymmdd", as the group number and the 试件日期 row use it.
std::string compactDate(const CalendarDate& date);

// Today in the local time zone.
CalendarDate localToday();

} // namespace vamo::plugin
