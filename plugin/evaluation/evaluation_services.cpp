#include "plugin/evaluation/evaluation_services.h"

#include <ctime>

namespace vamo::evaluation {

std::string localDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

} // namespace vamo::evaluation
