#pragma once

#include "plugin/evaluation/evaluation_services.h"
#include "plugin/frame/plugin_module.h"
#include "storage/database.h"

namespace vamo::evaluation {

// The group evaluation of the panel's group: reads the stored specimens of `groupFile`, applies the
// rule of the test method over `count` specimens, stores the valid values in test_set and the grid,
// appends the summary row to output/Normal.mdb when uploading is on, unlocks the fields and advances
// the group number.
void evaluate_group(plugin::PluginModule& module, storage::Database& groupFile, int count, int uploadFlag,
                    const EvaluationServices& services);

} // namespace vamo::evaluation
