#pragma once

#include "plugin/evaluation/evaluation_services.h"
#include "plugin/frame/plugin_module.h"

#include <cstdint>
#include <string>

namespace vamo::evaluation {

// The arguments of dll_test_endone after the text pointers were copied.
struct EndOneArguments {
    std::int32_t uploadFlag = 0;
    float peakForce = 0; // kN
    float testTime = 0; // stored as test_all_time and as 上屈服力
    float lowerYield = 0; // stored as 下屈服力
    float gaugeLength = 0; // stored as 断后标距
    std::string curveFile; // in the db folder, "temp_mdb.mdb"
    std::string curveTable; // "temp"
};

// dll_test_endone: stores the finished specimen in the group record file (its curve, its results and
// the raised count, in one transaction), fills its grid row, evaluates a complete group and returns
// the delay before the next specimen of a continuous test (0 otherwise). 0 without a group file.
std::int32_t completeSpecimen(plugin::PluginModule& module, const EndOneArguments& arguments,
                              const EvaluationServices& services);

// dll_test_endall: marks the untested rows with "-" and evaluates the group over the specimens tested so
// far. Nothing without a group file.
void endGroupEarly(plugin::PluginModule& module, std::int32_t uploadFlag, const EvaluationServices& services);

} // namespace vamo::evaluation
