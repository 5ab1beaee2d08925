#include "plugins/pastecomp/pastecomp_descriptor.h"

#include "plugins/method_families.h"
#include "plugins/shared_items.h"

namespace vamo::plugins {

using namespace plugin;

const MethodDescriptor& pastecompDescriptor() {
    static const MethodDescriptor method = [] {
        MethodDescriptor m = cementPrismMethod(
            {"pastecomp", " 水泥净浆抗压", "JJKY-", pasteVarieties(), "M40", pasteGrades(), "40Mpa"}, {"29"});
        m.evaluation.summaryMethodName = "水泥净浆抗压";
        m.evaluation.summary.variety = fromField(FieldId::ComboBox_sjpz);
        return m;
    }();
    return method;
}

} // namespace vamo::plugins
