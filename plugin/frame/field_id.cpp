#include "plugin/frame/field_id.h"

namespace vamo::plugin {
namespace {

struct FieldDefaults {
    std::string_view objectName;
    std::string_view captionName;
    std::string_view caption;
    FieldKind kind;
    int maxLength;
    KeyFilter filter;
    std::string_view key;
};

// Indexed by FieldId.
constexpr std::array<FieldDefaults, kFieldCount> kDefaults = {{
    {"Edit_bh", "Label_bh", "试件编号：", FieldKind::Text, 127, KeyFilter::None, ""},
    {"ComboBox_sjpz", "Label_sjpz", "试件品种：", FieldKind::List, 100, KeyFilter::None, "sjpz"},
    {"ComboBox_qddj", "Label_qddj", "强度等级：", FieldKind::List, 100, KeyFilter::None, "qddj"},
    {"ComboBox_sjql", "Label_sjql", "试件龄期(天)：", FieldKind::List, 10, KeyFilter::Integer, "sjql"},
    {"ComboBox_mj", "Label_mj", "试件规格(mm)：", FieldKind::List, 100, KeyFilter::None, "mj"},
    {"ComboBox_bc", "Label_bc", "试件边长(mm)：", FieldKind::List, 10, KeyFilter::Decimal, "bc"},
    {"ComboBox_kj", "Label_kj", "跨距：", FieldKind::List, 10, KeyFilter::Decimal, "kj"},
    {"ComboBox_xzxs", "Label_xzxs", "修正系数：", FieldKind::List, 10, KeyFilter::Decimal, "xzxs"},
    {"ComboBox_ylsd", "Label_speed", "应力速度(Mpa/s)：", FieldKind::List, 10, KeyFilter::Decimal, "ylsd"},
    {"speed", "Label_zhsd", "载荷速度(kN/s)：", FieldKind::Label, 0, KeyFilter::None, ""},
    {"ddzh", "Label_ddzh", "低定载荷(kN)：", FieldKind::Text, 10, KeyFilter::Decimal, "ddzh"},
    {"gdzh", "Label_gdzh", "高定载荷(kN)：", FieldKind::Text, 10, KeyFilter::Decimal, "gdzh"},
    {"bju", "Label_bju", "标距(mm)：", FieldKind::Text, 10, KeyFilter::Decimal, "bju"},
    {"dbxzh", "Label_dbxzh", "低变形值(mm)：", FieldKind::Text, 10, KeyFilter::Decimal, "dbxzh"},
    {"gbxzh", "Label_gbxzh", "高变形值(mm)：", FieldKind::Text, 10, KeyFilter::Decimal, "gbxzh"},
    {"ComboBox_tichu", "Label_tichu", "结果剔除：", FieldKind::PickList, 10, KeyFilter::None, "tichu"},
    {"ComboBox_sjks", "Label_sjks", "试件块数：", FieldKind::List, 10, KeyFilter::Integer, "sjks"},
    {"ComboBox_ddlx", "Label_ddlx", "是否连续试验：", FieldKind::PickList, 10, KeyFilter::None, "ddlx"},
    {"ComboBox_yssj", "Label_yssj", "延时时间(s)：", FieldKind::List, 4, KeyFilter::Integer, "yssj"},
}};

const FieldDefaults& defaultsOf(FieldId id) {
    return kDefaults.at(static_cast<std::size_t>(id));
}

} // namespace

std::string_view objectName(FieldId id) {
    return defaultsOf(id).objectName;
}

std::string_view captionObjectName(FieldId id) {
    return defaultsOf(id).captionName;
}

std::string_view defaultCaption(FieldId id) {
    return defaultsOf(id).caption;
}

FieldKind defaultKind(FieldId id) {
    return defaultsOf(id).kind;
}

int defaultMaxLength(FieldId id) {
    return defaultsOf(id).maxLength;
}

KeyFilter defaultKeyFilter(FieldId id) {
    return defaultsOf(id).filter;
}

std::string_view defaultKey(FieldId id) {
    return defaultsOf(id).key;
}

} // namespace vamo::plugin
