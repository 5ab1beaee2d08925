#pragma once

#include "platform/dialogs.h"
#include "plugin/frame/panel_layout.h"
#include "plugin/frame/panel_model.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTableWidget;

// The parameter panel: a thin view over the panel model. Every operator change runs the model's
// handler; every model change is shown here without running a handler again.
class Tconcflex_form : public QWidget, private vamo::plugin::PanelObserver {
    Q_OBJECT

public:
    Tconcflex_form(vamo::plugin::PanelModel& model, vamo::plugin::HostEdges& hostEdges,
                   vamo::platform::Dialogs& dialogs, QWidget* parent = nullptr);
    ~Tconcflex_form() override;

    // Fits the result grid and the parameter group to the height of the host's main window.
    void relayout();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct FieldWidgets {
        QLabel* caption = nullptr;
        QWidget* control = nullptr;
        QLineEdit* edit = nullptr; // the text of an edit or of an editable list
        QComboBox* list = nullptr;
        QLabel* value = nullptr; // a read-only label
    };

    void fieldChanged(vamo::plugin::FieldId id) override;
    void gridChanged() override;

    void buildTitle();
    void buildGrid();
    void buildFields();
    QWidget* makeControl(const vamo::plugin::FieldSpec& spec, FieldWidgets& widgets);
    void operatorChanged(vamo::plugin::FieldId id, const QString& text);
    bool filterKey(vamo::plugin::FieldId id, QEvent* event);
    FieldWidgets& widgetsOf(vamo::plugin::FieldId id) { return fields_[static_cast<std::size_t>(id)]; }

    vamo::plugin::PanelModel& model_;
    vamo::plugin::HostEdges& hostEdges_;
    vamo::platform::Dialogs& dialogs_;
    QLabel* title_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QGroupBox* group_ = nullptr;
    std::array<FieldWidgets, vamo::plugin::kFieldCount> fields_{};
};
