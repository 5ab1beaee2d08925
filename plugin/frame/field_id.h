#pragma once

#include <array>
#include <string_view>

namespace vamo::plugin {

// Every field a parameter panel can have; each plug-in shows a subset. The enumerators are the
// controls' object names.
enum class FieldId {
    Edit_bh,
    ComboBox_sjpz,
    ComboBox_qddj,
    ComboBox_sjql,
    ComboBox_mj,
    ComboBox_bc,
    ComboBox_kj,
    ComboBox_xzxs,
    ComboBox_ylsd,
    speed,
    ddzh,
    gdzh,
    bju,
    dbxzh,
    gbxzh,
    ComboBox_tichu,
    ComboBox_sjks,
    ComboBox_ddlx,
    ComboBox_yssj,
};

inline constexpr std::size_t kFieldCount = 19;

// How a field is edited.
enum class FieldKind {
    Text, // a one-line edit
    List, // an editable drop-down list: pick an item or type
    PickList, // a drop-down list that only allows picking
    Label, // a read-only label showing a computed value
};

// Which typed characters a field accepts.
enum class KeyFilter {
    None, // everything
    Decimal, // digits, Backspace, Enter, and "." while the text holds none
    Integer, // digits, Backspace, Enter
    IntegerWithPoint, // digits, Backspace, Enter and "." without limit
};

// "Edit_bh", "ComboBox_qddj", "speed", ...
std::string_view objectName(FieldId id);

// The object name of the field's caption label: "Label_bh", "Label_qddj", ...; the stress-rate field's
// caption is "Label_speed", the caption of the computed speed "Label_zhsd".
std::string_view captionObjectName(FieldId id);

// The caption, kind, maximum length (0: none), key filter and settings key most plug-ins give the field.
std::string_view defaultCaption(FieldId id);
FieldKind defaultKind(FieldId id);
int defaultMaxLength(FieldId id);
KeyFilter defaultKeyFilter(FieldId id);
std::string_view defaultKey(FieldId id);

} // namespace vamo::plugin
