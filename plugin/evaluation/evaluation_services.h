#pragma once

#include <functional>
#include <string>

namespace vamo::evaluation {

// What the evaluation needs of its surroundings beyond the plug-in module: the local date and time
// ("yyyy-mm-dd hh:mm:ss") and a short pause that lets the host's message loop run.
struct EvaluationServices {
    std::function<std::string()> now;
    std::function<void()> letHostRun;
};

// The local date and time of this moment, "yyyy-mm-dd hh:mm:ss".
std::string localDateTime();

} // namespace vamo::evaluation
