#include "plugin/frame/field_builders.h"

namespace vamo::plugin {

FieldSpec makeField(FieldId id, std::vector<std::string> items, std::string defaultText) {
    FieldSpec spec{.id = id,
                   .caption = std::string(defaultCaption(id)),
                   .kind = defaultKind(id),
                   .items = std::move(items),
                   .defaultText = std::move(defaultText),
                   .key = std::string(defaultKey(id)),
                   .maxLength = defaultMaxLength(id),
                   .filter = defaultKeyFilter(id)};
    return spec;
}

std::vector<std::string> numberedItems(int last) {
    std::vector<std::string> items;
    for (int n = 1; n <= last; ++n) {
        items.push_back(std::to_string(n));
    }
    return items;
}

FieldSpec groupNumberField() {
    return makeField(FieldId::Edit_bh);
}

FieldSpec speedField() {
    return makeField(FieldId::speed);
}

FieldSpec countField(int last, std::string defaultText) {
    return makeField(FieldId::ComboBox_sjks, numberedItems(last), std::move(defaultText));
}

FieldSpec modeField() {
    return makeField(FieldId::ComboBox_ddlx, {"单独试验", "连续试验"}, "单独试验");
}

FieldSpec delayField() {
    return makeField(FieldId::ComboBox_yssj, {"8", "12", "16", "20", "24", "28", "32"}, "16");
}

void removeMaxLengths(std::vector<FieldSpec>& fields) {
    for (auto& field : fields) {
        field.maxLength = 0;
    }
}

void allowPointInIntegers(std::vector<FieldSpec>& fields) {
    for (auto& field : fields) {
        if (field.filter == KeyFilter::Integer) {
            field.filter = KeyFilter::IntegerWithPoint;
        }
    }
}

} // namespace vamo::plugin
