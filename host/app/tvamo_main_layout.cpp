// The controls of the main window: top strip of displays, chart, tool bar, right panel, status bar,
// menus, and the layout rules applied on resizing.
#include "host/app/core/method_table.h"
#include "host/app/core/server_link.h"
#include "host/app/core/window_layout.h"
#include "host/app/load_chart.h"
#include "host/app/qt_text.h"
#include "host/app/tvamo_main.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace vamo;
using vamo::host::qt;

namespace {

// Right-hand area for the plug-in's panel (the panels are 272 to 296 pixels wide).
constexpr int panelAreaWidth = 300;
constexpr std::array<int, 5> statusPanelWidths{200, 200, 200, 200, 50};

struct DisplaySpec {
    const char* panelName;
    const char* valueName;
    const char* caption;
};

// In the order of Tvamo_main::displays_.
constexpr std::array<DisplaySpec, 6> displaySpecs{{
    {"Panel_zh1", "press_display_windows", "载荷 (kN)"},
    {"Panel_zh1fz", "max_press_windows", "峰值 (kN)"},
    {"Panel_qd1", "intensity_dislay_windows", "强度 (MPa)"},
    {"Panel_qd1fz", "intensity_max_windows", "峰值 (MPa)"},
    {"Panel_sd1", "speed_display_windows", "速度 (kN/S)"},
    {"Panel_sj1", "run_time_windows", "时间(S)"},
}};

enum DisplayIndex { Force, PeakForce, Strength, PeakStrength, Speed, Time };

int rowHeightFor(int pointSize) {
    return pointSize * 2;
}

} // namespace

void Tvamo_main::buildControls() {
    auto* centre = new QWidget;
    auto* columns = new QHBoxLayout(centre);
    columns->setContentsMargins(2, 2, 2, 2);
    auto* left = new QVBoxLayout;
    left->addWidget(buildTopStrip());
    chart_ = new host::LoadChart(env_.programFolder / "shangchuan");
    left->addWidget(chart_, 1);
    columns->addLayout(left, 1);
    columns->addWidget(buildRightPanel());
    setCentralWidget(centre);
    buildToolBar();
    buildStatusBar();
    buildMenus();
}

QWidget* Tvamo_main::buildTopStrip() {
    topStrip_ = new QWidget;
    topStrip_->setObjectName("Panel_top");
    for (std::size_t i = 0; i < displaySpecs.size(); ++i) {
        auto* panel = new QFrame(topStrip_);
        panel->setObjectName(displaySpecs[i].panelName);
        panel->setFrameShape(QFrame::StyledPanel);
        auto* row = new QHBoxLayout(panel);
        row->setContentsMargins(4, 0, 4, 0);
        auto* caption = new QLabel(qt(displaySpecs[i].caption));
        auto* value = new QLabel("0.00");
        value->setObjectName(displaySpecs[i].valueName);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setStyleSheet("color: #0000c0;");
        value->setContextMenuPolicy(Qt::CustomContextMenu);
        row->addWidget(caption);
        row->addWidget(value, 1);
        displays_[i] = {panel, value};
    }
    displays_[Time].value->setText("0.0");
    const std::array<std::pair<DisplayIndex, settings::DisplayDecimals>, 5> menus{{
        {Force, settings::DisplayDecimals::Force},
        {PeakForce, settings::DisplayDecimals::Force},
        {Strength, settings::DisplayDecimals::Strength},
        {PeakStrength, settings::DisplayDecimals::Strength},
        {Speed, settings::DisplayDecimals::Speed},
    }};
    for (const auto& [index, kind] : menus) {
        QLabel* value = displays_[index].value;
        const int items = kind == settings::DisplayDecimals::Speed ? 3 : 4;
        QMenu* menu = decimalsMenu(kind, items);
        menu->setParent(value, menu->windowFlags());
        connect(value, &QWidget::customContextMenuRequested, this,
                [menu, value](const QPoint& at) { menu->popup(value->mapToGlobal(at)); });
    }
    return topStrip_;
}

QMenu* Tvamo_main::decimalsMenu(settings::DisplayDecimals display, int items) {
    auto* menu = new QMenu(this);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (int decimals = 0; decimals < items; ++decimals) {
        QAction* action = menu->addAction(QString::number(decimals) + QStringLiteral("位"));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, display, decimals] {
            handled([&] {
                auto& inputs = live_.inputs();
                switch (display) {
                case settings::DisplayDecimals::Force:
                    inputs.forceDecimals = decimals;
                    break;
                case settings::DisplayDecimals::Strength:
                    inputs.strengthDecimals = decimals;
                    break;
                case settings::DisplayDecimals::Speed:
                    inputs.speedDecimals = decimals;
                    break;
                }
                settings::writeDisplayDecimals(settingsFile_, display, decimals);
            });
        });
    }
    // Opening the menu ticks the item of the current setting (none for a value outside the items).
    connect(menu, &QMenu::aboutToShow, this, [this, menu, display] {
        const auto& inputs = live_.inputs();
        const int current = display == settings::DisplayDecimals::Force      ? inputs.forceDecimals
                            : display == settings::DisplayDecimals::Strength ? inputs.strengthDecimals
                                                                             : inputs.speedDecimals;
        const auto actions = menu->actions();
        for (int i = 0; i < actions.size(); ++i) {
            actions[i]->setChecked(i == current);
        }
    });
    return menu;
}

void Tvamo_main::buildToolBar() {
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addToolBar(Qt::BottomToolBarArea, toolBar_);
    auto makeButton = [this](const char* name, const char* text) {
        auto* button = new QToolButton;
        button->setObjectName(name);
        button->setText(qt(text));
        button->setMinimumWidth(host::toolButtonWidth);
        toolBar_->addWidget(button);
        return button;
    };
    testSelect_ = makeButton("test_select", "试验选择");
    mainPrint_ = makeButton("main_print", "打印报告");
    endGroup_ = makeButton("end_1", "结束一组");
    testExit_ = makeButton("test_exit", "退出");
    imageButtons_ = {makeButton("press_bd", ""), makeButton("press_jd", ""), makeButton("press_dh", "")};

    methodMenu_ = new QMenu(testSelect_);
    methodMenu_->setObjectName("PopupMenu_test");
    const auto& table = host::methodTable();
    for (int i = 0; i < host::methodCount; ++i) {
        QAction* action = methodMenu_->addAction(qt(table[static_cast<std::size_t>(i)].caption));
        action->setObjectName(qt(table[static_cast<std::size_t>(i)].menuItem));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { chooseMethod(i); });
        methodActions_.push_back(action);
    }
    // The window definition ticks item 2; start-up chooses method 0, which unticks it.
    methodActions_[2]->setChecked(true);
    connect(methodMenu_, &QMenu::aboutToShow, this, [this] { run().abandonRun(); });
    testSelect_->setMenu(methodMenu_);
    testSelect_->setPopupMode(QToolButton::InstantPopup);

    connect(testExit_, &QToolButton::clicked, this, &Tvamo_main::shutdown);
    connect(endGroup_, &QToolButton::clicked, this, &Tvamo_main::onEndGroup);

    uploadGroup_ = new QGroupBox;
    uploadGroup_->setObjectName("gropbox_sh");
    auto* uploadRow = new QHBoxLayout(uploadGroup_);
    uploadRow->setContentsMargins(4, 0, 4, 0);
    linkLabel_ = new QLabel(qt(host::linkLabelUnknown));
    linkLabel_->setObjectName("Label_lwzt");
    auto* configure = new QPushButton(QStringLiteral("用户配置"));
    configure->setObjectName("BitBtn_user_config");
    uploadRow->addWidget(linkLabel_);
    uploadRow->addWidget(configure);
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolBar_->addWidget(spacer);
    uploadGroupAction_ = toolBar_->addWidget(uploadGroup_);
    uploadGroupAction_->setVisible(false);
}

QWidget* Tvamo_main::buildRightPanel() {
    auto* right = new QWidget;
    right->setFixedWidth(panelAreaWidth);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    panel1_ = new QWidget;
    panel1_->setObjectName("Panel1");
    column->addWidget(panel1_, 1);
    auto* runRow = new QHBoxLayout;
    startButton_ = new QPushButton(QStringLiteral("开始"));
    startButton_->setObjectName("test_start_b");
    stopButton_ = new QPushButton(QStringLiteral("停止"));
    stopButton_->setObjectName("test_stop_b");
    autoStart_ = new QCheckBox(QStringLiteral("自动采集"));
    autoStart_->setObjectName("CheckBox_sjcj");
    runRow->addWidget(startButton_);
    runRow->addWidget(stopButton_);
    runRow->addWidget(autoStart_);
    column->addLayout(runRow);
    connect(startButton_, &QPushButton::clicked, this, &Tvamo_main::onStart);
    connect(stopButton_, &QPushButton::clicked, this, &Tvamo_main::onStop);
    return right;
}

void Tvamo_main::buildStatusBar() {
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setMinimumWidth(statusPanelWidths[i]);
        const bool last = i + 1 == statusPanels_.size();
        if (!last) {
            label->setMaximumWidth(statusPanelWidths[i]);
        }
        // The last panel takes the rest of the bar, as the station label needs more than its 50 pixels.
        statusBar()->addWidget(label, last ? 1 : 0);
        statusPanels_[i] = label;
    }
}

void Tvamo_main::buildMenus() {
    QMenu* users = menuBar()->addMenu(QStringLiteral("用户设置(&U)"));
    userAction_ = users->addAction(QStringLiteral("用户操作"), this, &Tvamo_main::onUserManagement);
    logoutAction_ = users->addAction(QStringLiteral("用户注销"), this, &Tvamo_main::onLogout);
    users->addAction(QStringLiteral("退出"), this, &Tvamo_main::shutdown);
    systemMenu_ = menuBar()->addMenu(QStringLiteral("系统设定&S"));
    advancedAction_ =
        systemMenu_->addAction(QStringLiteral("高级参数"), this, &Tvamo_main::onParameterSettings);
    systemMenu_->addAction(QStringLiteral("系统参数"), this, &Tvamo_main::onSystemParameters);
    systemMenu_->addAction(QStringLiteral("串口设置"), this, &Tvamo_main::onSerialSettings);
}

void Tvamo_main::applyDisplayFonts(int pointSize) {
    for (const auto& display : displays_) {
        QFont font = display.value->font();
        font.setPointSize(pointSize);
        font.setBold(true);
        display.value->setFont(font);
    }
}

void Tvamo_main::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    const auto layout = host::topStripLayout(width(), panelAreaWidth);
    applyDisplayFonts(layout.displayFontSize);
    QFont toolFont = toolBar_->font();
    toolFont.setPointSize(layout.toolBarFontSize);
    toolBar_->setFont(toolFont);
    testSelect_->setText(QStringLiteral("试验选择"));

    const int rowHeight = rowHeightFor(layout.displayFontSize);
    topStrip_->setFixedHeight(2 * rowHeight + 2);
    auto place = [&](DisplayIndex index, const host::TopStripLayout::Box& panel,
                     const host::TopStripLayout::Box& value, int row) {
        displays_[index].panel->setGeometry(panel.left, row * rowHeight, panel.width, rowHeight);
        displays_[index].value->setFixedWidth(value.width);
    };
    place(Force, layout.forcePanel, layout.forceDisplay, 0);
    place(Strength, layout.strengthPanel, layout.strengthDisplay, 0);
    place(Speed, layout.speedPanel, layout.speedDisplay, 0);
    place(PeakForce, layout.peakForcePanel, layout.peakForceDisplay, 1);
    place(PeakStrength, layout.peakStrengthPanel, layout.peakStrengthDisplay, 1);
    place(Time, layout.timePanel, layout.timeDisplay, 1);
}

void Tvamo_main::refreshDisplays() {
    const auto& texts = live_.texts();
    displays_[Force].value->setText(qt(texts.press_display_windows));
    displays_[PeakForce].value->setText(qt(texts.max_press_windows));
    displays_[Speed].value->setText(qt(texts.speed_display_windows));
    displays_[Time].value->setText(qt(texts.run_time_windows));
    displays_[Strength].value->setText(qt(texts.intensity_dislay_windows));
    displays_[PeakStrength].value->setText(qt(texts.intensity_max_windows));
    statusPanels_[3]->setText(qt(texts.statusPanel3));
    publishDisplays();
}
