#include "plugins/wallflex/wallflex_descriptor.h"

#include "plugins/method_families.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& wallflexDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m = brickFlexuralMethod(
            {"wallflex", " 砌墙砖抗折", "QZKZ-", cementVarieties(), "P \u00B7I", brickGrades(), "MU30"},
            "加载速度(N/s)：");
        m.speed = SpeedSource::StressRateFieldPerThousand; // entered in N/s
        m.shParam.grade = GradeAssignment::SplitVarietyAndGrade;
        m.evaluation.forceFactor = 1000; // forces are recorded in N
        m.evaluation.summaryMethodName = "砌墙砖抗折";
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
