#include "plugin/frame/calendar_date.h"

#include <ctime>

namespace vamo::plugin {
namespace {

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

} // namespace

std::string compactDate(const CalendarDate& date) {
    std::string year = std::to_string(date.year);
    year.insert(0, year.size() < 4 ? 4 - year.size() : 0, '0');
    return year + twoDigits(date.month) + twoDigits(date.day);
}

CalendarDate localToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace vamo::plugin
