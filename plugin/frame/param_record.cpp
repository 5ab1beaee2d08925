#include "plugin/frame/param_record.h"

namespace vamo::plugin {

void assignShParam(sh_set_all_m& record, const ShParamArguments& arguments) {
    std::string* const targets[] = {&record.xmid,      &record.grou_table, &record.synum, &record.keynum,
                                    &record.curorder,  &record.testcount,  &record.guige, &record.specgl,
                                    &record.area,      &record.size1,      &record.size2, &record.size3,
                                    &record.shch_flag, &record.hjwd,       &record.sy_sb};
    static_assert(std::size(targets) == std::tuple_size_v<ShParamArguments>);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        *targets[i] = arguments[i];
    }
}

} // namespace vamo::plugin
