#include "plugin/frame/tconcflex_form.h"

#include "plugin/frame/export_guard.h"
#include "plugin/frame/host_window.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

using vamo::plugin::FieldId;
using vamo::plugin::FieldKind;
using vamo::plugin::FieldSpec;

namespace {

constexpr int kTitleHeight = 36;
constexpr int kRowHeight = 30;
constexpr int kGroupPadding = 24;
constexpr int kMargin = 4;
constexpr int kFirstColumnWidth = 85;
constexpr int kNoMaxLength = 32767; // QLineEdit's own "no limit"

QString toQt(const std::string& text) {
    return QString::fromStdString(text);
}

QStringList toQt(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) {
        list.append(toQt(item));
    }
    return list;
}

QFont titleFont() {
    QFont font;
    font.setFamilies({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"), QStringLiteral("AR PL UKai CN"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(24);
    return font;
}

} // namespace

Tconcflex_form::Tconcflex_form(vamo::plugin::PanelModel& model, vamo::plugin::HostEdges& hostEdges,
                               vamo::platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      model_(model),
      hostEdges_(hostEdges),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("concflex_form"));
    const auto& layout = model_.method().layout;
    setFixedSize(layout.width, layout.height);
    buildTitle();
    buildFields();
    buildGrid();
    for (const FieldSpec& spec : model_.method().fields) {
        fieldChanged(spec.id);
    }
    gridChanged();
    model_.setObserver(this);
}

Tconcflex_form::~Tconcflex_form() {
    model_.setObserver(nullptr);
}

void Tconcflex_form::buildTitle() {
    title_ = new QLabel(toQt(model_.method().title), this);
    title_->setObjectName(QStringLiteral("StaticText_modal"));
    title_->setAlignment(Qt::AlignCenter);
    title_->setFont(titleFont());
    title_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette palette = title_->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    title_->setPalette(palette);
    title_->setGeometry(0, 0, width(), kTitleHeight);
}

void Tconcflex_form::buildGrid() {
    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->setColumnCount(vamo::plugin::ResultGrid::kColumns);
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setColumnWidth(0, kFirstColumnWidth);
    const int otherWidth = (width() - kFirstColumnWidth - 2 * kMargin - 4) / 2;
    grid_->setColumnWidth(1, otherWidth);
    grid_->setColumnWidth(2, otherWidth);
    const int top = kTitleHeight + kMargin;
    grid_->setGeometry(0, top, width(), std::max(0, group_->y() - kMargin - top));
    grid_->setMouseTracking(true);
    grid_->viewport()->setMouseTracking(true);
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
}

void Tconcflex_form::buildFields() {
    group_ = new QGroupBox(this);
    group_->setObjectName(QStringLiteral("GroupBox1"));
    auto* rows = new QGridLayout(group_);
    rows->setContentsMargins(6, 12, 6, 6);
    rows->setVerticalSpacing(4);
    int row = 0;
    for (const FieldSpec& spec : model_.method().fields) {
        FieldWidgets& widgets = widgetsOf(spec.id);
        widgets.caption = new QLabel(toQt(spec.caption), group_);
        widgets.caption->setObjectName(QString::fromLatin1(vamo::plugin::captionObjectName(spec.id)));
        widgets.control = makeControl(spec, widgets);
        widgets.control->setObjectName(QString::fromLatin1(vamo::plugin::objectName(spec.id)));
        widgets.control->setFixedHeight(kRowHeight - 6);
        rows->addWidget(widgets.caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        rows->addWidget(widgets.control, row, 1);
        ++row;
    }
    rows->setColumnStretch(1, 1);
    const int groupHeight = row * kRowHeight + kGroupPadding;
    group_->setGeometry(kMargin, height() - groupHeight - kMargin, width() - 2 * kMargin, groupHeight);
    group_->setMouseTracking(true);
    group_->installEventFilter(this);
}

QWidget* Tconcflex_form::makeControl(const FieldSpec& spec, FieldWidgets& widgets) {
    const FieldId id = spec.id;
    switch (spec.kind) {
    case FieldKind::Label:
        widgets.value = new QLabel(group_);
        return widgets.value;
    case FieldKind::Text:
        widgets.edit = new QLineEdit(group_);
        connect(widgets.edit, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { operatorChanged(id, text); });
        break;
    case FieldKind::PickList:
        widgets.list = new QComboBox(group_);
        connect(widgets.list, &QComboBox::currentIndexChanged, this,
                [this, id](int index) { operatorChanged(id, widgetsOf(id).list->itemText(index)); });
        return widgets.list;
    case FieldKind::List:
        widgets.list = new QComboBox(group_);
        widgets.list->setEditable(true);
        widgets.list->setInsertPolicy(QComboBox::NoInsert);
        widgets.list->setCompleter(nullptr); // the text is what the operator typed or picked
        widgets.edit = widgets.list->lineEdit();
        connect(widgets.list, &QComboBox::currentTextChanged, this,
                [this, id](const QString& text) { operatorChanged(id, text); });
        break;
    }
    widgets.edit->setMaxLength(spec.maxLength > 0 ? spec.maxLength : kNoMaxLength);
    widgets.edit->installEventFilter(this);
    return widgets.list != nullptr ? static_cast<QWidget*>(widgets.list) : widgets.edit;
}

void Tconcflex_form::operatorChanged(FieldId id, const QString& text) {
    vamo::plugin::guardedCall(dialogs_, [&] { model_.operatorChanged(id, text.toStdString()); });
}

bool Tconcflex_form::filterKey(FieldId id, QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return false; // focus changes and shortcuts are no typed characters
    }
    const QList<uint> typed = key->text().toUcs4();
    if (typed.size() != 1) {
        return false; // arrows, Delete and the like type nothing
    }
    return !model_.acceptsKey(id, static_cast<char32_t>(typed.front()));
}

bool Tconcflex_form::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && model_.method().layout.relayout
        && (watched == group_ || watched == grid_ || watched == grid_->viewport())) {
        relayout();
    }
    if (event->type() == QEvent::KeyPress) {
        for (const FieldSpec& spec : model_.method().fields) {
            if (widgetsOf(spec.id).edit == watched) {
                return filterKey(spec.id, event);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tconcflex_form::paintEvent(QPaintEvent* event) {
    if (model_.method().layout.relayout) {
        relayout();
    }
    QWidget::paintEvent(event);
}

void Tconcflex_form::relayout() {
    vamo::plugin::HostEdges edges;
    if (const QWidget* host = vamo::plugin::findHostMainWindow()) {
        const QRect frame = host->frameGeometry();
        edges = {frame.top(), frame.top() + frame.height()};
    }
    const auto geometry =
        vamo::plugin::relayout(model_.method().layout, hostEdges_, edges, group_->height(), title_->height());
    if (!geometry) {
        return;
    }
    grid_->resize(grid_->width(), std::max(0, geometry->gridHeight));
    group_->move(group_->x(), geometry->groupTop);
}

void Tconcflex_form::fieldChanged(FieldId id) {
    FieldWidgets& widgets = widgetsOf(id);
    if (widgets.control == nullptr) {
        return;
    }
    const vamo::plugin::FieldState& state = model_.field(id);
    const QString text = toQt(state.text);
    const QSignalBlocker blocker(widgets.control);
    if (widgets.list != nullptr) {
        const QStringList items = toQt(state.items);
        QStringList shown;
        for (int i = 0; i < widgets.list->count(); ++i) {
            shown.append(widgets.list->itemText(i));
        }
        if (shown != items) {
            widgets.list->clear();
            widgets.list->addItems(items);
        }
        if (widgets.list->isEditable()) {
            if (widgets.list->currentText() != text) {
                widgets.list->setEditText(text);
            }
        } else {
            widgets.list->setCurrentIndex(widgets.list->findText(text));
        }
    } else if (widgets.edit != nullptr) {
        if (widgets.edit->text() != text) {
            widgets.edit->setText(text);
        }
    } else if (widgets.value != nullptr) {
        widgets.value->setText(text);
    }
    widgets.control->setEnabled(state.enabled);
    widgets.control->setVisible(state.visible);
    widgets.caption->setVisible(state.visible);
}

void Tconcflex_form::gridChanged() {
    const vamo::plugin::ResultGrid& cells = model_.grid();
    grid_->setRowCount(cells.rowCount());
    const QBrush fixedBackground = palette().button();
    for (int row = 0; row < cells.rowCount(); ++row) {
        for (int column = 0; column < vamo::plugin::ResultGrid::kColumns; ++column) {
            auto* item = new QTableWidgetItem(toQt(cells.cell(column, row)));
            item->setFlags(Qt::ItemIsEnabled);
            if (row == 0 || column == 0) {
                item->setBackground(fixedBackground); // the fixed row and column
            }
            grid_->setItem(row, column, item);
        }
    }
}
