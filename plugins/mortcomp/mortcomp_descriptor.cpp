#include "plugins/mortcomp/mortcomp_descriptor.h"

#include "plugins/method_families.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& mortcompDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m =
            cementPrismMethod({"mortcomp",
                               " 水泥胶砂抗压 ",
                               "SNJS-",
                               cementVarieties(),
                               "P \u00B7I",
                               {"32.5", "32.5R", "42.5", "42.5R", "52.5", "52.5R", "62.5", "62.5R"},
                               "42.5"},
                              {"29", "513", "515", "525", "527"});
        m.evaluation.summaryMethodName = "水泥胶砂抗压";
        m.evaluation.summary.grade = fromField(FieldId::ComboBox_sjpz);
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
