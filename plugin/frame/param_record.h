#pragma once

#include <array>
#include <string>

namespace vamo::plugin {

// The parameter record of a plug-in: eighteen texts, in this order. Cleared when the plug-in is loaded.
struct sh_set_all_m {
    std::string nouser;
    std::string xmid; // test item of a fetched test number; decides the age in some plug-ins
    std::string grou_table;
    std::string synum; // test number: the group number shown in the panel
    std::string keynum;
    std::string curorder; // specimens of the group already tested
    std::string testcount; // specimens in the group
    std::string guige; // strength grade, or variety and grade separated by "/"
    std::string specgl;
    std::string area;
    std::string size1;
    std::string size2;
    std::string size3;
    std::string test_all_time; // test duration of the last specimen
    std::string set_gly; // tester
    std::string shch_flag; // upload mode
    std::string hjwd;
    std::string sy_sb;
};

// The fifteen texts of set_sh_param, in argument order.
using ShParamArguments = std::array<std::string, 15>;

// Copies the arguments into the record: 1 to 12 into xmid to size3, 13 into shch_flag, 14 into hjwd,
// 15 into sy_sb. test_all_time, set_gly and nouser stay as they are.
void assignShParam(sh_set_all_m& record, const ShParamArguments& arguments);

} // namespace vamo::plugin
