#include "plugins/firedflex/firedflex_descriptor.h"

#include "plugins/method_families.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& firedflexDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m = brickFlexuralMethod(
            {"firedflex", "烧结普通砖抗折", "PZKZ-", brickVarieties(), "A", brickGrades(), "MU30"},
            "加载速度(kN/s)：");
        m.evaluation.summaryMethodName = "烧结普通砖抗折";
        m.evaluation.summary.size = fixedText("0");
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
