#include "host/app/core/method_table.h"

namespace vamo::host {

const std::array<MethodEntry, methodCount>& methodTable() {
    static constexpr std::array<MethodEntry, methodCount> table{{
        {"test11", "普通混凝土抗压", "普通混凝土抗压", "conccomp"},
        {"test21", "普通混凝土抗折", "普通混凝土抗折", "concflex"},
        {"test31", "普通混凝土劈列抗拉", "普通混凝土劈裂抗拉", "concsplit"},
        {"test41", "普通混凝土轴心抗压", "普通混凝土轴心抗压", "concaxial"},
        {"test51", "水泥胶砂抗压", "水泥胶砂抗压", "mortcomp"},
        {"test61", "建筑砂浆抗压", "建筑砂浆抗压", "bldmortar"},
        {"test71", "普通混凝土弹性模量", "普通混凝土弹性模量", "cmodulus"},
        {"test81", "通用试验", "通用试验", "gnrl"},
        {"N91", "无侧压试验", "无侧限", "unconfcomp"},
        {"N101", "公路岩体抗压", "公路岩体抗压", "rockcomp"},
        {"N111", "砌墙砖试抗压 (多孔砖)", "砌墙砖试抗压", "wallcomp"},
        {"N121", "蒸压加气砌块抗压", "蒸压加气砌块抗压", "aerblock"},
        {"test105", "烧结普通砖抗压", "烧结普通砖抗压", "firedcomp"},
        {"test106", "烧结普通砖抗折", "烧结普通砖抗折", "firedflex"},
        {"test104", "砌墙砖试抗折", "砌墙砖抗折", "wallflex"},
        {"N107", "水泥净浆抗压", "水泥净浆抗压", "pastecomp"},
        {"blcp1", "钢珠抗压", "钢珠抗压", "blcp"},
    }};
    return table;
}

} // namespace vamo::host
