// The handlers of the parameter panel and the event table that runs them.
#include "platform/number_text.h"
#include "plugin/frame/panel_model.h"
#include "plugin/frame/size_rules.h"

namespace vamo::plugin {

void PanelModel::operatorChanged(FieldId id, std::string newText) {
    setText(id, std::move(newText));
    switch (id) {
    case FieldId::ComboBox_mj:
    case FieldId::ComboBox_bc:
        if (method_.size.field == id) {
            sizeHandler();
        }
        break;
    case FieldId::ComboBox_kj:
        if (method_.size.spanChangeRunsHandler) {
            sizeHandler();
        }
        break;
    case FieldId::ComboBox_xzxs:
        if (method_.factorHandlerActs) {
            ComboBox_xzxsChange();
        }
        break;
    case FieldId::ComboBox_ylsd:
    case FieldId::ComboBox_tichu:
        ComboBox_ylsdChange();
        break;
    case FieldId::ComboBox_sjks:
        ComboBox_sjksChange();
        break;
    case FieldId::ComboBox_ddlx:
        ComboBox_ddlxChange();
        break;
    case FieldId::ComboBox_qddj:
        ComboBox_qddjChange();
        break;
    default:
        break;
    }
}

void PanelModel::sizeHandler() {
    const SizeRule& rule = method_.size;
    const std::string_view span =
        hasField(FieldId::ComboBox_kj) ? std::string_view(text(FieldId::ComboBox_kj)) : "";
    const SizeInputs inputs{.sizeText = text(rule.field),
                            .spanText = span,
                            .recordSize2 = record_.size2,
                            .sizeCaption = method_.field(rule.field).caption};
    const SizeOutcome outcome = evaluateSize(rule, inputs);
    areaFactor_ = outcome.areaFactor;
    if (outcome.factorItem && hasField(FieldId::ComboBox_xzxs)) {
        setText(FieldId::ComboBox_xzxs, *outcome.factorItem);
    }
    if (outcome.firstDimension) {
        firstDimension_ = *outcome.firstDimension;
    }
    if (outcome.secondDimension) {
        secondDimension_ = *outcome.secondDimension;
    }

    switch (rule.after) {
    case AfterArea::FactorThenStressRate:
        ComboBox_xzxsChange();
        ComboBox_ylsdChange();
        break;
    case AfterArea::Factor:
        ComboBox_xzxsChange();
        break;
    case AfterArea::DivideByFactor:
        handOverDivisor(static_cast<float>(areaFactor_ / numberIn(FieldId::ComboBox_xzxs)));
        break;
    case AfterArea::AreaIsDivisorThenStressRate:
        handOverDivisor(areaFactor_);
        ComboBox_ylsdChange();
        break;
    }
}

void PanelModel::ComboBox_xzxsChange() {
    handOverDivisor(static_cast<float>(areaFactor_ / numberIn(FieldId::ComboBox_xzxs)));
}

void PanelModel::ComboBox_ylsdChange() {
    if (!method_.stressRateComputesSpeed) {
        return;
    }
    const double speed = numberIn(FieldId::ComboBox_ylsd) * static_cast<double>(areaFactor_);
    setText(FieldId::speed, platform::formatFixed(speed, 2));
}

void PanelModel::ComboBox_sjksChange() {
    const auto parsed = platform::parseInteger(text(FieldId::ComboBox_sjks));
    // The cells are cleared and titled before the count is read, also when reading it fails.
    const auto clearWithTitles = [this](int rows) {
        grid_.reset(rows);
        for (int column = 0; column < ResultGrid::kColumns; ++column) {
            grid_.setCell(column, 0, method_.gridTitles[static_cast<std::size_t>(column)]);
        }
    };
    if (!parsed && method_.countMustBeInteger) {
        clearWithTitles(grid_.rowCount());
        if (observer_ != nullptr) {
            observer_->gridChanged();
        }
        integerIn(FieldId::ComboBox_sjks); // raises the conversion error
    }
    // A count that is no integer, or none a grid can hold, gives the grid of one specimen.
    const int count = parsed && *parsed >= 0 && *parsed <= kMaxGridSpecimens ? *parsed : 1;

    clearWithTitles(count + 3);
    for (int row = 1; row <= count; ++row) {
        grid_.setCell(0, row, "第" + std::to_string(row) + "块");
    }
    grid_.setCell(0, count + 1, method_.validForceRowLabel);
    grid_.setCell(0, count + 2, "有效强度");
    if (observer_ != nullptr) {
        observer_->gridChanged();
    }
}

void PanelModel::ComboBox_ddlxChange() {
    if (hasField(FieldId::ComboBox_yssj)) {
        setVisible(FieldId::ComboBox_yssj, text(FieldId::ComboBox_ddlx) != "单独试验");
    }
}

void PanelModel::ComboBox_qddjChange() {
    switch (method_.grade) {
    case GradeRule::TwoDecimalsForTwoMpa:
        strengthDecimals_ = text(FieldId::ComboBox_qddj) == "2Mpa" ? "2" : "1";
        break;
    case GradeRule::AlwaysTwoDecimals:
        strengthDecimals_ = "2";
        break;
    case GradeRule::None:
        break;
    }
}

} // namespace vamo::plugin
