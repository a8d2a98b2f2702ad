// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gui/main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QSlider>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>

#include "app/catalogue.h"
#include "app/control_readout.h"
#include "app/drawing_scale.h"
#include "app/menu_items.h"
#include "app/print_layout.h"
#include "gui/about_box.h"
#include "gui/control_panel_view.h"
#include "gui/glyph_button.h"
#include "gui/glyphs.h"
#include "gui/panel_dock.h"
#include "gui/picture_files.h"
#include "gui/picture_view.h"
#include "gui/remembered_settings.h"
#include "gui/startup.h"
#include "gui/window_sizing.h"
#include "library/format.h"
#include "windows/help_window.h"
#include "windows/memo_window.h"
#include "windows/print_dialog.h"
#include "windows/table_window.h"

namespace viv {

namespace {

using M = MainWindowModel;

constexpr int kButtonBarHeight = 32;  // pixels
constexpr int kFontPixelHeight = 11;
constexpr int kLegendPixelHeight = 12;
constexpr int kStatusLineHeight = 22;  // pixels
constexpr int kSplitterWidth = 3;      // pixels
constexpr int kPanelMinimum = 50;      // pixels: no status panel is made narrower
constexpr char kVisMenu[] = "Vis1";
constexpr int kDockMinimumWidth = 300;  // pixels: the memo's lines stay readable
// What the window remembers between runs.
constexpr char kPlacesKey[] = "vinduer/paneler";         // the memo's and the table's places
constexpr char kSaveFolderKey[] = "filer/sidstemappe";   // the folder of the last save
constexpr int kStatusPanelWidths[] = {65, 65, 89, 400};  // pixels: Panel1..3, MessagePanel

// The status panels' widths, larger by `scale`.
QList<int> StatusPanelWidths(double scale) {
    QList<int> widths;
    for (const int w : kStatusPanelWidths) widths.append(static_cast<int>(std::lround(w * scale)));
    return widths;
}
constexpr char kSmoothKey[] = "visning/glat";  // smooth drawing, on unless turned off
constexpr int kPlacesVersion = 1;

// "<name> kunne ikke gemmes: " and why, e.g. "Der er ikke plads på disken".
std::string SaveFailedMessage(const QString& path, const std::string& reason) {
    return QFileInfo(path).fileName().toStdString() + " kunne ikke gemmes: " + reason + ".";
}

// The scroll bars and track bars of the control panel, a row each, top to bottom.
struct RangeControlView {
    const char* Name;
    Control Which;
    bool ScrollBar;  // else a track bar
};
constexpr RangeControlView kRangeControls[] = {
    {"ScrollBar1", Control::ScrollBar1, true}, {"ScrollBar2", Control::ScrollBar2, true},
    {"ScrollBar3", Control::ScrollBar3, true}, {"TrackBar1", Control::TrackBar1, false},
    {"TrackBar2", Control::TrackBar2, false},  {"TrackBar3", Control::TrackBar3, false},
    {"TrackBar4", Control::TrackBar4, false},
};
constexpr int kControlMinimumWidth = 170;  // pixels: a comfortable length to drag along
constexpr int kValueMinimumWidth = 70;     // pixels: the value does not make the row jump

// The animation buttons, each with its glyph and its handler.
// Each is reached from the keyboard by the shortcut of its item in the "&Vis" menu, which
// its tool tip shows.
struct AnimationButtonView {
    const char* Name;
    ToolButton M::*Button;
    bool Toggle;
    QIcon (*Glyph)();
    void (App::*Click)();
    // Shown beside the glyph when the button has no caption of its own, and read by screen
    // readers: the glyph says nothing.
    const char* SpokenName;
    const char* Shortcut;
};
constexpr AnimationButtonView kAnimationButtons[] = {
    {"RunButton", &M::RunButton, true, &RunStopGlyph, &App::RunButtonClick, "Kør/Stop", "Ctrl+K"},
    {"SlowMotionButton", &M::SlowMotionButton, true, &SpeedometerGlyph, &App::SlowMotionButtonClick,
     "Langsomt", "Ctrl+W"},
    {"StepButton", &M::StepButton, false, &StepGlyph, &App::StepButtonClick, "Frem", "Ctrl+F"},
};

// What the keys do to a scroll bar or track bar, for screen readers.
constexpr char kRangeKeys[] = "Piletaster, Page Up/Page Down, Home/End";

struct FButtonView {
    const char* Name;
    FKey Key;
    ToolButton M::*Button;
    const char* Shortcut;
};
constexpr FButtonView kFButtons[] = {
    {"F2Button", FKey::F2, &M::F2Button, "F2"}, {"F3Button", FKey::F3, &M::F3Button, "F3"},
    {"F4Button", FKey::F4, &M::F4Button, "F4"}, {"F5Button", FKey::F5, &M::F5Button, "F5"},
    {"F6Button", FKey::F6, &M::F6Button, "F6"},
};

// The buttons of the bar look like buttons, and a pressed toggle stands out.
constexpr char kButtonBarStyle[] =
    "QToolButton { border: 1px solid palette(mid); border-radius: 3px; padding: 2px 6px;"
    " background: palette(button); }"
    "QToolButton:hover { border-color: palette(highlight); }"
    "QToolButton:focus { border: 2px solid palette(highlight); }"
    "QToolButton:checked { background: palette(highlight); color: palette(highlighted-text);"
    " border-color: palette(dark); }";

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The core writes every number with a decimal point; the window shows it with the
// system's decimal separator.
QString LocalDecimals(const QString& text, char decimal) {
    if (decimal == '.') return text;
    return Q(WithDecimalSeparator(text.toStdString(), decimal));
}
void SetText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

// A read-out of the status line: a sunken panel that never forces the line wider.
QLabel* StatusPanel(const char* name, Qt::Alignment alignment) {
    auto* panel = new QLabel;
    panel->setObjectName(QString::fromLatin1(name));
    panel->setTextFormat(Qt::PlainText);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAlignment(alignment | Qt::AlignVCenter);
    panel->setMinimumWidth(kPanelMinimum);
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return panel;
}

}  // namespace

void MainWindow::AddPresentationExit() {
    auto* leavePresentation = new QAction(this);
    leavePresentation->setObjectName(QStringLiteral("LeavePresentation"));
    leavePresentation->setShortcut(QKeySequence(Qt::Key_Escape));
    leavePresentation->setShortcutContext(Qt::WindowShortcut);
    connect(leavePresentation, &QAction::triggered, this, [this] {
        if (app_.Window.Presentation) Act([this] { SetPresentation(false); });
    });
    addAction(leavePresentation);
}

QWidget* MainWindow::BuildCentralWidget() {
    auto* central = new QWidget(this);
    // A small sans-serif face, so that the captions fit their narrow buttons and panels.
    QFont small = central->font();
    small.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                       QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans")});
    small.setPixelSize(kFontPixelHeight);
    central->setFont(small);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildButtonBar());
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(BuildControlPanel());
    middle->addWidget(BuildScrollBox(), 1);
    column->addLayout(middle, 1);
    column->addWidget(BuildStatusLine());
    return central;
}

MainWindow::MainWindow(const Catalogue& catalogue, QWidget* parent)
    : MainWindow(catalogue, SystemStartupEnvironment(), parent) {}

MainWindow::MainWindow(const Catalogue& catalogue, const StartupEnvironment& env, QWidget* parent)
    : QMainWindow(parent), app_(host_, catalogue) {
    setObjectName(QStringLiteral("vivarnonMenu"));

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->size() : QSize(1024, 768);
    const WindowSizing sizing = SizeForScreen(screenSize.width(), screenSize.height());
    if (sizing.WideTrackBars) {
        app_.Window.TrackBar1.Width = WideTrackBarWidth;
        app_.Window.TrackBar2.Width = WideTrackBarWidth;
    }

    BuildMenu();
    AddPresentationExit();
    setCentralWidget(BuildCentralWidget());

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Clock"));
    timer_->setInterval(app_.Window.Clock.Interval);
    connect(timer_, &QTimer::timeout, this, [this] { Act([this] { app_.OnClockTick(); }); });

    host_.Bind({this, scrollPanel_, scrollBox_, picture_});
    host_.SetWords([this](std::string_view danish) { return app_.Words(danish); });
    qtDanish_ = std::make_unique<QTranslator>();
    if (LoadQtTranslations(QLocale(QLocale::Danish, QLocale::Denmark), *qtDanish_))
        QCoreApplication::installTranslator(qtDanish_.get());
    else
        qtDanish_.reset();

    // Small enough for any screen; below the usual sizes the control panel scrolls.
    setMinimumSize(MinimumWindowWidth, MinimumWindowHeight);
    move(0, 0);
    resize(sizing.Width, sizing.Height);
    if (sizing.Maximised) setWindowState(windowState() | Qt::WindowMaximized);

    // The core is created once the layout has its size.
    ApplyDevicePixelRatio();
    host_.LayoutChanged(app_.Window);
    app_.FormCreate(env);
    ApplyDevicePixelRatio(true);
    app_.FormResize();
    print_ = std::make_unique<PrintCommands>(
        app_, this, [this] { SyncFromModel(); }, [this](const char* topic) { ShowHelp(topic); });
    created_ = true;
    ShowLanguage();
    SyncFromModel();
}

MainWindow::~MainWindow() {
    destroying_ = true;
    timer_->stop();
    if (qtDanish_) QCoreApplication::removeTranslator(qtDanish_.get());
}

QString MainWindow::Words(std::string_view danish) const {
    return Q(app_.Words(danish));
}

void MainWindow::SetLanguage(Language language) {
    Act([this, language] { app_.SetLanguage(language); });
    // The standard dialogs (print, open, save) and the message boxes' buttons speak the
    // program's language, whatever the system's.
    if (qtDanish_) {
        QCoreApplication::removeTranslator(qtDanish_.get());
        if (language == Language::Danish) QCoreApplication::installTranslator(qtDanish_.get());
    }
    if (settings_) {
        settings_->setValue(QLatin1String(LanguageKey), Q(LanguageCode(language)));
        settings_->sync();
    }
    // An open help window shows the help in the new language, from its beginning.
    if (help_ && help_->isVisible()) ShowHelp("");
}

void MainWindow::ShowLanguage() {
    shownLanguage_ = app_.CurrentLanguage();
    for (const MenuCaption& m : menuCaptions_) m.Action->setText(Words(m.Caption));
    nulstil_->setText(Words("Nulstil"));
    nulstil_->setToolTip(Words("Simulationens startværdier"));
    // The scroll bars of the picture's box and of the control panel's, for screen readers.
    scrollBox_->horizontalScrollBar()->setAccessibleName(Words("Rul billedet vandret"));
    scrollBox_->verticalScrollBar()->setAccessibleName(Words("Rul billedet lodret"));
    scrollPanel_->Box()->horizontalScrollBar()->setAccessibleName(Words("Rul panelet vandret"));
    scrollPanel_->Box()->verticalScrollBar()->setAccessibleName(Words("Rul panelet lodret"));
    // The tool tips are made anew from the hints in the new language.
    for (const ButtonWidget& b : buttons_) b.Widget->setStatusTip(QString());
    for (const RangeWidget& r : ranges_) r.Widget->setStatusTip(QString());
}

void MainWindow::AttachMemoWindow(MemoWindow* memo) {
    memo_ = memo;
    if (memo != nullptr) {
        connect(memo, &MemoWindow::ModelChanged, this, [this] { SyncFromModel(); });
        // A dock panel beside the picture, not a window over it.
        memo->setMinimumWidth(kDockMinimumWidth);
        auto* dock = new PanelDock(memo->windowTitle(), QStringLiteral("MemoDock"), memo, this);
        connect(dock, &PanelDock::Closed, this,
                [this] { Act([this] { app_.Memo.Visible = false; }); });
        addDockWidget(Qt::RightDockWidgetArea, dock);
        memoDock_ = dock;
        // Before the first showing the window grows by the panels, where the screen has room.
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (!isVisible() && !isMaximized() && screen != nullptr) {
            const int room = screen->availableGeometry().width() - width();
            const int wanted =
                kDockMinimumWidth + ControlPanelView::MinimumWidth - app_.Window.ScrollPanelWidth;
            if (room > 0) resize(width() + std::min(room, wanted), height());
        }
        memo->SyncFromModel();
        RestorePlaces();
    }
}

void MainWindow::AttachTableWindow(TableWindow* table) {
    table_ = table;
    if (table != nullptr) {
        connect(table, &TableWindow::ModelChanged, this, [this] { SyncFromModel(); });
        auto* dock = new PanelDock(table->windowTitle(), QStringLiteral("TableDock"), table, this);
        connect(dock, &PanelDock::Closed, this,
                [this] { Act([this] { app_.Table.Visible = false; }); });
        // The dock's title follows the table's caption.
        connect(table, &QWidget::windowTitleChanged, dock, &QDockWidget::setWindowTitle);
        addDockWidget(Qt::RightDockWidgetArea, dock);
        tableDock_ = dock;
        RestorePlaces();
    }
    SyncFromModel();
}

void MainWindow::RememberPlaces(std::shared_ptr<QSettings> settings) {
    settings_ = std::move(settings);
    RestorePlaces();
}

void MainWindow::RestorePlaces() {
    if (!settings_) return;
    const QByteArray state = settings_->value(QLatin1String(kPlacesKey)).toByteArray();
    if (!state.isEmpty()) restoreState(state, kPlacesVersion);
    const QString folder = settings_->value(QLatin1String(kSaveFolderKey)).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) saveDirectory_ = folder;
    const bool smooth = settings_->value(QLatin1String(kSmoothKey), true).toBool();
    if (smooth != app_.Window.SmoothDrawing) Act([this, smooth] { app_.SetSmoothDrawing(smooth); });
    // The docks show what the model says, whatever the remembered state.
    if (table_) table_->SyncFromModel();
    if (memo_) memo_->SyncFromModel();
}

void MainWindow::SavePlaces() {
    if (!settings_) return;
    settings_->setValue(QLatin1String(kPlacesKey), saveState(kPlacesVersion));
    if (!saveDirectory_.isEmpty())
        settings_->setValue(QLatin1String(kSaveFolderKey), saveDirectory_);
    settings_->setValue(QLatin1String(kSmoothKey), app_.Window.SmoothDrawing);
    settings_->sync();
}

// --- Building the window ---

void MainWindow::BuildMenu() {
    for (const MenuDef& def : MainMenu(app_.catalogue())) {
        QMenu* menu = menuBar()->addMenu(Q(def.Caption));
        menuCaptions_.push_back({menu->menuAction(), def.Caption});
        menu->setObjectName(Q(def.Name));
        menu->menuAction()->setStatusTip(Q(def.Hint));
        if (def.ClearsLegend)
            connect(menu, &QMenu::aboutToShow, this,
                    [this] { Act([this] { app_.SubjectMenuOpened(); }); });
        if (def.Name == kVisMenu)
            connect(menu, &QMenu::aboutToShow, this,
                    [this] { Act([this] { app_.OnViewMenuOpened(); }); });
        if (def.Name == "Filer1")
            connect(menu, &QMenu::aboutToShow, this,
                    [this] { Act([this] { OnFileMenuOpened(app_); }); });

        for (const MenuItemDef& item : def.Items) {
            if (item.Caption == "-") {
                menu->addSeparator()->setObjectName(Q(item.Name));
                continue;
            }
            QAction* action = menu->addAction(Q(item.Caption));
            menuCaptions_.push_back({action, item.Caption});
            action->setObjectName(Q(item.Name));
            action->setStatusTip(Q(item.Hint));
            if (!item.Shortcut.empty()) action->setShortcut(QKeySequence(Q(item.Shortcut)));
            action->setVisible(!item.Hidden);
            if (item.Simulation != 0) {
                const std::uint16_t n = item.Simulation;
                connect(action, &QAction::triggered, this,
                        [this, n] { Act([this, n] { app_.MenuEntry(n); }); });
            } else {
                const MenuCommand command = item.Command;
                connect(action, &QAction::triggered, this,
                        [this, command] { Act([this, command] { RunCommand(command); }); });
            }
            if (MenuItemState M::*bound = BoundMenuItem(item.Name))
                boundActions_.push_back({action, bound});
        }
    }
}

namespace {
// The button bar's caption: what the simulation's buttons are about.
QLabel* NewLegend(QWidget* bar) {
    auto* legend = new QLabel(bar);
    legend->setObjectName(QStringLiteral("ButtonPanelCaption"));
    legend->setTextFormat(Qt::PlainText);
    legend->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    QFont font = legend->font();
    font.setPixelSize(kLegendPixelHeight);
    legend->setFont(font);
    QPalette palette = legend->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    legend->setPalette(palette);
    return legend;
}
}  // namespace

QFrame* MainWindow::BuildButtonBar() {
    buttonPanel_ = new QFrame;
    buttonPanel_->setObjectName(QStringLiteral("ButtonPanel"));
    buttonPanel_->setFixedHeight(kButtonBarHeight);
    buttonPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    buttonPanel_->setStyleSheet(QString::fromLatin1(kButtonBarStyle));

    legend_ = NewLegend(buttonPanel_);
    auto* layout = new QHBoxLayout(buttonPanel_);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);

    auto newButton = [this, layout](const char* name, bool toggle, bool captionAndGlyph = false) {
        QToolButton* button =
            captionAndGlyph ? new CaptionGlyphButton(buttonPanel_) : new QToolButton(buttonPanel_);
        button->setObjectName(QString::fromLatin1(name));
        button->setCheckable(toggle);
        // Reached with the tab key and pressed with the space bar, as any button.
        button->setFocusPolicy(Qt::StrongFocus);
        button->hide();
        layout->addWidget(button);
        return button;
    };
    for (const AnimationButtonView& view : kAnimationButtons) {
        const bool captioned = !(app_.Window.*view.Button).Caption.empty();
        QToolButton* button = newButton(view.Name, view.Toggle, captioned);
        button->setIcon(view.Glyph());
        button->setIconSize(QSize(GlyphSize, GlyphSize));
        if (!captioned) {
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        } else {
            // The caption and the glyph side by side, with the frame's padding.
            const QString caption = Q((app_.Window.*view.Button).Caption);
            button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + GlyphSize +
                                    24);
        }
        const auto click = view.Click;
        connect(button, &QToolButton::clicked, this,
                [this, click] { Act([this, click] { (app_.*click)(); }); });
        buttons_.push_back(
            {button, view.Button, view.SpokenName, QString::fromLatin1(view.Shortcut)});
    }
    layout->addSpacing(8);
    for (const FButtonView& view : kFButtons) {
        QToolButton* button = newButton(view.Name, true);
        const FKey key = view.Key;
        connect(button, &QToolButton::clicked, this,
                [this, key] { Act([this, key] { app_.FKeyClick(key); }); });
        buttons_.push_back({button, view.Button, {}, QString::fromLatin1(view.Shortcut)});
    }
    layout->addWidget(legend_, 1);
    return buttonPanel_;
}

// One row of the control panel: the control's name and read-out over its bar.
void MainWindow::AddRangeRow(const char* objectName, Control which, bool scrollBar) {
    auto* row = new QWidget(scrollPanel_);
    row->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Row"));
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    auto* name = new QLabel(row);
    name->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Name"));
    name->setTextFormat(Qt::PlainText);
    auto* value = new QLabel(row);
    value->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Value"));
    value->setTextFormat(Qt::PlainText);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(kValueMinimumWidth);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);

    QAbstractSlider* widget = nullptr;
    if (scrollBar) {
        widget = new QScrollBar(Qt::Horizontal, row);
    } else {
        auto* slider = new QSlider(Qt::Horizontal, row);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(1);
        widget = slider;
    }
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setMinimumWidth(kControlMinimumWidth);
    widget->setMinimumHeight(scrollBar ? 20 : 26);
    name->setBuddy(widget);
    grid->addWidget(name, 0, 0);
    grid->addWidget(value, 0, 1);
    grid->addWidget(widget, 1, 0, 1, 2);
    row->hide();
    widget->hide();
    scrollPanel_->Rows()->addWidget(row);
    connect(widget, &QAbstractSlider::valueChanged, this, [this, which](int position) {
        Act([this, which, position] { app_.ControlChange(which, position); });
    });
    ranges_.push_back({widget, which, row, name, value});
    if (which == Control::ScrollBar1) scrollBar1_ = widget;
}

QWidget* MainWindow::BuildControlPanel() {
    scrollPanel_ = new ControlPanelView;
    scrollPanel_->setObjectName(QStringLiteral("ScrollPanel"));
    scrollPanel_->setFrameStyle(QFrame::Panel | QFrame::Raised);

    for (const RangeControlView& view : kRangeControls)
        AddRangeRow(view.Name, view.Which, view.ScrollBar);
    nulstil_ = new QPushButton(scrollPanel_);
    nulstil_->setObjectName(QStringLiteral("NulstilButton"));
    nulstil_->setStatusTip(QStringLiteral(" Simulationens startværdier"));
    nulstil_->hide();
    connect(nulstil_, &QPushButton::clicked, this, [this] { Act([this] { app_.ResetClick(); }); });
    scrollPanel_->Rows()->addWidget(nulstil_, 0, Qt::AlignLeft);
    scrollPanel_->Rows()->addStretch(1);

    // The tab key: the buttons of the bar from the left, then the panel from the top.
    QWidget* previous = nullptr;
    const auto chain = [&previous](QWidget* next) {
        if (previous != nullptr) QWidget::setTabOrder(previous, next);
        previous = next;
    };
    for (const ButtonWidget& b : buttons_) chain(b.Widget);
    for (const RangeWidget& r : ranges_) chain(r.Widget);
    chain(nulstil_);
    return scrollPanel_->Box();
}

QScrollArea* MainWindow::BuildScrollBox() {
    scrollBox_ = new QScrollArea;
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setFrameShape(QFrame::NoFrame);
    scrollBox_->setWidgetResizable(false);
    scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The picture is reached with the mouse; the box is no stop of the tab key.
    scrollBox_->setFocusPolicy(Qt::NoFocus);
    QWidget* viewport = scrollBox_->viewport();
    QPalette white = viewport->palette();
    white.setColor(QPalette::Window, Qt::white);
    viewport->setPalette(white);
    viewport->setBackgroundRole(QPalette::Window);
    viewport->setAutoFillBackground(true);

    picture_ = new PictureView(app_);
    scrollBox_->setWidget(picture_);
    connect(picture_, &PictureView::MouseMoved, this, [this](QPoint p) {
        // The main window takes the keyboard focus, so that the keys reach its controls.
        if (isVisible() && !isActiveWindow()) activateWindow();
        Act([this, p] { app_.PictureMouseMove({p.x(), p.y()}); });
    });
    connect(picture_, &PictureView::MousePressed, this, [this](QPoint p) {
        Act([this, p] { app_.PictureMouseDown({p.x(), p.y()}); });
    });
    connect(picture_, &PictureView::MouseReleased, this, [this](QPoint p) {
        Act([this, p] { app_.PictureMouseUp({p.x(), p.y()}); });
    });
    return scrollBox_;
}

QFrame* MainWindow::BuildStatusLine() {
    statusBar_ = new QFrame;
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setFixedHeight(kStatusLineHeight);

    panels_ = new QSplitter(Qt::Horizontal);
    panels_->setObjectName(QStringLiteral("StatusPanels"));
    panels_->setHandleWidth(kSplitterWidth);
    // The separators between the read-outs are drawn in the window's own style.
    const QPalette face = statusBar_->palette();
    panels_->setChildrenCollapsible(false);
    panel1_ = StatusPanel("Panel1", Qt::AlignRight);
    panel2_ = StatusPanel("Panel2", Qt::AlignRight);
    panel3_ = StatusPanel("Panel3", Qt::AlignRight);
    messagePanel_ = StatusPanel("MessagePanel", Qt::AlignLeft);
    for (QLabel* panel : {panel1_, panel2_, panel3_, messagePanel_}) {
        panel->setPalette(face);
        panel->setAutoFillBackground(true);
        panels_->addWidget(panel);
    }
    panels_->setStretchFactor(3, 1);
    panels_->setSizes(StatusPanelWidths(1));

    statusCaption_ = new QLabel;
    statusCaption_->setObjectName(QStringLiteral("StatusCaption"));
    statusCaption_->setTextFormat(Qt::PlainText);
    statusCaption_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusCaption_->hide();

    auto* layout = new QHBoxLayout(statusBar_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panels_);
    layout->addWidget(statusCaption_);
    return statusBar_;
}

// --- Model to widgets ---

template <class Handler>
void MainWindow::Act(Handler&& handler) {
    if (destroying_) return;
    handler();
    SyncFromModel();
}

void MainWindow::SyncFromModel() {
    if (destroying_) return;
    // Showing a widget under the mouse may report a hint at once; that change is shown
    // by one more round rather than by a nested one.
    if (syncing_) {
        syncAgain_ = true;
        return;
    }
    syncing_ = true;
    for (int round = 0; round < 3; ++round) {
        syncAgain_ = false;
        ShowModel();
        if (!syncAgain_) break;
    }
    syncing_ = false;
}

// The buttons' captions, hints and states from the model.
void MainWindow::ShowButtons() {
    const MainWindowModel& w = app_.Window;
    for (const ButtonWidget& b : buttons_) {
        const ToolButton& model = w.*b.Button;
        const QSignalBlocker block(b.Widget);
        // A glyph button without a caption of its own says in words what it does.
        const QString caption = Words(model.Caption.empty() ? b.SpokenName : model.Caption);
        if (b.Widget->text() != caption) b.Widget->setText(caption);
        // The hint of the status line stays the model's; the tool tip is in the language shown.
        if (b.Widget->statusTip() != Q(model.Hint)) {
            b.Widget->setStatusTip(Q(model.Hint));
            QString tip = Words(model.Hint).trimmed();
            if (!b.Shortcut.isEmpty())
                tip += (tip.isEmpty() ? QString() : QStringLiteral(" ")) +
                       QStringLiteral("(%1)").arg(
                           QKeySequence(b.Shortcut).toString(QKeySequence::NativeText));
            b.Widget->setToolTip(tip);
        }
        b.Widget->setEnabled(model.Enabled);
        if (b.Widget->isCheckable()) b.Widget->setChecked(model.Down);
        b.Widget->setVisible(model.Visible);
    }
}

// The scroll bars' and track bars' ranges, positions, names and read-outs from the
// model; whether any is shown.
bool MainWindow::ShowRanges() {
    const MainWindowModel& w = app_.Window;
    const char decimal = app_.State.DecimalSeparator;
    const CatalogueEntry* row = app_.catalogue().Find(app_.State.CurrentSimulation);
    // The bars whose value is read from the other end grow to the right as well.
    const bool scrollBar1Reversed = row != nullptr && row->ScrollBar1 &&
                                    (row->ScrollBar1->Rule == ScrollRule::Incidence ||
                                     row->ScrollBar1->Rule == ScrollRule::Scatter);
    bool anyShown = false;
    for (const RangeWidget& r : ranges_) {
        const RangeControl& model = app_.Window.Of(r.Which);
        const QSignalBlocker block(r.Widget);
        const bool reversed = r.Which == Control::ScrollBar1 && scrollBar1Reversed;
        if (r.Widget->invertedAppearance() != reversed) {
            r.Widget->setInvertedAppearance(reversed);
            r.Widget->setInvertedControls(reversed);
        }
        r.Widget->setRange(model.Min, model.Max);
        r.Widget->setValue(model.Position);
        r.Widget->setPageStep(std::max(model.LargeChange, 1));
        if (r.Widget->statusTip() != Q(model.Hint)) {
            r.Widget->setStatusTip(Q(model.Hint));
            // The read-outs cover the status line's caption: the hint shows beside the control.
            r.Widget->setToolTip(Words(model.Hint).trimmed());
        }
        r.Widget->setEnabled(model.Enabled);
        const QString name = Q(ControlName(w, r.Which, app_.PictureWords()));
        const QString value = LocalDecimals(Words(ControlValue(w, r.Which)), decimal);
        // A new name or value may make the row wider; the panel fits it at once.
        if (r.Name->text() != name || r.Value->text() != value) {
            SetText(r.Name, name);
            SetText(r.Value, value);
            r.Row->updateGeometry();
        }
        r.Row->setVisible(model.Visible);
        r.Widget->setVisible(model.Visible);
        anyShown = anyShown || model.Visible;
    }
    return anyShown;
}

void MainWindow::ShowModel() {
    const MainWindowModel& w = app_.Window;
    if (shownLanguage_ != app_.CurrentLanguage()) ShowLanguage();
    if (windowTitle() != Words(w.Caption)) setWindowTitle(Words(w.Caption));
    SetText(legend_, Words(w.ButtonPanelCaption));

    ShowButtons();
    const bool anyShown = ShowRanges();
    nulstil_->setVisible(anyShown);
    const int panelWidth = scrollPanel_->Box()->width();
    scrollPanel_->FitBox();

    const char decimal = app_.State.DecimalSeparator;
    SetText(panel1_, LocalDecimals(Words(w.Panel1), decimal));
    SetText(panel2_, LocalDecimals(Words(w.Panel2), decimal));
    SetText(panel3_, LocalDecimals(Words(w.Panel3), decimal));
    SetText(messagePanel_, LocalDecimals(Words(w.MessagePanel), decimal));
    SetText(statusCaption_, Words(w.StatusCaption));
    panels_->setVisible(w.PanelsVisible);
    statusCaption_->setVisible(!w.PanelsVisible);

    for (const BoundAction& b : boundActions_) {
        const MenuItemState& model = w.*b.Item;
        const QSignalBlocker block(b.Action);
        const QString caption = Words(model.Caption);
        if (b.Action->text() != caption) b.Action->setText(caption);
        b.Action->setEnabled(model.Enabled);
        b.Action->setCheckable(model.Checked);
        b.Action->setChecked(model.Checked);
    }

    const bool running = w.Clock.Enabled && app_.State.CurrentSimulation != Closed;
    if (timer_->interval() != w.Clock.Interval) timer_->setInterval(w.Clock.Interval);
    if (running && !timer_->isActive()) timer_->start();
    if (!running && timer_->isActive()) timer_->stop();

    ShowAccessibleTexts();
    picture_->SyncFromModel();
    if (host_.TakeScrollBar1Focus() && !scrollBar1_->isHidden()) scrollBar1_->setFocus();
    if (table_) table_->SyncFromModel();
    if (memo_) memo_->SyncFromModel();
    // A panel of another width leaves the picture another area.
    if (created_ && scrollPanel_->Box()->maximumWidth() != panelWidth) PictureAreaChanged();
}

void MainWindow::ShowAccessibleTexts() {
    const MainWindowModel& w = app_.Window;
    const auto set = [](QWidget* widget, const QString& name, const QString& description) {
        if (widget->accessibleName() != name) widget->setAccessibleName(name);
        if (widget->accessibleDescription() != description)
            widget->setAccessibleDescription(description);
    };
    for (const ButtonWidget& b : buttons_) {
        const ToolButton& model = w.*b.Button;
        QString name = Words(model.Caption).remove(QLatin1Char('&')).trimmed();
        if (name.isEmpty() && !b.SpokenName.empty()) name = Words(b.SpokenName);
        if (name.isEmpty()) name = Words(model.Hint).trimmed();
        set(b.Widget, name, b.Widget->toolTip());
    }
    // A scroll bar or track bar is named as its row names it; the reader adds the position.
    for (const RangeWidget& r : ranges_) {
        const RangeControl& model = app_.Window.Of(r.Which);
        QString name = r.Name->text();
        if (name.isEmpty())
            name = Words(qobject_cast<QScrollBar*>(r.Widget) != nullptr ? "Rullepanel" : "Skyder");
        set(r.Widget, name, Words(model.Hint).trimmed() + QStringLiteral(". ") + Words(kRangeKeys));
    }
    // The picture: the simulation, its read-outs and its table's values.
    QStringList parts;
    for (const std::string* panel : {&w.Panel1, &w.Panel2, &w.Panel3, &w.MessagePanel})
        if (!panel->empty()) parts << Words(*panel).trimmed();
    const ResultsTable& table = app_.Table;
    for (int row = 1; row < table.RowCount(); ++row) {
        QStringList cells;
        for (int col = 1; col < table.ColCount(); ++col)
            if (!table.Cell(col, row).empty()) cells << Words(table.Cell(col, row)).trimmed();
        if (!cells.isEmpty())
            parts << Words(table.Cell(0, row)).trimmed() + QStringLiteral(": ") +
                         cells.join(QStringLiteral(", "));
    }
    set(picture_, Words(w.Caption), parts.join(QStringLiteral("; ")));
}

// --- Commands, resizes, hints, closing ---

void MainWindow::RunCommand(MenuCommand command) {
    constexpr std::pair<MenuCommand, FKey> fKeys[] = {{MenuCommand::F2, FKey::F2},
                                                      {MenuCommand::F3, FKey::F3},
                                                      {MenuCommand::F4, FKey::F4},
                                                      {MenuCommand::F5, FKey::F5},
                                                      {MenuCommand::F6, FKey::F6}};
    for (const auto& [item, key] : fKeys) {
        if (item == command) {
            app_.FKeyClick(key);
            return;
        }
    }
    if (!RunViewCommand(command)) RunFileCommand(command);
}

bool MainWindow::RunViewCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::ZoomIn:
            app_.SetZoom(app_.Window.Zoom + ZoomStep);
            return true;
        case MenuCommand::ZoomOut:
            app_.SetZoom(app_.Window.Zoom - ZoomStep);
            return true;
        case MenuCommand::ZoomReset:
            app_.SetZoom(MinZoom);
            return true;
        case MenuCommand::Presentation:
            SetPresentation(!app_.Window.Presentation);
            return true;
        case MenuCommand::Smooth:
            app_.SetSmoothDrawing(!app_.Window.SmoothDrawing);
            if (settings_)
                settings_->setValue(QLatin1String(kSmoothKey), app_.Window.SmoothDrawing);
            return true;
        case MenuCommand::ShowTable:
            app_.ShowTableClick();
            return true;
        case MenuCommand::Danish:
            SetLanguage(Language::Danish);
            return true;
        case MenuCommand::English:
            SetLanguage(Language::English);
            return true;
        case MenuCommand::ShowMemo:
            app_.ShowMemoClick();
            return true;
        case MenuCommand::Run:
            app_.RunButtonClick();
            return true;
        case MenuCommand::Step:
            app_.StepButtonClick();
            return true;
        case MenuCommand::SlowMotion:
            app_.SlowMotionButtonClick();
            return true;
        default:
            return false;
    }
}

void MainWindow::RunFileCommand(MenuCommand command) {
    switch (command) {
        case MenuCommand::PrintPicture:
            print_->PrintPicture();
            break;
        case MenuCommand::PrintData:
            OnFileMenuOpened(app_);
            if (app_.Window.PrintDataItem.Enabled) print_->PrintDataLists();
            break;
        case MenuCommand::CopyBitmap:
            print_->CopyBitmap();
            break;
        case MenuCommand::CopyMetafile:
            print_->CopyVectors();
            break;
        case MenuCommand::Help:
            ShowHelp("");
            break;
        case MenuCommand::PrintTable:
            if (table_) table_->PrintTable();
            break;
        case MenuCommand::Exit:
            ExitProgram();
            break;
        case MenuCommand::HomePage:
            OpenHomePage();
            break;
        case MenuCommand::About:
            ShowAboutBox(this, [this](std::string_view danish) { return Words(danish); });
            break;
        case MenuCommand::SavePicture:
            SavePictureAs();
            break;
        case MenuCommand::SaveTable:
            SaveTableAs();
            break;
        default:
            break;
    }
}

void MainWindow::SavePictureAs() {
    const QString filters = Words("PNG-billede (*.png)") + QStringLiteral(";;") +
                            Words("SVG-vektorgrafik (*.svg)") + QStringLiteral(";;") +
                            Words("PDF-dokument (*.pdf)");
    QString chosen = Words("PNG-billede (*.png)");
    const QString path =
        ChooseSaveFile(Words("Gem billede"), QStringLiteral(".png"), filters, chosen);
    if (path.isEmpty()) return;
    std::string error;
    if (!SavePicture(app_, path.toStdString(), error))
        host_.ShowMessage(SaveFailedMessage(path, error), MessageKind::Warning);
}

void MainWindow::SaveTableAs() {
    QString chosen;
    const QString path = ChooseSaveFile(Words("Gem tabel"), QStringLiteral(".csv"),
                                        Words("CSV-fil til regneark (*.csv)"), chosen);
    if (path.isEmpty()) return;
    std::string error;
    if (!SaveTable(app_, path.toStdString(), error))
        host_.ShowMessage(SaveFailedMessage(path, error), MessageKind::Warning);
}

QString MainWindow::ChooseSaveFile(const QString& title, const QString& extension,
                                   const QString& filters, QString& chosenFilter) {
    // The folder of the last save, at first the set-up file's "STI", else the user's
    // pictures (for a picture) or documents (for a table); named after the simulation.
    if (saveDirectory_.isEmpty()) saveDirectory_ = Q(app_.State.OpenDialogDirectory);
    if (saveDirectory_.isEmpty()) {
        const auto where = extension == QLatin1String(".csv") ? QStandardPaths::DocumentsLocation
                                                              : QStandardPaths::PicturesLocation;
        saveDirectory_ = QStandardPaths::writableLocation(where);
        if (saveDirectory_.isEmpty() || !QFileInfo(saveDirectory_).isDir())
            saveDirectory_ = QDir::homePath();
    }
    QString name = Words(app_.Window.Caption).section(QLatin1Char(','), -1).trimmed();
    name.replace(QRegularExpression(QStringLiteral("[^\\w\\- ]")), QString());
    if (name.isEmpty()) name = QStringLiteral("vivarnon");
    QString path = QFileDialog::getSaveFileName(
        this, title, QDir(saveDirectory_).filePath(name + extension), filters, &chosenFilter);
    if (path.isEmpty()) return path;
    // A name without an extension takes that of the chosen file type.
    if (QFileInfo(path).suffix().isEmpty()) {
        const QRegularExpressionMatch m =
            QRegularExpression(QStringLiteral("\\*(\\.\\w+)"))
                .match(chosenFilter.isEmpty() ? filters : chosenFilter);
        path += m.hasMatch() ? m.captured(1) : extension;
    }
    saveDirectory_ = QFileInfo(path).absolutePath();
    if (settings_) settings_->setValue(QLatin1String(kSaveFolderKey), saveDirectory_);
    return path;
}

void MainWindow::ShowHelp(const char* topic) {
    if (!help_) help_ = new HelpWindow(host_, app_.State.StartDirectory, this);
    help_->ShowTopic(QString::fromUtf8(topic), app_.CurrentLanguage());
}

void MainWindow::OpenHomePage() {
    if (!QDesktopServices::openUrl(QUrl(Q(HomePageAddress))))
        host_.ShowMessage(
            "Hjemmesiden kan ikke åbnes: der er ikke valgt en browser på denne computer.",
            MessageKind::Warning);
}

void MainWindow::ExitProgram() {
    SavePlaces();  // while the memo and the table still show
    app_.ExitProgram();
    SyncFromModel();
    close();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip && !destroying_) {
        // The application's hint handler: control hints begin with a blank, menu hints not.
        const std::string hint = static_cast<QStatusTipEvent*>(event)->tip().toStdString();
        Act([this, &hint] { app_.DisplayHint(hint); });
        return true;
    }
    const bool handled = QMainWindow::event(event);
    // Moved to a screen of another device pixel ratio: the picture is made anew for it.
    if (event->type() == QEvent::ScreenChangeInternal) PictureAreaChanged();
    return handled;
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    PictureAreaChanged();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    PictureAreaChanged();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) PictureAreaChanged();
}

void MainWindow::PictureAreaChanged() {
    if (!created_ || destroying_) return;
    if (isMinimized()) {
        minimised_ = true;
        Act([this] { app_.FormResize(true); });
        return;
    }
    // Restoring a minimised window recreates the picture even at the same size, and so
    // does a move to a screen of another device pixel ratio.
    const bool restored = std::exchange(minimised_, false) || ApplyDevicePixelRatio();
    const QSize area = host_.PictureArea();
    MainWindowModel& w = app_.Window;
    // The picture was made for this area already (at start-up, or when the control
    // panel changed its width).
    if (!restored && area == QSize(w.ScrollBoxWidth, w.ScrollBoxHeight)) return;
    host_.StoreArea(w, area);
    Act([this] {
        app_.FormResize(false);
        app_.FitPresentationZoom();  // in presentation mode the zoom follows the height
    });
}

namespace {
constexpr double kPresentationFontScale = 1.5;  // the panel's and status line's fonts

QFont Enlarged(QFont font) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * kPresentationFontScale);
    else
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * kPresentationFontScale)));
    return font;
}
}  // namespace

void MainWindow::SetPresentation(bool on) {
    if (on == app_.Window.Presentation) return;
    if (on) {
        maximisedBeforePresentation_ = isMaximized();
        panelFont_ = scrollPanel_->font();
        statusFont_ = statusBar_->font();
        scrollPanel_->setFont(Enlarged(panelFont_));
        statusBar_->setFont(Enlarged(statusFont_));
        statusBar_->setFixedHeight(
            static_cast<int>(std::lround(kStatusLineHeight * kPresentationFontScale)));
        panels_->setSizes(StatusPanelWidths(kPresentationFontScale));
        app_.SetPresentation(true);
        showFullScreen();
    } else {
        scrollPanel_->setFont(panelFont_);
        statusBar_->setFont(statusFont_);
        statusBar_->setFixedHeight(kStatusLineHeight);
        panels_->setSizes(StatusPanelWidths(1));
        app_.SetPresentation(false);
        if (maximisedBeforePresentation_)
            showMaximized();
        else
            showNormal();
    }
    scrollPanel_->FitBox();
    PictureAreaChanged();
}

bool MainWindow::ApplyDevicePixelRatio(bool always) {
    const double ratio = devicePixelRatioF();
    if (!always && ratio == host_.DevicePixelRatio()) return false;
    // The pens follow with the next picture: as many picture pixels wide as one pixel of
    // the layout.
    host_.SetDevicePixelRatio(ratio);
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    SavePlaces();
    if (app_.State.CurrentSimulation != Closed) app_.FormClose();
    timer_->stop();
    if (table_) table_->close();
    if (memo_) memo_->close();
    QMainWindow::closeEvent(event);
}

}  // namespace viv
