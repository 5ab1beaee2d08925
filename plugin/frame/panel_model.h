#pragma once

#include "plugin/frame/calendar_date.h"
#include "plugin/frame/method_descriptor.h"
#include "plugin/frame/param_record.h"
#include "plugin/frame/result_grid.h"

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vamo::plugin {

// What a field shows now.
struct FieldState {
    std::string text{}; // for a pick list: the selected item
    std::vector<std::string> items{};
    bool enabled = true;
    bool visible = true; // the caption label follows the field
};

// Told about every change, so that a view can show it.
class PanelObserver {
public:
    virtual ~PanelObserver() = default;
    virtual void fieldChanged(FieldId id) = 0;
    virtual void gridChanged() = 0;
};

// Receives the strength divisor whenever it is recomputed (the host's fget_s).
using DivisorSink = std::function<void(float divisor)>;

// Counts beyond this build the grid of a count that is no integer, rather than millions of rows.
inline constexpr int kMaxGridSpecimens = 999;

// The parameter panel without its widgets: the fields, their handlers and the values derived from them.
// Setting a text from code runs no handler; operatorChanged() runs the handler of the event table.
class PanelModel {
public:
    PanelModel(const MethodDescriptor& method, sh_set_all_m& record, DivisorSink handOver);
    PanelModel(const PanelModel&) = delete;
    PanelModel& operator=(const PanelModel&) = delete;

    const MethodDescriptor& method() const { return method_; }
    void setObserver(PanelObserver* observer) { observer_ = observer; }

    bool hasField(FieldId id) const { return fields_[index(id)].has_value(); }
    // Throws std::out_of_range when the plug-in has no such field.
    const FieldState& field(FieldId id) const;
    const std::string& text(FieldId id) const { return field(id).text; }

    void setText(FieldId id, std::string text);
    void setItems(FieldId id, std::vector<std::string> items);
    void setEnabled(FieldId id, bool enabled);
    void setVisible(FieldId id, bool visible);

    // The operator changed a field (typed or picked): the new text, then the field's handler.
    void operatorChanged(FieldId id, std::string text);
    // Whether the field accepts a typed character, by its key filter and current text.
    bool acceptsKey(FieldId id, char32_t typed) const;

    // Shows the panel: today's first group number, the decimals, the stored choices of sys_set.ini,
    // curorder "0" and an empty shch_flag in the record, then every derived value.
    void FormShow(const CalendarDate& today, const std::filesystem::path& sysSetIni);
    // Writes the keys of the save order into the plug-in's section, in one save.
    void save_menu(const std::filesystem::path& sysSetIni) const;

    // The size handler (ComboBox_mjChange; in pasteflex the edge handler ComboBox_bcChange).
    void sizeHandler();
    // The factor handler: strength divisor := area_factor / ComboBox_xzxs, handed to the host.
    void ComboBox_xzxsChange();
    // The stress-rate handler: speed := ComboBox_ylsd * area_factor where the plug-in computes it.
    void ComboBox_ylsdChange();
    // The count handler: rebuilds the result grid for ComboBox_sjks specimens.
    void ComboBox_sjksChange();
    // The mode handler: the delay is shown only for continuous testing.
    void ComboBox_ddlxChange();
    // The grade handler: strength_decimals by grade where the plug-in says so.
    void ComboBox_qddjChange();

    void lockFields();
    void unlockFields();

    // dll_test_getsp: the load speed target in kN/s as the panel shows it.
    float targetSpeed() const;
    // The number (or integer) in a field; ConversionError naming the field when it holds none.
    double numberIn(FieldId id) const;
    int integerIn(FieldId id) const;

    float area_factor() const { return areaFactor_; }
    float strengthDivisor() const { return strengthDivisor_; }
    const std::string& force_decimals() const { return forceDecimals_; }
    const std::string& strength_decimals() const { return strengthDecimals_; }
    const std::string& size_decimals() const { return sizeDecimals_; }
    float first_dimension() const { return firstDimension_; }
    float second_dimension() const { return secondDimension_; }

    const ResultGrid& grid() const { return grid_; }
    void setGridCell(int column, int row, std::string text);

private:
    static std::size_t index(FieldId id) { return static_cast<std::size_t>(id); }
    FieldState& mutableField(FieldId id);
    void fieldChanged(FieldId id);
    void handOverDivisor(float divisor);

    const MethodDescriptor& method_;
    sh_set_all_m& record_;
    DivisorSink handOver_;
    PanelObserver* observer_ = nullptr;

    std::array<std::optional<FieldState>, kFieldCount> fields_;
    ResultGrid grid_;

    float areaFactor_ = 0;
    float strengthDivisor_ = 0;
    std::string forceDecimals_ = "2";
    std::string strengthDecimals_ = "1";
    std::string sizeDecimals_ = "3";
    float firstDimension_ = 0;
    float secondDimension_ = 0;
};

} // namespace vamo::plugin
