#include "plugin/frame/panel_model.h"

#include "host/settings/sys_set_names.h"
#include "platform/ini_file.h"
#include "plugin/frame/key_filter.h"
#include "plugin/frame/number_fields.h"

#include <stdexcept>

namespace vamo::plugin {
namespace {

// A pick list shows its first item only when that is the stored text, else its second.
std::string pickedItem(const FieldSpec& spec, const std::string& stored) {
    if (spec.items.size() < 2 || stored == spec.items[0]) {
        return spec.items.empty() ? stored : spec.items[0];
    }
    return spec.items[1];
}

} // namespace

PanelModel::PanelModel(const MethodDescriptor& method, sh_set_all_m& record, DivisorSink handOver)
    : method_(method),
      record_(record),
      handOver_(std::move(handOver)),
      strengthDecimals_(method.initialStrengthDecimals) {
    for (const FieldSpec& spec : method_.fields) {
        fields_[index(spec.id)] = FieldState{.enabled = spec.startsEnabled, .visible = spec.visible};
    }
}

const FieldState& PanelModel::field(FieldId id) const {
    if (!hasField(id)) {
        throw std::out_of_range("the panel of " + method_.name + " has no field "
                                + std::string(objectName(id)));
    }
    return *fields_[index(id)];
}

FieldState& PanelModel::mutableField(FieldId id) {
    field(id); // throws for a field the plug-in does not have
    return *fields_[index(id)];
}

void PanelModel::fieldChanged(FieldId id) {
    if (observer_ != nullptr) {
        observer_->fieldChanged(id);
    }
}

void PanelModel::setText(FieldId id, std::string text) {
    mutableField(id).text = std::move(text);
    fieldChanged(id);
}

void PanelModel::setItems(FieldId id, std::vector<std::string> items) {
    mutableField(id).items = std::move(items);
    fieldChanged(id);
}

void PanelModel::setEnabled(FieldId id, bool enabled) {
    mutableField(id).enabled = enabled;
    fieldChanged(id);
}

void PanelModel::setVisible(FieldId id, bool visible) {
    mutableField(id).visible = visible;
    fieldChanged(id);
}

bool PanelModel::acceptsKey(FieldId id, char32_t typed) const {
    return acceptsTypedCharacter(method_.field(id).filter, text(id), typed);
}

void PanelModel::FormShow(const CalendarDate& today, const std::filesystem::path& sysSetIni) {
    setText(FieldId::Edit_bh, compactDate(today) + "00001");
    forceDecimals_ = "2";
    strengthDecimals_ = method_.initialStrengthDecimals;
    sizeDecimals_ = "3";

    const platform::IniFile ini(sysSetIni);
    const std::string section = settings::pluginSection(method_.name);
    for (const FieldSpec& spec : method_.fields) {
        if (spec.key.empty()) {
            continue;
        }
        setItems(spec.id, spec.items);
        std::string value =
            spec.restored ? ini.valueOr(section, spec.key, spec.defaultText) : spec.defaultText;
        if (spec.kind == FieldKind::PickList) {
            value = pickedItem(spec, value);
        }
        setText(spec.id, std::move(value));
    }
    if (method_.grade == GradeRule::TwoDecimalsForTwoMpa) {
        ComboBox_qddjChange();
    }

    ComboBox_ddlxChange();
    record_.curorder = "0";
    record_.shch_flag.clear();
    ComboBox_sjksChange();
    sizeHandler();
}

void PanelModel::save_menu(const std::filesystem::path& sysSetIni) const {
    platform::IniFile ini(sysSetIni);
    const std::string section = settings::pluginSection(method_.name);
    for (FieldId id : method_.saveOrder) {
        ini.setValue(section, method_.field(id).key, text(id));
    }
    ini.save();
}

void PanelModel::lockFields() {
    for (FieldId id : method_.lockedFields) {
        if (hasField(id)) {
            setEnabled(id, false);
        }
    }
}

void PanelModel::unlockFields() {
    for (FieldId id : method_.lockedFields) {
        if (hasField(id)) {
            setEnabled(id, true);
        }
    }
}

double PanelModel::numberIn(FieldId id) const {
    return plugin::numberIn(text(id), method_.field(id).caption);
}

int PanelModel::integerIn(FieldId id) const {
    return plugin::integerIn(text(id), method_.field(id).caption);
}

float PanelModel::targetSpeed() const {
    switch (method_.speed) {
    case SpeedSource::SpeedLabel:
        return static_cast<float>(numberIn(FieldId::speed));
    case SpeedSource::StressRateField:
        return static_cast<float>(numberIn(FieldId::ComboBox_ylsd));
    case SpeedSource::StressRateFieldPerThousand:
        return static_cast<float>(numberIn(FieldId::ComboBox_ylsd) / 1000);
    }
    return 0;
}

void PanelModel::setGridCell(int column, int row, std::string text) {
    grid_.setCell(column, row, std::move(text));
    if (observer_ != nullptr) {
        observer_->gridChanged();
    }
}

void PanelModel::handOverDivisor(float divisor) {
    strengthDivisor_ = divisor;
    if (handOver_) {
        handOver_(divisor);
    }
}

} // namespace vamo::plugin
